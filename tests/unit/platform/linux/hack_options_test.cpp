// The hack's options: every setting of the configuration dialog with its
// range, the delay, the overlay, and a clear message for anything else.
#include "platform/linux/hack_options.h"

#include <gtest/gtest.h>

#include <vector>

#include "settings/settings.h"

namespace {

hack_options read(std::vector<const char *> args) {
  args.insert(args.begin(), "torvane");
  return read_hack_options(static_cast<int>(args.size()), args.data(), nullptr);
}

std::string error_of(std::vector<const char *> args) { return read(args).error; }

// The one setting the line changes.
setting_value setting_of(std::vector<const char *> args) {
  hack_options hack = read(args);
  EXPECT_EQ(hack.error, "");
  EXPECT_EQ(hack.settings.size(), 1u);
  return hack.settings.empty() ? setting_value{nullptr, 0} : hack.settings[0];
}

struct number_case {
  const char *option;
  int *setting;
  int low, high;
  const char *what;
};

const number_case numbers[] = {
    {"-speed", &animation_speed, 1, 5000, "rotation speed"},
    {"-segments", &curve_segments, 20, 500, "curve resolution"},
    {"-points", &shape_points, 4, 50, "revolution resolution"},
    {"-bump-speed", &bump_speed, 0, 200, "bump speed"},
    {"-skin", &skin_id, 1, 4, "skin"},
};

TEST(HackOptions, NothingGivenKeepsTheStoredSettingsAtTheDefaultDelay) {
  hack_options hack = read({});
  EXPECT_EQ(hack.target, HACK_OWN_WINDOW);
  EXPECT_EQ(hack.delay, default_frame_delay);
  EXPECT_FALSE(hack.fps);
  EXPECT_FALSE(hack.help);
  EXPECT_TRUE(hack.settings.empty());
  EXPECT_TRUE(hack.options.empty());
  EXPECT_EQ(hack.error, "");
}

TEST(HackOptions, EveryNumberSettingTakesItsDialogRangeAndNoMore) {
  for (const number_case &n : numbers) {
    for (int value : {n.low, n.high}) {
      std::string text = std::to_string(value);
      setting_value s = setting_of({n.option, text.c_str()});
      EXPECT_EQ(s.setting, n.setting) << n.option;
      EXPECT_EQ(s.value, value) << n.option;
    }
    for (int value : {n.low - 1, n.high + 1}) {
      std::string text = std::to_string(value);
      EXPECT_EQ(error_of({n.option, text.c_str()}), std::string(n.option) + " " + text +
                                                        ": out of range, the " + n.what + " is " +
                                                        std::to_string(n.low) + " to " +
                                                        std::to_string(n.high));
    }
  }
}

TEST(HackOptions, OneDashOrTwoAndAValueAfterAnEqualsSign) {
  for (std::vector<const char *> line : std::vector<std::vector<const char *>>{
           {"-speed", "250"}, {"--speed", "250"}, {"-speed=250"}, {"--speed=250"}}) {
    setting_value s = setting_of(line);
    EXPECT_EQ(s.setting, &animation_speed);
    EXPECT_EQ(s.value, 250);
  }
}

TEST(HackOptions, ValuesThatAreNoWholeNumbersOrMissing) {
  for (const char *bad : {"fast", "", "2.5", "12x", " 7", "99999999999999999999"})
    EXPECT_EQ(error_of({"-speed", bad}), std::string("-speed ") + bad + ": not a whole number") << bad;
  EXPECT_EQ(error_of({"-points"}), "-points needs a value");
  EXPECT_EQ(error_of({"--delay"}), "--delay needs a value");
  EXPECT_EQ(error_of({"-skin", "-2"}), "-skin -2: out of range, the skin is 1 to 4");
}

TEST(HackOptions, CurvesByName) {
  const char *names[] = {"original", "sphere1", "sphere2"};
  for (int id = 1; id <= 3; id++) {
    setting_value s = setting_of({"-curve", names[id - 1]});
    EXPECT_EQ(s.setting, &func_id);
    EXPECT_EQ(s.value, id);
  }
  EXPECT_EQ(error_of({"-curve", "Sphere1"}),
            "-curve Sphere1: the curve is original, sphere1 or sphere2");
  EXPECT_EQ(error_of({"-curve", "2"}), "-curve 2: the curve is original, sphere1 or sphere2");
}

TEST(HackOptions, EveryDialogCheckBoxOnAndOff) {
  struct {
    const char *name;
    int bit;
  } boxes[] = {{"bilinear", OPT_BILINEAR},         {"bumps", OPT_ANIMATED_BUMPS},
               {"smooth-bumps", OPT_SMOOTH_BUMPS}, {"move-texture", OPT_MOVE_TEXTURE},
               {"env-lighting", OPT_ENV_LIGHTING}, {"multitexture", OPT_MULTITEXTURE}};
  for (const auto &box : boxes) {
    std::string on = std::string("-") + box.name, off = std::string("--no-") + box.name;
    hack_options hack = read({on.c_str(), off.c_str()});
    EXPECT_EQ(hack.error, "") << box.name;
    ASSERT_EQ(hack.options.size(), 2u) << box.name;
    EXPECT_EQ(hack.options[0].bit, box.bit);
    EXPECT_TRUE(hack.options[0].on);
    EXPECT_EQ(hack.options[1].bit, box.bit);
    EXPECT_FALSE(hack.options[1].on);
    EXPECT_EQ(error_of({(on + "=1").c_str()}), on + " takes no value");
  }
}

TEST(HackOptions, LaterSettingsComeLaterSoTheyWin) {
  hack_options hack = read({"-speed", "10", "-skin", "3", "-speed", "20"});
  ASSERT_EQ(hack.settings.size(), 3u);
  EXPECT_EQ(hack.settings[2].setting, &animation_speed);
  EXPECT_EQ(hack.settings[2].value, 20);
}

TEST(HackOptions, DelayInMicrosecondsUpToOneSecond) {
  EXPECT_EQ(read({"-delay", "0"}).delay, 0);
  EXPECT_EQ(read({"-delay", "1000000"}).delay, 1000000);
  EXPECT_EQ(error_of({"-delay", "-1"}),
            "-delay -1: out of range, the delay in microseconds is 0 to 1000000");
  EXPECT_EQ(error_of({"-delay", "1000001"}),
            "-delay 1000001: out of range, the delay in microseconds is 0 to 1000000");
}

TEST(HackOptions, FrameRateOverlayOnAndOff) {
  EXPECT_TRUE(read({"-fps"}).fps);
  EXPECT_FALSE(read({"--fps", "--no-fps"}).fps);
  EXPECT_EQ(error_of({"-fps=yes"}), "-fps takes no value");
}

TEST(HackOptions, WhereToDrawTheLastSaysWins) {
  EXPECT_EQ(read({"-window-id", "5", "-window"}).target, HACK_OWN_WINDOW);
  EXPECT_EQ(read({"-window", "-root"}).target, HACK_ROOT);
  EXPECT_EQ(error_of({"-root=1"}), "-root takes no value");
}

TEST(HackOptions, UnknownOptionsAndWordsAreNamed) {
  EXPECT_EQ(error_of({"-wireframe"}), "unknown option \"-wireframe\"");
  EXPECT_EQ(error_of({"--speed2=5"}), "unknown option \"--speed2\"");
  EXPECT_EQ(error_of({"-fps", "now"}), "unknown option \"now\"");
  EXPECT_EQ(error_of({"-fps", "-"}), "unknown option \"-\"");
  // Reading stops at the first fault.
  hack_options hack = read({"-speed", "0", "-skin", "2"});
  EXPECT_TRUE(hack.settings.empty());
}

// XScreenSaver's pane shows these as sliders, which pass nothing at their
// defaults: a hack starts from the defaults, not the stored values. The
// skin, a menu there, is not among them.
TEST(HackOptions, TheSlidersSettingsStartFromTheirDefaults) {
  std::vector<setting_value> defaults = slider_defaults();
  ASSERT_EQ(defaults.size(), 4u);
  EXPECT_EQ(defaults[0].setting, &animation_speed);
  EXPECT_EQ(defaults[0].value, 100);
  EXPECT_EQ(defaults[1].setting, &curve_segments);
  EXPECT_EQ(defaults[1].value, 170);
  EXPECT_EQ(defaults[2].setting, &shape_points);
  EXPECT_EQ(defaults[2].value, 10);
  EXPECT_EQ(defaults[3].setting, &bump_speed);
  EXPECT_EQ(defaults[3].value, 60);
}

TEST(HackOptions, HackOptionsAreWordsAfterADash) {
  for (const char *yes : {"-root", "-fps", "--x", "--window-id", "-delay", "-sp"})
    EXPECT_TRUE(is_hack_option(yes)) << yes;
  for (const char *no : {"/s", "-s", "-S", "-c:42", "-p1234", "--", "-", "root", "", "/root", "-1x"})
    EXPECT_FALSE(is_hack_option(no)) << no;
}

}  // namespace
