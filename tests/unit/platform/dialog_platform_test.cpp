// What the dialog procedures rely on from the platform's dialog calls, as
// Windows does them. Linked against the headless controls (a unit test),
// against the GTK dialogs (run under Xvfb by tests/e2e/dialog_platform.test.sh)
// and against the real Win32 dialog manager with the templates of
// res/torvane.rc (run under Wine by tests/e2e/dialog_platform.wine.sh), so
// that all three agree.
#include "platform/win32.h"
#include "resource.h"
#include "support/must_run.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

// As the configuration dialog does before its first dialog: Windows knows
// the trackbar class only after this.
class CommonControls : public ::testing::Environment {
  void SetUp() override { InitCommonControls(); }
};
::testing::Environment *const common_controls =
    ::testing::AddGlobalTestEnvironment(new CommonControls);

std::function<void(HWND, LPARAM)> check_in_dialog;

// A copy runs, so that a check may open a dialog with a check of its own.
INT_PTR CALLBACK checking_proc(HWND dlg, UINT msg, WPARAM, LPARAM lParam) {
  if (msg == WM_INITDIALOG) {
    std::function<void(HWND, LPARAM)> check = check_in_dialog;
    check(dlg, lParam);
    EndDialog(dlg, 7);
  }
  return FALSE;
}

// Opens `name` and runs `check` on it while it initialises; the dialog then
// ends with 7. The test fails if the check never runs.
void in_dialog(const char *name, std::function<void(HWND)> check) {
  check_in_dialog = must_run(std::string("the check in ") + name,
                             [check](HWND dlg, LPARAM) { check(dlg); });
  EXPECT_EQ(DialogBoxParamA(nullptr, name, nullptr, checking_proc, 0), 7);
}

LRESULT send(HWND dlg, int id, UINT msg, WPARAM wParam, LPARAM lParam) {
  return SendMessageA(GetDlgItem(dlg, id), msg, wParam, lParam);
}

TEST(Trackbar, StartsAt0Of0To100) {
  in_dialog("configdlg", [](HWND dlg) {
    EXPECT_EQ(send(dlg, IDC_BUMP_SPEED, TBM_GETPOS, 0, 0), 0);
    send(dlg, IDC_BUMP_SPEED, TBM_SETPOS, TRUE, 100);
    EXPECT_EQ(send(dlg, IDC_BUMP_SPEED, TBM_GETPOS, 0, 0), 100);
    send(dlg, IDC_BUMP_SPEED, TBM_SETPOS, TRUE, 101);
    EXPECT_EQ(send(dlg, IDC_BUMP_SPEED, TBM_GETPOS, 0, 0), 100);
  });
}

TEST(Trackbar, KeepsItsPositionInsideItsRange) {
  in_dialog("configdlg", [](HWND dlg) {
    const int id = IDC_REVOLUTION_RESOLUTION;
    send(dlg, id, TBM_SETRANGE, TRUE, MAKELPARAM(4, 50));
    send(dlg, id, TBM_SETPOS, TRUE, 60);
    EXPECT_EQ(send(dlg, id, TBM_GETPOS, 0, 0), 50);
    send(dlg, id, TBM_SETPOS, TRUE, -3);
    EXPECT_EQ(send(dlg, id, TBM_GETPOS, 0, 0), 4);
    send(dlg, id, TBM_SETPOS, TRUE, 17);
    EXPECT_EQ(send(dlg, id, TBM_GETPOS, 0, 0), 17);
    send(dlg, id, TBM_SETRANGE, TRUE, MAKELPARAM(20, 30));
    EXPECT_EQ(send(dlg, id, TBM_GETPOS, 0, 0), 20);
    send(dlg, id, TBM_SETRANGE, TRUE, MAKELPARAM(1, 5000));
    send(dlg, id, TBM_SETPOS, TRUE, 4321);
    EXPECT_EQ(send(dlg, id, TBM_GETPOS, 0, 0), 4321);
  });
}

TEST(CheckBox, HoldsWhatItIsSet) {
  in_dialog("configdlg", [](HWND dlg) {
    EXPECT_EQ(send(dlg, IDC_BILINEAR, BM_GETCHECK, 0, 0), BST_UNCHECKED);
    send(dlg, IDC_BILINEAR, BM_SETCHECK, BST_CHECKED, 0);
    EXPECT_EQ(send(dlg, IDC_BILINEAR, BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(send(dlg, IDC_ENV_LIGHTING, BM_GETCHECK, 0, 0), BST_UNCHECKED);
    send(dlg, IDC_BILINEAR, BM_SETCHECK, BST_UNCHECKED, 0);
    EXPECT_EQ(send(dlg, IDC_BILINEAR, BM_GETCHECK, 0, 0), BST_UNCHECKED);
  });
}

// Checked by a message, an automatic radio button clears the rest of its
// group as a click does; cleared, it clears only itself. The other group, and
// the check boxes that share the curve buttons' group, keep their state.
TEST(RadioButton, CheckedByAMessageClearsTheRestOfItsGroup) {
  in_dialog("configdlg", [](HWND dlg) {
    for (int id : {IDC_SKIN1, IDC_SKIN2, IDC_SKIN3, IDC_SKIN4})
      EXPECT_EQ(send(dlg, id, BM_GETCHECK, 0, 0), BST_UNCHECKED) << id;
    send(dlg, IDC_SKIN1, BM_SETCHECK, BST_CHECKED, 0);
    send(dlg, IDC_CURVE_ORIGINAL, BM_SETCHECK, BST_CHECKED, 0);
    send(dlg, IDC_ENV_LIGHTING, BM_SETCHECK, BST_CHECKED, 0);
    send(dlg, IDC_SKIN3, BM_SETCHECK, BST_CHECKED, 0);
    EXPECT_EQ(send(dlg, IDC_SKIN1, BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(send(dlg, IDC_SKIN3, BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(send(dlg, IDC_CURVE_ORIGINAL, BM_GETCHECK, 0, 0), BST_CHECKED);
    send(dlg, IDC_CURVE_SPHERE2, BM_SETCHECK, BST_CHECKED, 0);
    EXPECT_EQ(send(dlg, IDC_CURVE_ORIGINAL, BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(send(dlg, IDC_CURVE_SPHERE2, BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(send(dlg, IDC_ENV_LIGHTING, BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(send(dlg, IDC_SKIN3, BM_GETCHECK, 0, 0), BST_CHECKED);
    send(dlg, IDC_SKIN3, BM_SETCHECK, BST_UNCHECKED, 0);
    for (int id : {IDC_SKIN1, IDC_SKIN2, IDC_SKIN3, IDC_SKIN4})
      EXPECT_EQ(send(dlg, id, BM_GETCHECK, 0, 0), BST_UNCHECKED) << id;
  });
}

TEST(Controls, AnswerOnlyTheirOwnMessages) {
  in_dialog("configdlg", [](HWND dlg) {
    send(dlg, IDC_BILINEAR, TBM_SETPOS, TRUE, 30);
    EXPECT_EQ(send(dlg, IDC_BILINEAR, TBM_GETPOS, 0, 0), 0);
    send(dlg, IDC_BUMP_SPEED, BM_SETCHECK, BST_CHECKED, 0);
    EXPECT_EQ(send(dlg, IDC_BUMP_SPEED, BM_GETCHECK, 0, 0), 0);
    EXPECT_EQ(send(dlg, IDOK, BM_GETCHECK, 0, 0), 0);
  });
}

TEST(Controls, AreFoundByIdInTheirOwnDialogOnly) {
  in_dialog("configdlg", [](HWND dlg) {
    EXPECT_NE(GetDlgItem(dlg, IDC_SKIN4), nullptr);
    EXPECT_NE(GetDlgItem(dlg, IDC_SKIN4), GetDlgItem(dlg, IDC_SKIN3));
    EXPECT_EQ(GetDlgItem(dlg, 4242), nullptr);
    EXPECT_EQ(GetDlgItem(nullptr, IDOK), nullptr);
    EXPECT_EQ(GetDlgItem(GetDlgItem(dlg, IDOK), IDOK), nullptr);
    EXPECT_EQ(SendMessageA(nullptr, TBM_GETPOS, 0, 0), 0);
  });
}

TEST(ModalDialog, PassesItsParameterAndReturnsTheEndResult) {
  LPARAM seen = 0;
  check_in_dialog = [&](HWND, LPARAM lParam) { seen = lParam; };
  EXPECT_EQ(DialogBoxParamA(nullptr, "AboutDlg", nullptr, checking_proc, 1234), 7);
  EXPECT_EQ(seen, 1234);
}

TEST(ModalDialog, RunsAnOwnedDialogInsideItsOwner) {
  in_dialog("configdlg", [](HWND config) {
    check_in_dialog = must_run("the check in the owned dialog", [config](HWND about, LPARAM) {
      EXPECT_NE(about, config);
      EXPECT_EQ(GetDlgItem(about, IDC_ABOUT), nullptr);
      EXPECT_NE(GetDlgItem(config, IDC_ABOUT), nullptr);
    });
    EXPECT_EQ(DialogBoxParamA(nullptr, "ABOUTDLG", config, checking_proc, 0), 7);
  });
}

TEST(ModalDialog, FailsForUnknownTemplatesAndOwners) {
  check_in_dialog = [](HWND, LPARAM) { ADD_FAILURE() << "opened"; };
  EXPECT_EQ(DialogBoxParamA(nullptr, "nosuchdlg", nullptr, checking_proc, 0), -1);
  EXPECT_EQ(DialogBoxParamA(nullptr, MAKEINTRESOURCEA(100), nullptr, checking_proc, 0), -1);
  EXPECT_EQ(DialogBoxParamA(nullptr, "configdlg", (HWND)0x1234, checking_proc, 0), 0);
  EXPECT_EQ(EndDialog((HWND)0x1234, 1), FALSE);
}

}  // namespace
