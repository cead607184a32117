// Loading and saving the settings against the real store (file store on
// Linux, the registry under Wine).
#include "registry_helpers.h"
#include "store_fixture.h"
#include "stored_settings.h"
#include "support/reset_modules.h"

#include "settings/overrides.h"

namespace {

class Settings : public StoreTest {
 protected:
  void SetUp() override {
    StoreTest::SetUp();
    reset_settings();
    reset_geometry();
  }

  void store(const char *name, DWORD type, const std::vector<BYTE> &data,
             const char *path = config_key_name) {
    HKEY key = create_key(path);
    set_bytes(key, name, type, data);
    RegCloseKey(key);
  }

  void store_dword(const char *name, DWORD value) {
    store(name, REG_DWORD, {BYTE(value), BYTE(value >> 8), BYTE(value >> 16), BYTE(value >> 24)});
  }

  // The stored bytes of a value, checking its type.
  std::vector<BYTE> stored(const char *name, DWORD expected_type,
                           const char *path = config_key_name) {
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return {};
    DWORD type = 0;
    std::vector<BYTE> data = query_bytes(key, name, &type);
    RegCloseKey(key);
    EXPECT_EQ(type, expected_type) << name;
    return data;
  }
};

TEST_F(Settings, WithNoKeyEverySettingKeepsItsDefault) {
  load_config();
  EXPECT_EQ(animation_speed, 100);
  EXPECT_EQ(user_options, 3);
  EXPECT_EQ(curve_segments, 170);
  EXPECT_EQ(shape_points, 10);
  EXPECT_EQ(skin_id, 1);
  EXPECT_EQ(func_id, 1);
  EXPECT_EQ(bump_speed, 60);
  EXPECT_EQ(curve_func, func1);
}

TEST_F(Settings, FlagsAloneSetsTheOptions) {
  store_dword("flags", 0x45);
  load_config();
  EXPECT_EQ(user_options, 0x45);
}

TEST_F(Settings, UserOptionsDecidesOverFlags) {
  store_dword("flags", 0x45);
  store_dword("user_options", 3);
  load_config();
  EXPECT_EQ(user_options, 3);
}

TEST_F(Settings, EveryStoredValueReplacesItsSetting) {
  const DWORD values[8] = {250, 0x10, 300, 25, 4, 2, 150, 0xDA};
  for (int i = 0; i < 8; ++i) store_dword(setting_value_names[i], values[i]);
  load_config();
  EXPECT_EQ(animation_speed, 250);
  EXPECT_EQ(curve_segments, 300);
  EXPECT_EQ(shape_points, 25);
  EXPECT_EQ(skin_id, 4);
  EXPECT_EQ(func_id, 2);
  EXPECT_EQ(bump_speed, 150);
  EXPECT_EQ(user_options, 0xDA);
  EXPECT_EQ(curve_func, func2);
}

TEST_F(Settings, FuncIdSelectsTheCurve) {
  store_dword("func_id", 3);
  load_config();
  EXPECT_EQ(curve_func, func3);
}

TEST_F(Settings, AnUnknownFuncIdKeepsTheSelectedCurve) {
  for (DWORD id : {0u, 7u}) {
    store_dword("func_id", id);
    curve_func = func1;
    load_config();
    EXPECT_EQ(func_id, int(id));
    EXPECT_EQ(curve_func, func1) << id;
  }
  curve_func = func2;
  load_config();
  EXPECT_EQ(curve_func, func2);
}

TEST_F(Settings, ShortDataOfAnyTypeReplacesOnlyTheLowOrderBytes) {
  skin_id = 0x11223344;
  store("skin_id", REG_BINARY, {0xAA, 0xBB});
  func_id = 0x55667788;
  store("func_id", REG_NONE, {0x37});
  load_config();
  EXPECT_EQ(skin_id, 0x1122BBAA);
  EXPECT_EQ(func_id, 0x55667737);
}

// The platform ends text with a zero when the buffer has room for it.
TEST_F(Settings, OneCharacterOfTextFillsTheLowBytesWithItsTerminatingZero) {
  const BYTE text[] = {'7', 'X'};
  HKEY key = create_key(config_key_name);
  ASSERT_EQ(RegSetValueExA(key, "func_id", 0, REG_SZ, text, 1), ERROR_SUCCESS);
  RegCloseKey(key);
  func_id = 0x55667788;
  load_config();
  EXPECT_EQ(func_id, 0x55660037);
}

TEST_F(Settings, FourBytesOfAnotherTypeAreTakenAsTheNumber) {
  store("skin_id", REG_BINARY, {3, 0, 0, 0});
  load_config();
  EXPECT_EQ(skin_id, 3);
}

TEST_F(Settings, DataLongerThanFourBytesKeepsTheCurrentValue) {
  store("skin_id", REG_QWORD, {2, 0, 0, 0, 0, 0, 0, 0});
  store("func_id", REG_BINARY, {3, 0, 0, 0, 9});
  store_dword("bump_speed", 7);
  load_config();
  EXPECT_EQ(skin_id, 1);
  EXPECT_EQ(func_id, 1);
  EXPECT_EQ(bump_speed, 7);
}

TEST_F(Settings, OutOfRangeSizesAndSpeedsAreLimitedToTheDialogRanges) {
  struct case_ {
    DWORD stored[4];  // animation_speed, curve_segments, shape_points, bump_speed
    int loaded[4];
  } cases[] = {
      {{0, 0, 0, 0xFFFFFFFBu}, {1, 20, 4, 0}},
      {{5001, 501, 51, 201}, {5000, 500, 50, 200}},
      {{0xFFFFFFFFu, 19, 3, 0x80000000u}, {1, 20, 4, 0}},
      {{0x7FFFFFFF, 0x7FFFFFFF, 0x7FFFFFFF, 0x7FFFFFFF}, {5000, 500, 50, 200}},
      {{1, 20, 4, 0}, {1, 20, 4, 0}},
      {{5000, 500, 50, 200}, {5000, 500, 50, 200}},
  };
  for (const case_ &c : cases) {
    store_dword("animation_speed", c.stored[0]);
    store_dword("curve_segments", c.stored[1]);
    store_dword("shape_points", c.stored[2]);
    store_dword("bump_speed", c.stored[3]);
    load_config();
    EXPECT_EQ(animation_speed, c.loaded[0]);
    EXPECT_EQ(curve_segments, c.loaded[1]);
    EXPECT_EQ(shape_points, c.loaded[2]);
    EXPECT_EQ(bump_speed, c.loaded[3]);
  }
}

TEST_F(Settings, SkinCurveAndOptionsEnterExactlyAsStored) {
  store_dword("skin_id", 9);
  store_dword("func_id", 0xFFFFFFFFu);
  store_dword("user_options", 0xFFFF0100u);
  load_config();
  EXPECT_EQ(skin_id, 9);
  EXPECT_EQ(func_id, -1);
  EXPECT_EQ(user_options, int(0xFFFF0100u));
}

// Reading needs no more than the right to read: a key the user may not
// write (a read-only settings file, say) is still read, and only the save
// is refused, leaving the stored values as they were.
TEST_F(Settings, AKeyTheUserMayOnlyReadIsReadAndASaveIsRefused) {
  store_dword("skin_id", 3);
  store_dword("animation_speed", 4321);
  make_saver_key_read_only();
  load_config();
  EXPECT_EQ(skin_id, 3);
  EXPECT_EQ(animation_speed, 4321);
  skin_id = 2;
  EXPECT_EQ(save_config(), ERROR_ACCESS_DENIED);
  EXPECT_EQ(stored("skin_id", REG_DWORD), (std::vector<BYTE>{3, 0, 0, 0}));
}

TEST_F(Settings, SaveWritesTheEightValuesAsDwords) {
  animation_speed = 42;
  user_options = int(0xFFFFFF85u);
  curve_segments = 300;
  shape_points = 12;
  skin_id = 3;
  func_id = 2;
  bump_speed = 0;
  EXPECT_EQ(save_config(), ERROR_SUCCESS);
  const std::vector<BYTE> expected[8] = {
      {42, 0, 0, 0},  {0x85, 0xFF, 0xFF, 0xFF}, {0x2C, 1, 0, 0}, {12, 0, 0, 0},
      {3, 0, 0, 0},   {2, 0, 0, 0},             {0, 0, 0, 0},    {0x85, 0xFF, 0xFF, 0xFF},
  };
  for (int i = 0; i < 8; ++i) EXPECT_EQ(stored(setting_value_names[i], REG_DWORD), expected[i]) << i;
}

TEST_F(Settings, SavedSettingsLoadBack) {
  animation_speed = 4321;
  user_options = OPT_DOUBLE_BUFFER | OPT_ENV_LIGHTING | OPT_MULTITEXTURE;
  curve_segments = 20;
  shape_points = 50;
  skin_id = 2;
  func_id = 3;
  bump_speed = 200;
  save_config();
  reset_settings();
  load_config();
  EXPECT_EQ(animation_speed, 4321);
  EXPECT_EQ(user_options, 0xC1);
  EXPECT_EQ(curve_segments, 20);
  EXPECT_EQ(shape_points, 50);
  EXPECT_EQ(skin_id, 2);
  EXPECT_EQ(func_id, 3);
  EXPECT_EQ(bump_speed, 200);
  EXPECT_EQ(curve_func, func3);
}

TEST_F(Settings, SaveLeavesOtherValuesAndKeysAlone) {
  const char sibling[] = "Software\\Fenwright Productions\\Other Saver";
  const char child[] = "Software\\Fenwright Productions\\Torvane Screensaver\\Child";
  store("note", REG_SZ, {'k', 'e', 'e', 'p', 0});
  store("blob", REG_BINARY, {1, 2, 3, 4, 5, 6, 7, 8, 9});
  store("speed", REG_DWORD, {1, 0, 0, 0}, sibling);
  store("deep", REG_BINARY, {0xFE}, child);
  store_dword("skin_id", 4);
  skin_id = 2;
  save_config();
  EXPECT_EQ(stored("note", REG_SZ), (std::vector<BYTE>{'k', 'e', 'e', 'p', 0}));
  EXPECT_EQ(stored("blob", REG_BINARY), (std::vector<BYTE>{1, 2, 3, 4, 5, 6, 7, 8, 9}));
  EXPECT_EQ(stored("speed", REG_DWORD, sibling), (std::vector<BYTE>{1, 0, 0, 0}));
  EXPECT_EQ(stored("deep", REG_BINARY, child), std::vector<BYTE>{0xFE});
  EXPECT_EQ(stored("skin_id", REG_DWORD), (std::vector<BYTE>{2, 0, 0, 0}));
}

// A run's own settings (an XScreenSaver hack's options) go over the stored
// ones, for the next load only, and the store keeps what it had.
TEST_F(Settings, OverridesGoOverTheStoredValuesForTheNextLoadOnly) {
  store_dword("animation_speed", 300);
  store_dword("func_id", 1);
  store_dword("skin_id", 2);
  store_dword("flags", OPT_DOUBLE_BUFFER | OPT_SMOOTH_BUMPS);
  store_dword("user_options", OPT_DOUBLE_BUFFER | OPT_BILINEAR | OPT_SMOOTH_BUMPS);
  override_setting(&animation_speed, 2000);
  override_setting(&func_id, 2);
  override_setting(&func_id, 3);  // the later one wins
  override_option(OPT_BILINEAR, false);
  override_option(OPT_ENV_LIGHTING, true);
  override_option(OPT_MOVE_TEXTURE, true);
  override_option(OPT_MOVE_TEXTURE, false);
  load_config();
  EXPECT_EQ(animation_speed, 2000);
  EXPECT_EQ(func_id, 3);
  EXPECT_EQ(curve_func, func3);
  EXPECT_EQ(skin_id, 2) << "what no override names stays as stored";
  EXPECT_EQ(user_options, OPT_DOUBLE_BUFFER | OPT_SMOOTH_BUMPS | OPT_ENV_LIGHTING);
  EXPECT_EQ(stored("animation_speed", REG_DWORD), (std::vector<BYTE>{0x2C, 1, 0, 0}));
  EXPECT_EQ(stored("user_options", REG_DWORD),
            (std::vector<BYTE>{OPT_DOUBLE_BUFFER | OPT_BILINEAR | OPT_SMOOTH_BUMPS, 0, 0, 0}));

  reset_settings();
  reset_geometry();
  load_config();
  EXPECT_EQ(animation_speed, 300);
  EXPECT_EQ(curve_func, func1);
  EXPECT_EQ(user_options, OPT_DOUBLE_BUFFER | OPT_BILINEAR | OPT_SMOOTH_BUMPS);
}

TEST_F(Settings, OverridesApplyWithNoStoredKeyAtAll) {
  override_setting(&shape_points, 4);
  override_option(OPT_DOUBLE_BUFFER, false);
  load_config();
  EXPECT_EQ(shape_points, 4);
  EXPECT_EQ(user_options, OPT_BILINEAR);
  EXPECT_EQ(curve_segments, 170);
}

}  // namespace
