// The Linux front end: the saver's own switches pass unchanged; the
// XScreenSaver forms become the preview switch; --help alone is usage.
#include "platform/posix/front_end.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

front_end_choice read(std::vector<const char *> args, const char *xscreensaver_window = nullptr) {
  args.insert(args.begin(), "torvane");
  return read_arguments(static_cast<int>(args.size()), args.data(), xscreensaver_window);
}

std::string line_of(std::vector<const char *> args, const char *xscreensaver_window = nullptr) {
  front_end_choice choice = read(args, xscreensaver_window);
  EXPECT_FALSE(choice.usage);
  EXPECT_FALSE(choice.on_root_window);
  return choice.command_line;
}

TEST(FrontEnd, SaverSwitchesReachTheScanJoinedByBlanks) {
  EXPECT_EQ(line_of({}), "");
  EXPECT_EQ(line_of({"/s"}), "/s");
  EXPECT_EQ(line_of({"/p", "1234"}), "/p 1234");
  EXPECT_EQ(line_of({"-c:42"}), "-c:42");
  EXPECT_EQ(line_of({"/s", "", "x"}), "/s  x");
}

TEST(FrontEnd, HelpOnlyAsTheWholeLine) {
  EXPECT_TRUE(read({"--help"}).usage);
  EXPECT_TRUE(read({"-h"}).usage);
  EXPECT_EQ(line_of({"--help", "/s"}), "--help /s");
  EXPECT_EQ(line_of({"-h", "/a"}), "-h /a");
  EXPECT_EQ(line_of({"-help"}), "-help");
  EXPECT_EQ(line_of({"--HELP"}), "--HELP");
}

TEST(FrontEnd, RootDrawsIntoTheDaemonsWindow) {
  EXPECT_EQ(line_of({"--root"}, "0x1a00007"), "/p 27262983");
  EXPECT_EQ(line_of({"-root"}, "0X1A00007"), "/p 27262983");
  EXPECT_EQ(line_of({"--root"}, "27262983"), "/p 27262983");
  EXPECT_EQ(line_of({"--root", "--fps"}, "99"), "/p 99");
}

TEST(FrontEnd, RootWithoutTheDaemonsWindowIsTheRootWindow) {
  EXPECT_TRUE(read({"--root"}).on_root_window);
  EXPECT_TRUE(read({"-root"}, "").on_root_window);
}

TEST(FrontEnd, WindowIdInHexOrDecimal) {
  EXPECT_EQ(line_of({"--window-id", "0x400001"}), "/p 4194305");
  EXPECT_EQ(line_of({"-window-id", "4194305"}), "/p 4194305");
  EXPECT_EQ(line_of({"-window-id", "4194305"}, "0x77"), "/p 4194305");
}

TEST(FrontEnd, WindowIdThatIsNoNumberNamesNoWindow) {
  for (const char *bad : {"0x", "", "12ab", "0xzz", "-5", "+5", " 5"})
    EXPECT_EQ(line_of({"--window-id", bad}), "/p 0") << '"' << bad << '"';
  EXPECT_EQ(line_of({"--window-id"}), "/p 0");
  EXPECT_EQ(line_of({"--root"}, "window"), "/p 0");
}

// They name X windows, so they decide the window system; the saver's own
// switches leave it to the environment, /p included.
TEST(FrontEnd, OnlyXScreenSaverFormsNameAnXWindow) {
  EXPECT_TRUE(read({"--root"}).names_x_window);
  EXPECT_TRUE(read({"-root"}, "0x77").names_x_window);
  EXPECT_TRUE(read({"--window-id", "5"}).names_x_window);
  EXPECT_FALSE(read({"/p", "5"}).names_x_window);
  EXPECT_FALSE(read({"/s"}).names_x_window);
  EXPECT_FALSE(read({"--help"}).names_x_window);
}

TEST(FrontEnd, UsageNamesTheSwitchesFormsAndSettingsFile) {
  std::string usage = usage_text;
  for (const char *part : {"/s", "/p", "/c", "/a", "--root", "-window-id", "XSCREENSAVER_WINDOW",
                           "GL: torvane --root", "~/.config/torvane/registry.reg"})
    EXPECT_NE(usage.find(part), std::string::npos) << part;
}

}  // namespace
