// The Linux front end: the saver's own switches pass unchanged; a line with
// any of XScreenSaver's forms runs as a hack; --help alone is usage.
#include "platform/linux/front_end.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

front_end_choice read(std::vector<const char *> args, const char *xscreensaver_window = nullptr) {
  args.insert(args.begin(), "torvane");
  return read_arguments(static_cast<int>(args.size()), args.data(), xscreensaver_window);
}

std::string line_of(std::vector<const char *> args) {
  front_end_choice choice = read(args);
  EXPECT_FALSE(choice.usage);
  EXPECT_FALSE(choice.as_hack);
  return choice.command_line;
}

hack_options hack_of(std::vector<const char *> args, const char *xscreensaver_window = nullptr) {
  front_end_choice choice = read(args, xscreensaver_window);
  EXPECT_TRUE(choice.as_hack);
  EXPECT_TRUE(choice.command_line.empty());
  return choice.hack;
}

TEST(FrontEnd, SaverSwitchesReachTheScanJoinedByBlanks) {
  EXPECT_EQ(line_of({}), "");
  EXPECT_EQ(line_of({"/s"}), "/s");
  EXPECT_EQ(line_of({"-s"}), "-s");
  EXPECT_EQ(line_of({"/p", "1234"}), "/p 1234");
  EXPECT_EQ(line_of({"-l", "1234"}), "-l 1234");
  EXPECT_EQ(line_of({"-c:42"}), "-c:42");
  EXPECT_EQ(line_of({"/s", "", "x"}), "/s  x");
  EXPECT_EQ(line_of({"-h", "/a"}), "-h /a");
  EXPECT_EQ(line_of({"--"}), "--");
}

TEST(FrontEnd, HelpAloneOrAmongTheHackOptionsIsUsage) {
  EXPECT_TRUE(read({"--help"}).usage);
  EXPECT_TRUE(read({"-h"}).usage);
  EXPECT_TRUE(read({"-help"}).usage);
  EXPECT_TRUE(read({"-root", "--help"}).usage);
  // A faulty line is reported, not answered with the usage alone.
  front_end_choice faulty = read({"--help", "/s"});
  EXPECT_FALSE(faulty.usage);
  EXPECT_NE(faulty.hack.error, "");
}

// Any one of XScreenSaver's forms makes the whole line a hack's: a switch
// beside them is an unknown option, never the dialog or full screen.
TEST(FrontEnd, AnyHackOptionMakesTheLineAHacks) {
  EXPECT_EQ(hack_of({"--root"}).target, HACK_ROOT);
  EXPECT_EQ(hack_of({"-fps"}).target, HACK_OWN_WINDOW);
  EXPECT_EQ(hack_of({"-delay", "100"}).delay, 100);
  EXPECT_EQ(hack_of({"/s", "-speed", "2"}).error, "unknown option \"/s\"");
  EXPECT_EQ(hack_of({"--window"}).error, "");
  EXPECT_EQ(hack_of({"--HELP"}).error, "unknown option \"--HELP\"");
}

TEST(FrontEnd, RootDrawsIntoTheDaemonsWindow) {
  for (const char *id : {"0x1a00007", "0X1A00007", "27262983"}) {
    hack_options hack = hack_of({"--root"}, id);
    EXPECT_EQ(hack.target, HACK_WINDOW_ID) << id;
    EXPECT_EQ(hack.window, 27262983ul) << id;
  }
  EXPECT_EQ(hack_of({"-root", "--fps"}, "99").window, 99ul);
  EXPECT_EQ(hack_of({"--root"}, "window").error, "XSCREENSAVER_WINDOW=window: not a window id");
}

TEST(FrontEnd, RootWithoutTheDaemonsWindowIsTheRootWindow) {
  EXPECT_EQ(hack_of({"--root"}).target, HACK_ROOT);
  EXPECT_EQ(hack_of({"-root"}, "").target, HACK_ROOT);
}

TEST(FrontEnd, WindowIdInHexOrDecimalWinsOverTheDaemonsWindow) {
  EXPECT_EQ(hack_of({"--window-id", "0x400001"}).window, 4194305ul);
  EXPECT_EQ(hack_of({"-window-id", "4194305"}).window, 4194305ul);
  hack_options hack = hack_of({"-window-id", "4194305"}, "0x77");
  EXPECT_EQ(hack.target, HACK_WINDOW_ID);
  EXPECT_EQ(hack.window, 4194305ul);
}

TEST(FrontEnd, WindowIdThatIsNoNumberIsAnError) {
  for (const char *bad : {"0x", "", "12ab", "0xzz", "-5", "+5", " 5"})
    EXPECT_EQ(hack_of({"--window-id", bad}).error, std::string("--window-id ") + bad + ": not a window id")
        << '"' << bad << '"';
  EXPECT_EQ(hack_of({"--window-id"}).error, "--window-id needs a value");
}

// They name X windows, so they decide the window system; the saver's own
// switches leave it to the environment, /p included.
TEST(FrontEnd, OnlyXScreenSaverFormsRunAsAHack) {
  EXPECT_TRUE(read({"--root"}).as_hack);
  EXPECT_TRUE(read({"-root"}, "0x77").as_hack);
  EXPECT_TRUE(read({"--window-id", "5"}).as_hack);
  EXPECT_FALSE(read({"/p", "5"}).as_hack);
  EXPECT_FALSE(read({"/s"}).as_hack);
  EXPECT_FALSE(read({"--help"}).as_hack);
}

TEST(FrontEnd, UsageNamesTheSwitchesFormsOptionsAndSettingsFile) {
  std::string text = usage();
  for (const char *part :
       {"/s", "/p", "/c", "/a", "-root", "-window-id", "-window ", "XSCREENSAVER_WINDOW",
        "GL: torvane --root", "~/.config/torvane/registry.reg", "-delay N", "-fps", "-speed N",
        "rotation speed, 1 to 5000", "-segments N", "-points N", "-bump-speed N", "-skin N",
        "-curve NAME", "-[no-]bilinear", "-[no-]multitexture", "for this run only",
         "TORVANE_BACKEND", "Wayland"})
    EXPECT_NE(text.find(part), std::string::npos) << part;
}

}  // namespace
