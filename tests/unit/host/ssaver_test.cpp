#include "host/ssaver.h"

#include <gtest/gtest.h>

#include <string>

#include "fakes/fake_windows.h"
#include "host/saver_proc.h"
#include "support/reset_modules.h"
#include "unit/host/renderer_stubs.h"

namespace {

class Start : public ::testing::Test {
 protected:
  void SetUp() override {
    fake_windows_reset();
    call_log.clear();
    renderer_stubs_reset(true);
    reset_host();
  }
  int run(const char *line) {
    std::string text = line;
    return WinMain(reinterpret_cast<HINSTANCE>(static_cast<UINT_PTR>(0x400000)), nullptr, &text[0],
                   SW_SHOWDEFAULT);
  }
  // Ends the main loop the way a user does: a key press on frame `at`.
  void press_key_on_frame(int at) {
    on_frame = [at](int frame) {
      if (frame == at) PostMessageA(hMainWnd, WM_KEYDOWN, 'A', 0);
    };
  }
};

TEST_F(Start, PasswordModeEndsAtOnceWithoutWindow) {
  EXPECT_EQ(run("/a"), 0);
  EXPECT_TRUE(call_log.empty());
  EXPECT_TRUE(fake_windows.empty());
}

TEST_F(Start, ConfigModeRunsTheDialogOnly) {
  for (const char *line : {"", "/c", "/c:1234", "/s /c"}) {
    SetUp();
    EXPECT_EQ(run(line), 0);
    EXPECT_EQ(call_log, std::vector<std::string>{"ss_config()"}) << line;
  }
}

TEST_F(Start, SaverCoversTheScreenAndEndsOnInputWithZero) {
  fake_screen_width = 1024;
  fake_screen_height = 768;
  press_key_on_frame(3);
  EXPECT_EQ(run("/s"), 0);
  EXPECT_EQ(nScreenWidth, 1024);
  EXPECT_EQ(nScreenHeight, 768);
  ASSERT_EQ(fake_windows.size(), 1u);
  const fake_window &w = fake_windows[0];
  EXPECT_EQ(w.ex_style, WS_EX_TOPMOST);
  EXPECT_EQ(w.style, WS_POPUP | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN);
  EXPECT_EQ(w.x, 0);
  EXPECT_EQ(w.y, 0);
  EXPECT_EQ(w.width, 1024);
  EXPECT_EQ(w.height, 768);
  EXPECT_EQ(w.parent, nullptr);
  EXPECT_FALSE(w.alive);
  EXPECT_EQ(hMainWnd, w.hwnd);
  EXPECT_EQ(frames_drawn, 3);
  EXPECT_EQ(fake_cursor_count, 0);  // hidden, then shown again
  EXPECT_EQ(call_log_of("ss_shutdown"), std::vector<std::string>{"ss_shutdown(0x1000)"});
}

TEST_F(Start, StartUpOrder) {
  press_key_on_frame(1);
  run("/s");
  std::vector<std::string> start(call_log.begin(), call_log.begin() + 9);
  EXPECT_EQ(start, (std::vector<std::string>{
                       "LoadIconA(null, 0x7f00)", "LoadCursorA(null, 0x7f00)", "RegisterClassA(screensaver)",
                       "CreateWindowExA(8, screensaver, screensaver, 0x96000000, 0, 0, 1280, 720, null)",
                       "GetCursorPos()", "ShowCursor(FALSE)", "ss_initialize(0x1000)",
                       "DefWindowProcA(0x1000, 1, 0, 0)", "ShowWindow(0x1000, 0xa)"}));
  EXPECT_EQ(call_log[9], "UpdateWindow(0x1000)");
  EXPECT_EQ(hInst, reinterpret_cast<HINSTANCE>(static_cast<UINT_PTR>(0x400000)));
}

TEST_F(Start, QueueIsDrainedBeforeEveryFrame) {
  // Two waiting messages are both handled before the first frame is drawn.
  on_frame = [](int frame) {
    if (frame == 1) {
      PostMessageA(hMainWnd, WM_MOUSEMOVE, 0, MAKELPARAM(1, 1));
      PostMessageA(hMainWnd, WM_LBUTTONDOWN, 0, 0);
    }
  };
  EXPECT_EQ(run("/s"), 0);
  EXPECT_EQ(frames_drawn, 1);
}

TEST_F(Start, InputAfterTheCloseFindsNoWindow) {
  on_frame = [](int frame) {
    if (frame == 1) {
      PostMessageA(hMainWnd, WM_KEYDOWN, 'A', 0);
      PostMessageA(hMainWnd, WM_KEYDOWN, 'B', 0);
    }
  };
  EXPECT_EQ(run("/s"), 0);
  EXPECT_EQ(call_log_of("ss_shutdown").size(), 1u);
}

TEST_F(Start, PreviewIsAChildOfTheParentsSize) {
  on_frame = [](int frame) {
    if (frame == 2) PostMessageA(hMainWnd, WM_KEYDOWN, 'A', 0);  // ignored
    if (frame == 4) PostMessageA(hMainWnd, WM_CLOSE, 0, 0);      // the parent goes
  };
  EXPECT_EQ(run("/p 777"), 0);
  ASSERT_EQ(fake_windows.size(), 1u);
  const fake_window &w = fake_windows[0];
  EXPECT_EQ(w.ex_style, 0u);
  EXPECT_EQ(w.style, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN);
  EXPECT_EQ(w.parent, fake_parent);
  EXPECT_EQ(w.x, 0);
  EXPECT_EQ(w.y, 0);
  EXPECT_EQ(w.width, 152);
  EXPECT_EQ(w.height, 112);
  EXPECT_EQ(frames_drawn, 4);
  // Never hidden; shown once more when the window goes, as in every mode.
  EXPECT_EQ(call_log_of("ShowCursor"), std::vector<std::string>{"ShowCursor(TRUE)"});
  EXPECT_TRUE(call_log_of("GetCursorPos").empty());
}

TEST_F(Start, PreviewWithoutAValidParentEndsWithZero) {
  for (const char *line : {"/p 12345", "/p", "/l:"}) {
    SetUp();
    EXPECT_EQ(run(line), 0) << line;
    EXPECT_TRUE(fake_windows.empty()) << line;
    EXPECT_EQ(hMainWnd, nullptr) << line;
    EXPECT_EQ(frames_drawn, 0) << line;
  }
}

TEST_F(Start, ClassRegistrationFailureEndsWithZero) {
  WNDCLASSA taken = {};
  taken.lpszClassName = "screensaver";
  RegisterClassA(&taken);
  EXPECT_EQ(run("/s"), 0);
  EXPECT_TRUE(fake_windows.empty());
}

TEST_F(Start, ClassHasTheSaverProcedureAndStandardIconAndCursor) {
  const HINSTANCE module = reinterpret_cast<HINSTANCE>(static_cast<UINT_PTR>(0x400000));
  EXPECT_NE(InitApplication(module), 0);
  EXPECT_EQ(call_log, (std::vector<std::string>{"LoadIconA(null, 0x7f00)", "LoadCursorA(null, 0x7f00)",
                                                   "RegisterClassA(screensaver)"}));
  const WNDCLASSA &wc = fake_registered_class();
  EXPECT_EQ(wc.style, 0u);
  EXPECT_EQ(wc.lpfnWndProc, ScreenSaverProc);
  EXPECT_EQ(wc.cbClsExtra, 0);
  EXPECT_EQ(wc.cbWndExtra, 0);
  EXPECT_EQ(wc.hInstance, module);
  EXPECT_EQ(wc.hIcon, reinterpret_cast<HICON>(IDI_APPLICATION));
  EXPECT_EQ(wc.hCursor, reinterpret_cast<HCURSOR>(IDC_ARROW));
  EXPECT_EQ(wc.hbrBackground, nullptr);
  EXPECT_EQ(wc.lpszMenuName, nullptr);
  EXPECT_EQ(wc.lpszClassName, szAppName);
  EXPECT_STREQ(szAppName, "screensaver");
}

TEST_F(Start, APreviousInstanceSkipsTheClassRegistration) {
  std::string line = "/s";
  EXPECT_EQ(WinMain(nullptr, reinterpret_cast<HINSTANCE>(static_cast<UINT_PTR>(0x10000)), &line[0],
                    SW_SHOWDEFAULT),
            0);
  EXPECT_TRUE(call_log_of("RegisterClassA").empty());
  EXPECT_TRUE(fake_windows.empty());  // no class of that name here
}

TEST_F(Start, TheLoopEndsWithTheQuitMessagesCode) {
  on_frame = [](int frame) {
    if (frame == 2) PostQuitMessage(5);
  };
  EXPECT_EQ(run("/s"), 5);
  EXPECT_EQ(frames_drawn, 2);
}

}  // namespace
