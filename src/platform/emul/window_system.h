// The seam between the Win32 window, GL and cursor calls and the window
// system under them. As Wine's user32 sits on a window-system driver, the
// Win32 rules (the window table, the message queue, what a device context
// is, that a pixel format is set once) live in emul/, and a backend
// (x11/, wayland/) only creates native windows and surfaces and translates
// native events into the window_* reports below. A new window system is a
// new backend folder implementing `window_system`.
#pragma once

#include <string>

#include "platform/win32.h"

struct native_window;  // a backend's own part of a window
struct gl_surface;     // a backend's GL drawable for a window

// Everything one window made by CreateWindowExA has.
struct window_record {
  HWND hwnd;            // handed out by the backend (on X11: the X window id)
  WNDPROC proc;
  std::string title;
  bool full_screen;     // WS_POPUP with WS_EX_TOPMOST: above all, takes the input
  HWND parent;          // a child's parent, another program's window; else null
  int x, y;             // asked-for position, in the parent or on the screen
  int width, height;    // client size
  bool shown;
  native_window *native;
  gl_surface *surface;  // set once by SetPixelFormat
  int pixel_format;
};

struct window_system {
  // Opens the connection on first use; false without a display.
  bool (*connect)();
  // The display it connects to, for messages.
  const char *(*display_name)();
  // SM_CXSCREEN and SM_CYSCREEN; 0 for anything else.
  int (*screen_metric)(int index);
  // Handles every pending native event, reporting through window_* below.
  // Called by every PeekMessageA: the main loop's, and the modal loops'
  // of message boxes and dialogs, which may run inside WM_CREATE (an error
  // box during start-up), so a window can vanish before its creation ends.
  void (*pump)();
  // Waits until there may be events to pump, a signal comes, or the
  // nanoseconds have passed (a loop that paces its frames).
  void (*wait_for_events)(long long nanoseconds);

  // Creates the native window for `w` (size and kind filled in) and returns
  // its handle; null when the parent is not a window or creation fails.
  HWND (*create_window)(window_record *w);
  void (*show_window)(window_record *w);
  // Destroys w's native window, unless the window system destroyed it
  // already (`gone`); frees the surface too.
  void (*destroy_window)(window_record *w, bool gone);
  // Any window's rectangle on the screen and client size, another
  // program's too; false when there is no such window.
  bool (*window_rect)(HWND hWnd, RECT *rect);
  bool (*client_size)(HWND hWnd, int *width, int *height);
  // Whether the pointer shows over w.
  void (*set_cursor_visible)(window_record *w, bool visible);
  // The pointer's position on the screen; false where the window system
  // does not tell it (Wayland shows a client the pointer only over its own
  // surfaces, in their coordinates).
  bool (*cursor_pos)(POINT *point);

  // GL: pixel formats are numbered from 1; 0 is none.
  int (*bits_per_pixel)();
  // The format for drawing on w (null: a device context of no window of
  // the table).
  int (*choose_pixel_format)(const window_record *w, const PIXELFORMATDESCRIPTOR &pfd);
  gl_surface *(*create_surface)(window_record *w, int format);
  // The surface follows w's new size.
  void (*resize_surface)(window_record *w);
  HGLRC (*create_context)(window_record *w);
  // w null: no context current.
  bool (*make_current)(window_record *w, HGLRC context);
  // Whether the window system has already told of the end of w's native
  // window (the news waits for the next pump): GL must not touch the
  // surface then, as a drawable that is gone has no size to go by.
  bool (*window_gone)(window_record *w);
  bool (*delete_context)(HGLRC context);
  // Starts the GL work drawn so far on w (its context current) without
  // waiting for it: glFlush.
  void (*flush)(window_record *w);
  // Presents w's frame now, a context current on w: the back buffer comes
  // to the window; a single-buffered surface's work is finished.
  bool (*swap_buffers)(window_record *w);
  PROC (*proc_address)(const char *name);
};

// Presenting. A software renderer rasterizes on threads of its own, and a
// swap waits for them; the saver lets go of its context after every frame
// and sleeps a millisecond. So SwapBuffers, while a context of this program
// is current on the window, only flushes (the rasterizer starts on the
// frame) and leaves the swap pending; the swap is carried out, with the
// context that drew the frame current, before anything else reaches that
// window's GL through this layer:
//   - wglMakeCurrent that binds a context (it binds first and then swaps,
//     before the caller draws the next frame); letting go of a context
//     (wglMakeCurrent with none) leaves the swap pending;
//   - wglDeleteContext of that context, so its last frame stays on screen;
//   - SwapBuffers again (a caller that drew on with its context current:
//     the latest drawing is presented, once);
//   - a new size for the window, before its surface follows (the frame is
//     shown at the size it was drawn for);
//   - present_pending_swap(), for anything that reads the window's pixels
//     straight from the window system.
// GL drawing issued between SwapBuffers and the next of these lands in the
// frame being presented; the saver issues none (its frame ends with
// SwapBuffers, then wglMakeCurrent with none).
// A window whose native window is gone forgets its pending swap, and no
// context is bound to it once its end is known (window_gone), not even
// right after the swap, which waits for the rasterizer. Backends need
// nothing for this beyond flush, window_gone and an immediate
// swap_buffers; the rules live in emul/gl.cpp.
void present_pending_swap();

// For a backend's wait_for_events: waits until its connection `fd` has
// something to read, a signal comes, or the nanoseconds have passed.
void wait_until_readable(int fd, long long nanoseconds);

// The backend the program runs on; set once at start (the Linux main).
void use_window_system(const window_system *backend);
// The backend once connected; null without one or without a display.
const window_system *connected_window_system();
// Says on stderr that the backend's display cannot be opened, and which.
void report_no_display();

// The window table.
window_record *find_window(HWND hWnd);
// The window whose parent is `parent`, another program's window; or null.
window_record *window_with_parent(HWND parent);
// Every window, oldest first, for a backend looking one up by its own
// criteria; valid until a window is created or destroyed.
window_record *const *all_windows(int *count);

// Reports from a backend.
// Input for w (keys, buttons, motion, activation), as a window message.
void window_input(window_record *w, UINT message, WPARAM wParam, LPARAM lParam);
// w's client area has a new size: its surface follows and WM_SIZE is queued.
void window_resized(window_record *w, int width, int height);
// The user asked the window system to close w: WM_CLOSE is queued.
void window_close_requested(window_record *w);
// w's native window is gone (its parent went, or the server took it):
// WM_DESTROY, and w leaves the table.
void window_vanished(window_record *w);
