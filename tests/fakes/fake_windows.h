// A fake window system for unit tests: one registered class, windows that
// only exist as numbers, a real message queue, a settable cursor position and
// screen size. Calls are logged in call_log, such as
// "PostMessageA(0x1000, 0x10, 0, 0)".
#pragma once

#include <string>
#include <vector>

#include "fakes/call_log.h"
#include "platform/win32.h"

struct fake_window {
  HWND hwnd;
  DWORD ex_style;
  DWORD style;
  int x, y, width, height;
  HWND parent;
  bool alive;
};

extern std::vector<fake_window> fake_windows;
extern POINT fake_cursor_pos;
extern bool fake_cursor_known;  // false: GetCursorPos fails, as on Wayland
extern int fake_screen_width, fake_screen_height;
extern int fake_cursor_count;   // ShowCursor's display counter
// A window that may be named as a parent, with its rectangle.
extern HWND fake_parent;
extern RECT fake_parent_rect;

// The class record RegisterClassA took (all zero before).
const WNDCLASSA &fake_registered_class();

// Back to an empty system: no class, no window, an empty queue.
void fake_windows_reset();

// Messages waiting in the queue, oldest first (WM_QUIT last once posted).
std::vector<MSG> fake_queued_messages();
