// The configuration dialog against headless controls and the real store.
#include "dialog_test_support.h"

#include "resource.h"
#include "settings/settings.h"
#include "ui/config_dialog.h"
#include "fakes/headless_dialogs.h"

namespace {

using ::testing::ExitedWithCode;

// Opens the configuration dialog; `user` acts on it while it is open.
void run_config_dialog(std::function<void(HWND)> user) {
  headless_on_open("configdlg", std::move(user));
  DialogBoxParamA(nullptr, "configdlg", nullptr, ConfigDlgProc, 0);
}

// Runs the dialog in a child process that must end with status 0.
#define EXPECT_DIALOG_EXITS_0(user) \
  EXPECT_EXIT(run_config_dialog(user), ExitedWithCode(0), "")

const int option_boxes[] = {IDC_BILINEAR,     IDC_ANIMATED_BUMPS, IDC_SMOOTH_BUMPS,
                            IDC_MOVE_TEXTURE, IDC_MULTITEXTURE,   IDC_ENV_LIGHTING};
const int skin_buttons[] = {IDC_SKIN1, IDC_SKIN2, IDC_SKIN3, IDC_SKIN4};
const int curve_buttons[] = {IDC_CURVE_ORIGINAL, IDC_CURVE_SPHERE1, IDC_CURVE_SPHERE2};

using ConfigDialogShows = DialogTest;

TEST_F(ConfigDialogShows, TheDefaultsWhenNothingIsStored) {
  run_config_dialog([&](HWND dlg) {
    EXPECT_EQ(get_slider_pos(dlg, IDC_ROTATION_SPEED), 100);
    EXPECT_EQ(get_slider_pos(dlg, IDC_CURVE_RESOLUTION), 170);
    EXPECT_EQ(get_slider_pos(dlg, IDC_REVOLUTION_RESOLUTION), 10);
    EXPECT_EQ(get_slider_pos(dlg, IDC_BUMP_SPEED), 60);
    for (int id : option_boxes) EXPECT_EQ(is_checked(dlg, id), id == IDC_BILINEAR) << id;
    for (int id : skin_buttons) EXPECT_EQ(is_checked(dlg, id), id == IDC_SKIN1) << id;
    for (int id : curve_buttons) EXPECT_EQ(is_checked(dlg, id), id == IDC_CURVE_ORIGINAL) << id;
  });
}

TEST_F(ConfigDialogShows, StoredValuesOnEveryControl) {
  store_value("animation_speed", 4321);
  store_value("curve_segments", 20);
  store_value("shape_points", 33);
  store_value("bump_speed", 0);
  store_value("user_options", OPT_SMOOTH_BUMPS | OPT_MULTITEXTURE | OPT_ENV_LIGHTING);
  store_value("skin_id", 4);
  store_value("func_id", 2);
  run_config_dialog([&](HWND dlg) {
    EXPECT_EQ(get_slider_pos(dlg, IDC_ROTATION_SPEED), 4321);
    EXPECT_EQ(get_slider_pos(dlg, IDC_CURVE_RESOLUTION), 20);
    EXPECT_EQ(get_slider_pos(dlg, IDC_REVOLUTION_RESOLUTION), 33);
    EXPECT_EQ(get_slider_pos(dlg, IDC_BUMP_SPEED), 0);
    for (int id : option_boxes)
      EXPECT_EQ(is_checked(dlg, id),
                id == IDC_SMOOTH_BUMPS || id == IDC_MULTITEXTURE || id == IDC_ENV_LIGHTING)
          << id;
    for (int id : skin_buttons) EXPECT_EQ(is_checked(dlg, id), id == IDC_SKIN4) << id;
    for (int id : curve_buttons) EXPECT_EQ(is_checked(dlg, id), id == IDC_CURVE_SPHERE1) << id;
  });
}

TEST_F(ConfigDialogShows, EachSliderLimitedToItsRange) {
  struct Range { int id, min, max; };
  const Range ranges[] = {{IDC_ROTATION_SPEED, 1, 5000}, {IDC_CURVE_RESOLUTION, 20, 500},
                          {IDC_REVOLUTION_RESOLUTION, 4, 50}, {IDC_BUMP_SPEED, 0, 200}};
  run_config_dialog([&](HWND dlg) {
    for (const Range &range : ranges) {
      headless_drag(dlg, range.id, -100);
      EXPECT_EQ(get_slider_pos(dlg, range.id), range.min) << range.id;
      headless_drag(dlg, range.id, 100000);
      EXPECT_EQ(get_slider_pos(dlg, range.id), range.max) << range.id;
    }
  });
}

TEST_F(ConfigDialogShows, NoSkinButtonForAnUnknownSkin) {
  store_value("skin_id", 7);
  store_value("func_id", 0);
  run_config_dialog([&](HWND dlg) {
    for (int id : skin_buttons) EXPECT_FALSE(is_checked(dlg, id)) << id;
    for (int id : curve_buttons) EXPECT_FALSE(is_checked(dlg, id)) << id;
  });
}

TEST_F(ConfigDialogShows, AStoredShapeOf60AtTheSliderEnd) {
  store_value("shape_points", 60);
  run_config_dialog(
      [&](HWND dlg) { EXPECT_EQ(get_slider_pos(dlg, IDC_REVOLUTION_RESOLUTION), 50); });
}

using ConfigDialogOk = DialogTest;

TEST_F(ConfigDialogOk, SavesAllEightValuesFromTheControls) {
  EXPECT_DIALOG_EXITS_0([](HWND dlg) {
    headless_drag(dlg, IDC_ROTATION_SPEED, 2500);
    headless_drag(dlg, IDC_CURVE_RESOLUTION, 400);
    headless_drag(dlg, IDC_REVOLUTION_RESOLUTION, 20);
    headless_drag(dlg, IDC_BUMP_SPEED, 5);
    headless_click(dlg, IDC_BILINEAR);
    headless_click(dlg, IDC_SMOOTH_BUMPS);
    headless_click(dlg, IDC_ENV_LIGHTING);
    headless_click(dlg, IDC_SKIN3);
    headless_click(dlg, IDC_CURVE_SPHERE2);
    headless_click(dlg, IDOK);
  });
  EXPECT_EQ(stored_value("animation_speed"), 2500);
  EXPECT_EQ(stored_value("curve_segments"), 400);
  EXPECT_EQ(stored_value("shape_points"), 20);
  EXPECT_EQ(stored_value("bump_speed"), 5);
  EXPECT_EQ(stored_value("user_options"), OPT_DOUBLE_BUFFER | OPT_SMOOTH_BUMPS | OPT_ENV_LIGHTING);
  EXPECT_EQ(stored_value("flags"), OPT_DOUBLE_BUFFER | OPT_SMOOTH_BUMPS | OPT_ENV_LIGHTING);
  EXPECT_EQ(stored_value("skin_id"), 3);
  EXPECT_EQ(stored_value("func_id"), 3);
}

TEST_F(ConfigDialogOk, EachBoxGivesItsOwnBit) {
  struct Box { int id, bit; };
  const Box boxes[] = {{IDC_ANIMATED_BUMPS, OPT_ANIMATED_BUMPS}, {IDC_SMOOTH_BUMPS, OPT_SMOOTH_BUMPS},
                       {IDC_MOVE_TEXTURE, OPT_MOVE_TEXTURE},     {IDC_MULTITEXTURE, OPT_MULTITEXTURE},
                       {IDC_ENV_LIGHTING, OPT_ENV_LIGHTING}};
  for (const Box &box : boxes) {
    store_value("user_options", OPT_BILINEAR);  // bilinear checked: clicking clears it
    EXPECT_DIALOG_EXITS_0([&](HWND dlg) {
      headless_click(dlg, IDC_BILINEAR);
      headless_click(dlg, box.id);
      headless_click(dlg, IDOK);
    });
    EXPECT_EQ(stored_value("user_options"), OPT_DOUBLE_BUFFER | box.bit) << box.id;
  }
}

TEST_F(ConfigDialogOk, DropsTheAxesAndSetsDoubleBuffering) {
  store_value("user_options", 0x23);
  EXPECT_DIALOG_EXITS_0([](HWND dlg) { headless_click(dlg, IDOK); });
  EXPECT_EQ(stored_value("user_options"), 0x03);
  EXPECT_EQ(stored_value("flags"), 0x03);
}

TEST_F(ConfigDialogOk, DropsBitsWithoutAControl) {
  store_value("user_options", (int)0xFFFFFF00 | OPT_SHOW_AXES | OPT_MOVE_TEXTURE);
  EXPECT_DIALOG_EXITS_0([](HWND dlg) { headless_click(dlg, IDOK); });
  EXPECT_EQ(stored_value("user_options"), OPT_DOUBLE_BUFFER | OPT_MOVE_TEXTURE);
}

TEST_F(ConfigDialogOk, SavesOneWithEveryBoxCleared) {
  store_value("user_options", 0xFF);
  EXPECT_DIALOG_EXITS_0([](HWND dlg) {
    for (int id : option_boxes) headless_click(dlg, id);
    headless_click(dlg, IDOK);
  });
  EXPECT_EQ(stored_value("user_options"), 1);
}

TEST_F(ConfigDialogOk, SavesAStoredShapeOf60As50) {
  store_value("shape_points", 60);
  EXPECT_DIALOG_EXITS_0([](HWND dlg) { headless_click(dlg, IDOK); });
  EXPECT_EQ(stored_value("shape_points"), 50);
}

TEST_F(ConfigDialogOk, KeepsAnUnknownSkinAndCurveWhenNoneIsChosen) {
  store_value("skin_id", 7);
  store_value("func_id", 9);
  EXPECT_DIALOG_EXITS_0([](HWND dlg) { headless_click(dlg, IDOK); });
  EXPECT_EQ(stored_value("skin_id"), 7);
  EXPECT_EQ(stored_value("func_id"), 9);
}

TEST_F(ConfigDialogOk, TakesTheLastClickedRadioButtonOfEachGroup) {
  EXPECT_DIALOG_EXITS_0([](HWND dlg) {
    headless_click(dlg, IDC_SKIN4);
    headless_click(dlg, IDC_SKIN2);
    headless_click(dlg, IDC_CURVE_SPHERE2);
    headless_click(dlg, IDC_CURVE_SPHERE1);
    headless_click(dlg, IDOK);
  });
  EXPECT_EQ(stored_value("skin_id"), 2);
  EXPECT_EQ(stored_value("func_id"), 2);
}

using ConfigDialogCancel = DialogTest;

TEST_F(ConfigDialogCancel, LeavesTheStoreByteForByte) {
  store_value("animation_speed", 777);
  store_value("user_options", 0x23);
  store_value("skin_id", 7);
  std::string before = store_file();
  ASSERT_FALSE(before.empty());
  EXPECT_DIALOG_EXITS_0([](HWND dlg) {
    headless_drag(dlg, IDC_ROTATION_SPEED, 3);
    headless_click(dlg, IDC_ENV_LIGHTING);
    headless_click(dlg, IDC_SKIN2);
    headless_click(dlg, IDCANCEL);
  });
  EXPECT_EQ(store_file(), before);
}

TEST_F(ConfigDialogCancel, WritesNoStoreWhereNoneWas) {
  EXPECT_DIALOG_EXITS_0([](HWND dlg) {
    headless_click(dlg, IDC_SMOOTH_BUMPS);
    headless_click(dlg, IDCANCEL);
  });
  EXPECT_EQ(store_file(), "");
}

TEST_F(ConfigDialogCancel, EscapeSavesNothing) {
  store_value("bump_speed", 99);
  std::string before = store_file();
  EXPECT_DIALOG_EXITS_0([](HWND dlg) {
    headless_drag(dlg, IDC_BUMP_SPEED, 3);
    headless_escape(dlg);
  });
  EXPECT_EQ(store_file(), before);
}

using ConfigDialogStaysOpen = DialogTest;

TEST_F(ConfigDialogStaysOpen, WhenCheckBoxesAndRadioButtonsAreClicked) {
  run_config_dialog([](HWND dlg) {
    for (int id : option_boxes) headless_click(dlg, id);
    for (int id : skin_buttons) headless_click(dlg, id);
    for (int id : curve_buttons) headless_click(dlg, id);
    EXPECT_TRUE(headless_is_open(dlg));
  });
  EXPECT_EQ(store_file(), "");
}

TEST_F(ConfigDialogStaysOpen, AfterTheAboutBox) {
  headless_on_open("AboutDlg", [&](HWND about) {
    headless_escape(about);
    EXPECT_TRUE(headless_is_open(about));
    headless_click(about, IDOK);
    EXPECT_FALSE(headless_is_open(about));
  });
  run_config_dialog([](HWND dlg) {
    headless_click(dlg, IDC_ABOUT);
    EXPECT_TRUE(headless_is_open(dlg));
    EXPECT_EQ(headless_top_dialog(), dlg);
  });
}

TEST_F(ConfigDialogStaysOpen, AndLeavesOtherMessagesToThePlatform) {
  run_config_dialog([](HWND dlg) {
    EXPECT_EQ(ConfigDlgProc(dlg, WM_CLOSE, 0, 0), FALSE);
    EXPECT_EQ(ConfigDlgProc(dlg, WM_USER + 1, 0, 0), FALSE);
    EXPECT_TRUE(headless_is_open(dlg));
  });
}

using SsConfig = DialogTest;

TEST_F(SsConfig, EndsWithStatus0WhenTheDialogCannotOpen) {
  headless_set_no_display(true);
  EXPECT_EXIT(ss_config(), ExitedWithCode(0), "");
  EXPECT_EQ(store_file(), "");
}

// The user is set in the child that runs the dialog, where it acts.
TEST_F(SsConfig, RunsTheConfigurationDialog) {
  EXPECT_EXIT(
      {
        headless_on_open("configdlg", [](HWND dlg) {
          headless_drag(dlg, IDC_BUMP_SPEED, 123);
          headless_click(dlg, IDOK);
        });
        ss_config();
      },
      ExitedWithCode(0), "");
  EXPECT_EQ(stored_value("bump_speed"), 123);
}

}  // namespace
