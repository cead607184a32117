// The About box on its own: only "Sure" closes it, with the result 42.
#include "dialog_test_support.h"

#include "ui/config_dialog.h"
#include "fakes/headless_dialogs.h"

namespace {

using AboutBox = DialogTest;

TEST_F(AboutBox, ClosesOnlyWithSure) {
  int escapes_survived = 0;
  headless_on_open("aboutdlg", [&](HWND about) {
    headless_escape(about);
    if (headless_is_open(about)) escapes_survived++;
    headless_click(about, IDOK);
  });
  EXPECT_EQ(DialogBoxParamA(nullptr, "AboutDlg", nullptr, AboutDlgProc, 0), 42);
  EXPECT_EQ(escapes_survived, 1);
}

TEST_F(AboutBox, GivesNoFocusAndHandlesNothingElse) {
  headless_on_open("aboutdlg", [](HWND about) {
    EXPECT_EQ(AboutDlgProc(about, WM_INITDIALOG, 0, 0), 0);
    EXPECT_EQ(AboutDlgProc(about, WM_COMMAND, IDCANCEL, 0), 0);
    EXPECT_TRUE(headless_is_open(about));
    EXPECT_EQ(AboutDlgProc(about, WM_COMMAND, MAKEWPARAM(IDOK, 0), 0), 0);
    EXPECT_FALSE(headless_is_open(about));
  });
  DialogBoxParamA(nullptr, "AboutDlg", nullptr, AboutDlgProc, 0);
}

}  // namespace
