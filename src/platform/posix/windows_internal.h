// What the window area's files share: the table of the saver's X windows,
// the message queue, the cursor state and the event translation.
#pragma once

#include <X11/Xlib.h>

#include <vector>

#include "platform/win32.h"

// One window created through CreateWindowExA.
struct x11_window {
  Window id;
  WNDPROC proc;
  Window watched_parent;  // a child's foreign parent, whose end is the child's end
  int width, height;
  bool topmost;           // full screen: takes focus and grabs the input
  bool mapped;
  bool foreign;           // the root window: drawn on, never created or destroyed here
};

inline HWND to_hwnd(Window id) { return reinterpret_cast<HWND>(static_cast<UINT_PTR>(id)); }
inline Window to_window(HWND hWnd) { return static_cast<Window>(reinterpret_cast<UINT_PTR>(hWnd)); }

// windows.cpp: the table
std::vector<x11_window> &x11_windows();
x11_window *find_x11_window(Window id);
// The saver window an X window belongs to: itself, or the nearest ancestor
// in the table (the GL child inside a saver window); null if none.
x11_window *owner_x11_window(Window id);
// Sends WM_DESTROY, forgets the window and destroys it on the server unless
// the server has destroyed it already (the root window is only cleared).
void destroy_x11_window(Window id, bool already_gone);

// windows_class.cpp
WNDPROC class_procedure(LPCSTR class_name);

// windows_cursor.cpp: shows or hides the cursor on the window as
// ShowCursor's counter says.
void apply_cursor_state(Window id);

// windows_input.cpp: the message an input event (key, button, motion, focus)
// becomes, with msg->hwnd left for the caller; false for any other event and
// for input the saver has no message for.
bool x_input_message(const XEvent &event, MSG *msg);

// windows_queue.cpp
void queue_message(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
Atom wm_delete_window_atom();
