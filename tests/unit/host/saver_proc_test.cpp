#include "host/saver_proc.h"

#include <gtest/gtest.h>

#include "fakes/fake_windows.h"
#include "host/ssaver.h"
#include "support/reset_modules.h"
#include "unit/host/renderer_stubs.h"

namespace {

const HWND window = reinterpret_cast<HWND>(static_cast<UINT_PTR>(0x2000));
const std::string close_posted = "PostMessageA(0x2000, 0x10, 0, 0)";

// A saver window created with the cursor at (100, 200).
class SaverProc : public ::testing::Test {
 protected:
  void create_in(int mode) {
    fake_windows_reset();
    renderer_stubs_reset(true);
    reset_host();
    ss_mode = mode;
    fake_cursor_pos = POINT{100, 200};
    ScreenSaverProc(window, WM_CREATE, 0, 0);
    call_log.clear();
  }
  void SetUp() override { create_in(MODE_SAVER); }

  // Sends one message and says whether it asked for a close.
  bool closes(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) {
    call_log.clear();
    ScreenSaverProc(window, msg, wParam, lParam);
    return !call_log_of("PostMessageA").empty();
  }
  bool move_closes(int x, int y) { return closes(WM_MOUSEMOVE, 0, MAKELPARAM(x, y)); }
};

TEST_F(SaverProc, CreationHidesCursorThenStartsRenderer) {
  fake_cursor_pos = POINT{5, 6};
  ScreenSaverProc(window, WM_CREATE, 0, 0);
  EXPECT_EQ(call_log, (std::vector<std::string>{
                             "GetCursorPos()", "ShowCursor(FALSE)", "ss_initialize(0x2000)",
                             "DefWindowProcA(0x2000, 1, 0, 0)"}));
}

TEST_F(SaverProc, PreviewCreationLeavesCursorAlone) {
  create_in(MODE_PREVIEW);
  ScreenSaverProc(window, WM_CREATE, 0, 0);
  EXPECT_EQ(call_log, (std::vector<std::string>{"ss_initialize(0x2000)",
                                                   "DefWindowProcA(0x2000, 1, 0, 0)"}));
}

TEST_F(SaverProc, DestructionStopsRendererShowsCursorAndQuits) {
  for (int mode : {MODE_SAVER, MODE_PREVIEW}) {
    create_in(mode);
    ScreenSaverProc(window, WM_DESTROY, 0, 0);
    EXPECT_EQ(call_log, (std::vector<std::string>{
                               "ss_shutdown(0x2000)", "ShowCursor(TRUE)", "PostQuitMessage(0)",
                               "DefWindowProcA(0x2000, 2, 0, 0)"}));
  }
}

TEST_F(SaverProc, MovementIsMeasuredFromTheStartPosition) {
  EXPECT_FALSE(move_closes(100, 200));
  EXPECT_FALSE(move_closes(106, 204));  // 6 + 4 = 10
  EXPECT_FALSE(move_closes(94, 196));
  EXPECT_FALSE(move_closes(100, 210));
  EXPECT_TRUE(move_closes(107, 204));
  EXPECT_TRUE(move_closes(106, 205));
  EXPECT_TRUE(move_closes(93, 196));
}

TEST_F(SaverProc, MovingAwayAndBackNeverAddsUp) {
  for (int round = 0; round < 3; round++) {
    EXPECT_FALSE(move_closes(106, 200));
    EXPECT_FALSE(move_closes(100, 200));
  }
  EXPECT_FALSE(move_closes(106, 204));
}

// Where the cursor position cannot be read at creation, the first movement
// is the start, however far it is from (0, 0) or from an earlier window's.
TEST_F(SaverProc, UnknownStartIsTakenFromTheFirstMovement) {
  fake_windows_reset();
  fake_cursor_known = false;
  ScreenSaverProc(window, WM_CREATE, 0, 0);
  EXPECT_FALSE(move_closes(400, 300));
  EXPECT_FALSE(move_closes(406, 304));
  EXPECT_FALSE(move_closes(400, 300));
  EXPECT_TRUE(move_closes(407, 304));
}

TEST_F(SaverProc, MovementReadsUnsigned16BitCoordinates) {
  EXPECT_TRUE(move_closes(-1, 200));  // 0xffff, far from the start
  EXPECT_FALSE(move_closes(0x10000 + 103, 200));  // only the low 16 bits count
}

TEST_F(SaverProc, KeysAndButtonsClose) {
  EXPECT_TRUE(closes(WM_KEYDOWN, 'A'));
  EXPECT_EQ(call_log, (std::vector<std::string>{close_posted,
                                                   "DefWindowProcA(0x2000, 0x100, 0x41, 0)"}));
  EXPECT_TRUE(closes(WM_SYSKEYDOWN, 0x12, 1 << 29));
  EXPECT_TRUE(closes(WM_LBUTTONDOWN));
  EXPECT_TRUE(closes(WM_MBUTTONDOWN));
  EXPECT_TRUE(closes(WM_RBUTTONDOWN));
}

TEST_F(SaverProc, WheelReleasesAndKeyUpsDoNotClose) {
  EXPECT_FALSE(closes(WM_MOUSEWHEEL, MAKEWPARAM(0, 120)));
  EXPECT_FALSE(closes(WM_LBUTTONUP));
  EXPECT_FALSE(closes(WM_MBUTTONUP));
  EXPECT_FALSE(closes(WM_RBUTTONUP));
  EXPECT_FALSE(closes(WM_KEYUP, 'A'));
  EXPECT_FALSE(closes(WM_SYSKEYUP, 0x12));
  EXPECT_FALSE(closes(WM_PAINT));
}

TEST_F(SaverProc, DeactivationClosesActivationDoesNot) {
  for (UINT msg : {WM_ACTIVATE, WM_ACTIVATEAPP, WM_NCACTIVATE}) {
    EXPECT_TRUE(closes(msg, 0)) << msg;
    EXPECT_FALSE(closes(msg, 1)) << msg;
    EXPECT_FALSE(closes(msg, 2)) << msg;
  }
}

TEST_F(SaverProc, ScreenSaveAndCloseCommandsAreSwallowed) {
  for (WPARAM command : {static_cast<WPARAM>(SC_SCREENSAVE), static_cast<WPARAM>(SC_CLOSE)}) {
    call_log.clear();
    EXPECT_EQ(ScreenSaverProc(window, WM_SYSCOMMAND, command, 0), 0);
    EXPECT_TRUE(call_log.empty()) << command;
  }
  // The whole value is compared: low bits set make it another command.
  for (WPARAM command : {static_cast<WPARAM>(SC_MINIMIZE), static_cast<WPARAM>(SC_SCREENSAVE + 2)}) {
    call_log.clear();
    ScreenSaverProc(window, WM_SYSCOMMAND, command, 0);
    EXPECT_EQ(call_log_of("DefWindowProcA"),
              (std::vector<std::string>{"DefWindowProcA(0x2000, 0x112, " + log_number(command) + ", 0)"}));
  }
}

TEST_F(SaverProc, PreviewIgnoresInputAndPassesEverythingOn) {
  create_in(MODE_PREVIEW);
  struct message { UINT msg; WPARAM wParam; LPARAM lParam; };
  const message inputs[] = {
      {WM_KEYDOWN, 'A', 0},          {WM_SYSKEYDOWN, 0x12, 1 << 29}, {WM_LBUTTONDOWN, 0, 0},
      {WM_MBUTTONDOWN, 0, 0},        {WM_RBUTTONDOWN, 0, 0},         {WM_MOUSEMOVE, 0, MAKELPARAM(900, 900)},
      {WM_ACTIVATEAPP, 0, 0},        {WM_ACTIVATE, 0, 0},            {WM_NCACTIVATE, 0, 0},
      {WM_SYSCOMMAND, SC_SCREENSAVE, 0}, {WM_SYSCOMMAND, SC_CLOSE, 0},
  };
  for (const message &m : inputs) {
    call_log.clear();
    ScreenSaverProc(window, m.msg, m.wParam, m.lParam);
    EXPECT_EQ(call_log, (std::vector<std::string>{"DefWindowProcA(0x2000, " + log_number(m.msg) + ", " +
                                                     log_number(m.wParam) + ", " +
                                                     log_number(static_cast<unsigned long long>(m.lParam)) + ")"}));
  }
}

TEST_F(SaverProc, SizeResizesWithTheContextCurrent) {
  for (int mode : {MODE_SAVER, MODE_PREVIEW}) {
    create_in(mode);
    ScreenSaverProc(window, WM_SIZE, 0, MAKELPARAM(320, 240));
    EXPECT_EQ(call_log, (std::vector<std::string>{
                               "GetDC(0x2000)", "wglMakeCurrent(0x3000, 0x5c)", "resize(320, 240)",
                               "wglMakeCurrent(null, null)", "ReleaseDC(0x2000, 0x3000)",
                               "DefWindowProcA(0x2000, 5, 0, 0xf00140)"}));
  }
}

TEST_F(SaverProc, SizeWithoutContextOnlyPassesOn) {
  renderer_stubs_reset(false);
  ScreenSaverProc(window, WM_SIZE, 0, MAKELPARAM(320, 240));
  EXPECT_EQ(call_log, (std::vector<std::string>{"DefWindowProcA(0x2000, 5, 0, 0xf00140)"}));
}

TEST_F(SaverProc, CloseIsLeftToTheDefaultProcedure) {
  call_log.clear();
  ScreenSaverProc(window, WM_CLOSE, 0, 0);
  EXPECT_EQ(call_log, (std::vector<std::string>{"DefWindowProcA(0x2000, 0x10, 0, 0)"}));
}

}  // namespace
