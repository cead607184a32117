// Modal loops as on Windows: while a message box or a dialog is up, the
// thread's messages are dispatched (the window system's events with them),
// and WM_QUIT ends the loop and is posted again for the loop outside. Run
// against the real window table and queue over a scripted window system and
// a toolkit whose modal loops only tick.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "platform/emul/dialog_toolkit.h"
#include "platform/emul/window_system.h"

namespace {

// The window system: windows are numbers; each pump runs the next scripted step.
std::vector<std::function<void()>> pump_steps;
UINT_PTR next_handle = 0x100;

bool connect() { return true; }
const char *display_name() { return "scripted"; }
int screen_metric(int) { return 0; }
void pump() {
  if (pump_steps.empty()) return;
  std::function<void()> step = pump_steps.front();
  pump_steps.erase(pump_steps.begin());
  step();
}
void wait_for_events(long long) {}
HWND create_window(window_record *) { return reinterpret_cast<HWND>(next_handle++); }
void show_window(window_record *) {}
void destroy_window(window_record *, bool) {}
bool window_rect(HWND, RECT *) { return false; }
bool client_size(HWND, int *, int *) { return false; }
void set_cursor_visible(window_record *, bool) {}
bool cursor_pos(POINT *) { return false; }

const window_system scripted = {
    connect, display_name, screen_metric, pump, wait_for_events, create_window, show_window,
    destroy_window, window_rect, client_size, set_cursor_visible, cursor_pos,
    nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
    nullptr};

// The toolkit: a modal loop ticks until it is ended, or until its user
// answers after `ticks_before_answer` ticks.
int ticks_before_answer = 1000;
int ticks;
bool box_ended;

bool open() { return true; }
void build(open_dialog &) {}
void tick_until(const bool &ended) {
  for (int left = ticks_before_answer; !ended && left > 0; left--) {
    ticks++;
    modal_loop_tick();
  }
}
void run(open_dialog &d) { tick_until(d.ended); }
void stop(open_dialog &) {}
void destroy(open_dialog &) {}
void show_state(dialog_control &) {}
void focus(dialog_control &) {}
dialog_control *focused(open_dialog &) { return nullptr; }
void message_box(const char *, const char *) {
  box_ended = false;
  tick_until(box_ended);
}
void end_message_box() { box_ended = true; }

const dialog_toolkit ticking = {open,  build,   run,         stop,           destroy, show_state,
                                focus, focused, message_box, end_message_box};

// The saver window: an error box during WM_CREATE; WM_DESTROY posts the quit.
std::vector<UINT> received;
int box_answer = -1;

LRESULT CALLBACK saver_proc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  received.push_back(msg);
  if (msg == WM_CREATE) box_answer = MessageBoxA(nullptr, "No pixel format.", "Error", MB_OK);
  if (msg == WM_DESTROY) PostQuitMessage(0);
  return DefWindowProcA(hWnd, msg, wParam, lParam);
}

INT_PTR CALLBACK dialog_proc(HWND, UINT, WPARAM, LPARAM) { return TRUE; }

class ModalLoop : public testing::Test {
 protected:
  void SetUp() override {
    use_window_system(&scripted);
    use_dialog_toolkit(&ticking);
    static const ATOM registered = [] {
      WNDCLASSA wc = {};
      wc.lpfnWndProc = saver_proc;
      wc.lpszClassName = "modal loop test";
      return RegisterClassA(&wc);
    }();
    ASSERT_NE(registered, 0);
    pump_steps.clear();
    received.clear();
    box_answer = -1;
    ticks = 0;
    ticks_before_answer = 1000;
  }

  // Every window closed and every message, the quit too, taken.
  void TearDown() override {
    int count;
    window_record *const *windows = all_windows(&count);
    for (int i = 0; i < count; i++) PostMessageA(windows[i]->hwnd, WM_CLOSE, 0, 0);
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
  }

  static HWND create() {
    return CreateWindowExA(0, "modal loop test", "saver", WS_CHILD, 0, 0, 64, 48,
                           reinterpret_cast<HWND>(0x42), nullptr, nullptr, nullptr);
  }

  static bool quit_waits(WPARAM code) {
    MSG msg;
    return PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE) && msg.message == WM_QUIT &&
           msg.wParam == code;
  }
};

// The preview whose parent vanished while its error box was up: nothing
// waits on the box, creation fails, and the main loop finds the quit.
TEST_F(ModalLoop, SaverGoneDuringItsErrorBoxEndsTheBoxAndReachesTheMainLoop) {
  pump_steps = {[] {}, [] {
                  window_record *w = window_with_parent(reinterpret_cast<HWND>(0x42));
                  ASSERT_NE(w, nullptr);
                  window_vanished(w);
                }};
  EXPECT_EQ(create(), nullptr);
  EXPECT_EQ(box_answer, 0);
  EXPECT_EQ(received, (std::vector<UINT>{WM_CREATE, WM_DESTROY}));
  EXPECT_TRUE(quit_waits(0));
}

TEST_F(ModalLoop, BoxDispatchesTheThreadsMessagesUntilItsUserAnswers) {
  ticks_before_answer = 3;
  pump_steps = {[] {}};  // nothing vanishes
  HWND saver = create();
  ASSERT_NE(saver, nullptr);
  EXPECT_EQ(box_answer, IDOK);
  ASSERT_TRUE(PostMessageA(saver, WM_USER + 1, 0, 0));
  received.clear();
  EXPECT_EQ(MessageBoxA(nullptr, "text", "caption", MB_OK), IDOK);
  EXPECT_EQ(received, std::vector<UINT>{WM_USER + 1});
  MSG msg;
  EXPECT_FALSE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
}

TEST_F(ModalLoop, QuitEndsABoxAtOnceAndIsPostedAgain) {
  PostQuitMessage(7);
  EXPECT_EQ(MessageBoxA(nullptr, "text", "caption", MB_OK), 0);
  EXPECT_EQ(ticks, 1);
  EXPECT_TRUE(quit_waits(7));
}

TEST_F(ModalLoop, QuitEndsADialogWithZeroAndIsPostedAgain) {
  PostQuitMessage(3);
  EXPECT_EQ(DialogBoxParamA(nullptr, "CONFIGDLG", nullptr, dialog_proc, 0), 0);
  EXPECT_EQ(ticks, 1);
  EXPECT_TRUE(quit_waits(3));
}

}  // namespace
