#include "test_window.h"

#include <time.h>

#include "platform/x11/backend.h"
#include "platform/x11/display.h"

namespace {

const char class_name[] = "torvane test";

void register_class() {
  static bool registered = false;
  if (registered) return;
  WNDCLASSA wc = {};
  wc.lpfnWndProc = DefWindowProcA;
  wc.lpszClassName = class_name;
  registered = RegisterClassA(&wc) != 0;
}

void sleep_briefly() {
  timespec pause = {0, 10 * 1000000L};
  nanosleep(&pause, nullptr);
}

}  // namespace

Display *open_test_display() {
  use_window_system(x11_window_system());
  return x11_display();
}

HWND open_test_window(int width, int height) {
  register_class();
  HWND hwnd = CreateWindowExA(0, class_name, class_name, WS_POPUP | WS_VISIBLE, 0, 0, width, height,
                              nullptr, nullptr, nullptr, nullptr);
  Display *display = x11_display();
  for (int i = 0; hwnd && i < 500; i++) {
    XWindowAttributes attributes;
    XSync(display, False);
    if (XGetWindowAttributes(display, x_window_of(hwnd), &attributes) &&
        attributes.map_state == IsViewable)
      break;
    sleep_briefly();
  }
  return hwnd;
}

void close_test_window(HWND hwnd) {
  PostMessageA(hwnd, WM_CLOSE, 0, 0);
  pump_messages(WM_CLOSE);
}

bool pump_messages(UINT message) {
  bool seen = false;
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    seen = seen || msg.message == message;
    DispatchMessageA(&msg);
  }
  return seen;
}

Window x_window_of(HWND hwnd) { return to_window(hwnd); }
