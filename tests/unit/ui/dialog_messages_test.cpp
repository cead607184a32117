// The exact dialog calls the configuration dialog makes, in their order:
// the dialog calls are logged in call_log (a control by its id), and
// SendMessageA answers from a table the test fills.
#include "store_fixture.h"
#include "fakes/call_log.h"
#include "resource.h"
#include "settings/settings.h"
#include "support/reset_modules.h"
#include "ui/config_dialog.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <map>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace {

const HWND dialog = reinterpret_cast<HWND>(static_cast<UINT_PTR>(0x5000));

std::map<int, LRESULT> answers;  // control id -> BM_GETCHECK or TBM_GETPOS answer

// A child that ends the process leaves its calls here for the parent: next
// to the test's own store file, so that tests running at once never share it.
std::string calls_file() {
  std::string store = std::getenv("TORVANE_REGISTRY");
  return store.substr(0, store.rfind('/') + 1) + "dialog_calls.txt";
}

void record(const char *name, const std::vector<std::string> &args) {
  log_call(name, args);
  std::ofstream file(calls_file(), std::ios::trunc);
  for (const std::string &line : call_log) file << line << '\n';
}

std::vector<std::string> calls_of_child() {
  std::vector<std::string> lines;
  std::ifstream file(calls_file());
  for (std::string line; std::getline(file, line);) lines.push_back(line);
  return lines;
}

int id_of(HWND control) { return static_cast<int>(reinterpret_cast<UINT_PTR>(control) - 0x10000); }

std::vector<std::string> send_args(int id, UINT msg, WPARAM wParam, LPARAM lParam) {
  return {std::to_string(id), log_number(msg), log_number(wParam),
          log_number(static_cast<unsigned long long>(lParam))};
}

std::string send(int id, UINT msg, WPARAM wParam, LPARAM lParam) {
  return log_line("SendMessageA", send_args(id, msg, wParam, lParam));
}

const std::string end_dialog_42 = "EndDialog(0x5000, 42)";

class DialogMessages : public ::testing::Test {
 protected:
  void SetUp() override {
    use_empty_store();
    reset_settings();
    reset_geometry();
    call_log.clear();
    answers.clear();
    std::remove(calls_file().c_str());
  }
  void TearDown() override { discard_store(); }
};

TEST_F(DialogMessages, ControlRoutinesSendTheirMessagesPacked) {
  answers[IDC_BILINEAR] = BST_CHECKED;
  answers[IDC_SKIN1] = BST_INDETERMINATE;
  answers[IDC_BUMP_SPEED] = 77;
  EXPECT_EQ(is_checked(dialog, IDC_BILINEAR), 1);
  EXPECT_EQ(is_checked(dialog, IDC_SKIN1), 0);  // indeterminate is not checked
  EXPECT_EQ(is_checked(dialog, IDC_SKIN2), 0);
  set_checked_state(dialog, IDC_SKIN3, 5);
  set_checked_state(dialog, IDC_SKIN4, 0);
  EXPECT_EQ(get_slider_pos(dialog, IDC_BUMP_SPEED), 77);
  set_slider_range(dialog, IDC_CURVE_RESOLUTION, 20, 500);
  set_slider_range(dialog, IDC_CURVE_RESOLUTION, 0x12345, -1);  // 16 bits each
  set_slider_pos(dialog, IDC_REVOLUTION_RESOLUTION, 60);
  EXPECT_EQ(call_log, (std::vector<std::string>{
                       send(IDC_BILINEAR, BM_GETCHECK, 0, 0), send(IDC_SKIN1, BM_GETCHECK, 0, 0),
                       send(IDC_SKIN2, BM_GETCHECK, 0, 0), send(IDC_SKIN3, BM_SETCHECK, 1, 0),
                       send(IDC_SKIN4, BM_SETCHECK, 0, 0), send(IDC_BUMP_SPEED, 0x400, 0, 0),
                       send(IDC_CURVE_RESOLUTION, 0x406, 1, 0x1f40014),
                       send(IDC_CURVE_RESOLUTION, 0x406, 1, 0xffff2345),
                       send(IDC_REVOLUTION_RESOLUTION, 0x405, 1, 60)}));
}

TEST_F(DialogMessages, InitDialogSetsEachRangeBeforeItsPositionThenBoxesThenButtons) {
  EXPECT_EQ(ConfigDlgProc(dialog, WM_INITDIALOG, 0, 0), TRUE);
  EXPECT_EQ(call_log, (std::vector<std::string>{
                       send(103, 0x406, 1, MAKELPARAM(1, 5000)), send(103, 0x405, 1, 100),
                       send(104, 0x406, 1, MAKELPARAM(20, 500)), send(104, 0x405, 1, 170),
                       send(105, 0x406, 1, MAKELPARAM(4, 50)), send(105, 0x405, 1, 10),
                       send(113, 0x406, 1, MAKELPARAM(0, 200)), send(113, 0x405, 1, 60),
                       send(101, BM_SETCHECK, 1, 0), send(110, BM_SETCHECK, 0, 0),
                       send(111, BM_SETCHECK, 0, 0), send(112, BM_SETCHECK, 0, 0),
                       send(115, BM_SETCHECK, 0, 0), send(116, BM_SETCHECK, 0, 0),
                       send(150, BM_SETCHECK, 1, 0), send(151, BM_SETCHECK, 0, 0),
                       send(152, BM_SETCHECK, 0, 0), send(102, BM_SETCHECK, 0, 0),
                       send(107, BM_SETCHECK, 1, 0), send(108, BM_SETCHECK, 0, 0),
                       send(109, BM_SETCHECK, 0, 0)}));
}

// Commands carry a notification code (7 here) in their high 16 bits, which
// the procedure does not look at.
TEST_F(DialogMessages, OkReadsTheControlsInOrderAndEndsWith42) {
  // Two buttons of a group may both be checked by messages: the last one
  // tested wins, so the tests run 150, 151, 152, 102 and 107, 108, 109.
  answers[IDC_SKIN1] = BST_CHECKED;
  answers[IDC_SKIN4] = BST_CHECKED;
  answers[IDC_CURVE_ORIGINAL] = BST_CHECKED;
  answers[IDC_CURVE_SPHERE2] = BST_CHECKED;
  answers[IDC_SMOOTH_BUMPS] = BST_CHECKED;
  answers[IDC_ROTATION_SPEED] = 2500;
  EXPECT_EXIT(ConfigDlgProc(dialog, WM_COMMAND, MAKEWPARAM(IDOK, 7), 0),
              ::testing::ExitedWithCode(0), "");
  EXPECT_EQ(calls_of_child(),
            (std::vector<std::string>{
                send(101, BM_GETCHECK, 0, 0), send(110, BM_GETCHECK, 0, 0),
                send(111, BM_GETCHECK, 0, 0), send(112, BM_GETCHECK, 0, 0),
                send(115, BM_GETCHECK, 0, 0), send(116, BM_GETCHECK, 0, 0),
                send(103, 0x400, 0, 0), send(104, 0x400, 0, 0), send(105, 0x400, 0, 0),
                send(113, 0x400, 0, 0), send(150, BM_GETCHECK, 0, 0),
                send(151, BM_GETCHECK, 0, 0), send(152, BM_GETCHECK, 0, 0),
                send(102, BM_GETCHECK, 0, 0), send(107, BM_GETCHECK, 0, 0),
                send(108, BM_GETCHECK, 0, 0), send(109, BM_GETCHECK, 0, 0),
                end_dialog_42}));
  load_config();
  EXPECT_EQ(skin_id, 4);
  EXPECT_EQ(func_id, 3);
  EXPECT_EQ(user_options, OPT_DOUBLE_BUFFER | OPT_SMOOTH_BUMPS);
  EXPECT_EQ(animation_speed, 2500);
}

// The box comes between the controls read and the end, owned by the dialog.
TEST_F(DialogMessages, OkThatCannotSaveShowsABoxBeforeEndingWith42) {
  const std::string store = std::getenv("TORVANE_REGISTRY");
  std::ofstream(store) << "REGEDIT4\r\n";
  chmod(store.c_str(), 0444);
  EXPECT_EXIT(ConfigDlgProc(dialog, WM_COMMAND, MAKEWPARAM(IDOK, 0), 0),
              ::testing::ExitedWithCode(0), "");
  std::vector<std::string> calls = calls_of_child();
  ASSERT_GE(calls.size(), 2u);
  EXPECT_EQ(calls[calls.size() - 2],
            log_line("MessageBoxA", {"0x5000",
                                     "The settings could not be saved in " + store +
                                         ".||Access is denied.",
                                     "Torvane Screensaver", log_number(MB_OK | MB_ICONERROR)}));
  EXPECT_EQ(calls.back(), end_dialog_42);
}

TEST_F(DialogMessages, CancelOnlyEndsWith42) {
  EXPECT_EXIT(ConfigDlgProc(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, 7), 0),
              ::testing::ExitedWithCode(0), "");
  EXPECT_EQ(calls_of_child(), std::vector<std::string>{end_dialog_42});
}

TEST_F(DialogMessages, AboutIsOwnedByTheConfigurationDialog) {
  EXPECT_EQ(ConfigDlgProc(dialog, WM_COMMAND, MAKEWPARAM(IDC_ABOUT, 7), 0), TRUE);
  EXPECT_EQ(call_log, std::vector<std::string>{"DialogBoxParamA(null, AboutDlg, 0x5000, about, 0)"});
}

TEST_F(DialogMessages, SsConfigInitialisesControlsThenRunsTheDialog) {
  EXPECT_EXIT(ss_config(), ::testing::ExitedWithCode(0), "");
  EXPECT_EQ(calls_of_child(),
            (std::vector<std::string>{"InitCommonControls()",
                                      "DialogBoxParamA(null, configdlg, null, config, 0)"}));
}

}  // namespace

void WINAPI InitCommonControls() { record("InitCommonControls", {}); }

INT_PTR WINAPI DialogBoxParamA(HINSTANCE hInstance, LPCSTR lpTemplateName, HWND hWndParent,
                               DLGPROC lpDialogFunc, LPARAM dwInitParam) {
  const char *proc = lpDialogFunc == ConfigDlgProc  ? "config"
                     : lpDialogFunc == AboutDlgProc ? "about"
                                                    : "other";
  record("DialogBoxParamA", {log_pointer(hInstance), lpTemplateName, log_pointer(hWndParent), proc,
                             std::to_string(dwInitParam)});
  return -1;
}

// The text's line breaks are written as '|', so the call stays one line.
int WINAPI MessageBoxA(HWND hWnd, LPCSTR lpText, LPCSTR lpCaption, UINT uType) {
  std::string text = lpText;
  std::replace(text.begin(), text.end(), '\n', '|');
  record("MessageBoxA", {log_pointer(hWnd), text, lpCaption, log_number(uType)});
  return IDOK;
}

BOOL WINAPI EndDialog(HWND hDlg, INT_PTR nResult) {
  record("EndDialog", {log_pointer(hDlg), std::to_string(nResult)});
  return TRUE;
}

HWND WINAPI GetDlgItem(HWND hDlg, int nIDDlgItem) {
  EXPECT_EQ(hDlg, dialog);
  return reinterpret_cast<HWND>(static_cast<UINT_PTR>(0x10000 + nIDDlgItem));
}

LRESULT WINAPI SendMessageA(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
  int id = id_of(hWnd);
  record("SendMessageA", send_args(id, Msg, wParam, lParam));
  if (Msg != BM_GETCHECK && Msg != TBM_GETPOS) return 0;
  auto answer = answers.find(id);
  return answer == answers.end() ? 0 : answer->second;
}
