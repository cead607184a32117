// What the X11 backend's files share. A window handle is the X window id of
// the saver window; GL draws into a child window with the pixel format's
// visual (gl_window.h).
#pragma once

#include <X11/Xlib.h>

#include "platform/emul/window_system.h"

// The X11 implementation of the window system.
const window_system *x11_window_system();

// saver_monitor.cpp. For a saver its supervisor placed, before its window is
// made: it covers the monitor `key` names (as monitor_list.h writes it), and
// takes the keyboard and pointer only with take_input; the others hear input
// past that grab (raw_input.cpp). False when the key names no monitor.
bool x11_place_on_monitor(const char *key, bool take_input);
bool x11_takes_input();
// Where the saver's screen starts in root coordinates: its monitor's corner,
// or 0, 0.
POINT x11_screen_origin();
int x11_screen_metric(int index);

inline HWND to_hwnd(Window id) { return reinterpret_cast<HWND>(static_cast<UINT_PTR>(id)); }
// X ids have 29 bits. A handle beyond them (a preview id above 32 bits, a
// negative one) names no window: Xlib would cut it to 32 bits, naming another.
const UINT_PTR largest_x_id = 0x1FFFFFFF;
inline Window to_window(HWND hWnd) {
  UINT_PTR id = reinterpret_cast<UINT_PTR>(hWnd);
  return id <= largest_x_id ? static_cast<Window>(id) : None;
}

// windows.cpp
HWND x11_create_window(window_record *w);
void x11_show_window(window_record *w);
void x11_destroy_window(window_record *w, bool gone);
bool x11_window_rect(HWND hWnd, RECT *rect);
bool x11_client_size(HWND hWnd, int *width, int *height);
// The saver window an X window belongs to: itself, or the nearest ancestor
// in the table (the GL child inside a saver window); null if none.
window_record *x11_owner_window(Window id);

// events.cpp
void x11_pump();
// Whether w's DestroyNotify is already queued (it is handled at the next
// pump).
bool x11_window_gone(window_record *w);

// raw_input.cpp: whether the program hears input that other clients'
// grabs keep from it (raw keys and buttons, the pointer's moves).
void x11_hear_raw_input(bool on);
// The key or button event a raw event stands for, in root coordinates with
// the present modifier state; false for any other event.
bool x11_raw_input_event(XEvent &event, XEvent *input);
// While hearing: a motion event when the pointer has moved since last asked.
bool x11_raw_pointer_moved(XEvent *input);

// input.cpp: the message an input event (key, button, motion, focus)
// becomes; false for any other event and for input the saver has no
// message for.
bool x_input_message(const XEvent &event, MSG *msg);

// cursor.cpp
void x11_set_cursor_visible(window_record *w, bool visible);
bool x11_cursor_pos(POINT *point);
// The pointer's position on the screen and which modifiers are down.
bool x11_query_pointer(POINT *at, unsigned int *state);

// gl_window.cpp: GL's windows, whichever API draws.
int x11_bits_per_pixel();
void x11_resize_surface(window_record *w);
void x11_flush(window_record *w);

// What GL goes through: GLX (glx.cpp) where the server offers it, else EGL
// (egl.cpp); as in window_system, and the end of a surface.
struct x11_gl_api {
  int (*choose_pixel_format)(const window_record *w, const PIXELFORMATDESCRIPTOR &pfd);
  gl_surface *(*create_surface)(window_record *w, int format);
  void (*destroy_surface)(gl_surface *surface);
  HGLRC (*create_context)(window_record *w);
  bool (*make_current)(window_record *w, HGLRC context);
  bool (*delete_context)(HGLRC context);
  bool (*swap_buffers)(window_record *w);
  PROC (*proc_address)(const char *name);
};
extern const x11_gl_api x11_glx, x11_egl;
// backend.cpp: the one chosen when the backend connected.
const x11_gl_api &x11_gl();
