// The message queue: posted messages, merged with the X events drained into
// it on every PeekMessageA, and the quit message once the queue is empty.
#include <deque>

#include "platform/posix/frame_pacer.h"
#include "platform/posix/gl_surface.h"
#include "platform/posix/termination.h"
#include "platform/posix/windows_internal.h"
#include "platform/posix/x11_display.h"

namespace {

std::deque<MSG> queue;
bool quit_posted;
int quit_code;

void handle_destroy(Window gone) {
  if (find_x11_window(gone)) {
    destroy_x11_window(gone, true);
    return;
  }
  for (const x11_window &w : x11_windows())
    if (w.watched_parent == gone) {
      destroy_x11_window(w.id, true);  // the server took the child with it
      return;
    }
}

// A preview fills its parent: XScreenSaver resizes its window when a
// monitor changes. The child's own ConfigureNotify then brings WM_SIZE.
void follow_parent(const XConfigureEvent &configure) {
  for (const x11_window &w : x11_windows())
    if (w.watched_parent == configure.window &&
        (w.width != configure.width || w.height != configure.height))
      XResizeWindow(x11_display(), w.id, configure.width, configure.height);
}

void handle_configure(const XConfigureEvent &configure) {
  follow_parent(configure);
  x11_window *w = find_x11_window(configure.window);
  if (!w || (w->width == configure.width && w->height == configure.height)) return;
  w->width = configure.width;
  w->height = configure.height;
  gl_surface_follow(w->id, w->width, w->height);
  queue_message(to_hwnd(w->id), WM_SIZE, 0, MAKELPARAM(w->width, w->height));
}

// The window manager's close, for a saver window or for the window a child
// saver fills (the hack's own window).
void handle_close_request(Window window) {
  for (const x11_window &w : x11_windows())
    if (w.id == window || w.watched_parent == window) queue_message(to_hwnd(w.id), WM_CLOSE, 0, 0);
}

void handle_x_event(const XEvent &event) {
  switch (event.type) {
    case DestroyNotify:
      handle_destroy(event.xdestroywindow.window);
      return;
    case ConfigureNotify:
      handle_configure(event.xconfigure);
      return;
    case ClientMessage:
      if (event.xclient.format == 32 &&
          static_cast<Atom>(event.xclient.data.l[0]) == wm_delete_window_atom())
        handle_close_request(event.xclient.window);
      return;
    default: {
      MSG msg = {};
      if (!x_input_message(event, &msg)) return;
      x11_window *owner = owner_x11_window(event.xany.window);
      if (owner) queue_message(to_hwnd(owner->id), msg.message, msg.wParam, msg.lParam);
      return;
    }
  }
}

void drain_x_events() {
  Display *display = x11_display();
  if (!display) return;
  while (XPending(display)) {
    XEvent event;
    XNextEvent(display, &event);
    handle_x_event(event);
  }
  // A window that vanished without its DestroyNotify reaching us.
  if (XID bad = x11_take_bad_window()) handle_destroy(bad);
}

// A termination signal closes every window, as input closes the saver's.
void close_on_termination() {
  if (!termination_requested()) return;
  for (const x11_window &w : x11_windows()) queue_message(to_hwnd(w.id), WM_CLOSE, 0, 0);
  if (x11_windows().empty()) PostQuitMessage(0);
}

bool matches(const MSG &msg, HWND hWnd, UINT first, UINT last) {
  if (hWnd && msg.hwnd != hWnd) return false;
  return (first == 0 && last == 0) || (msg.message >= first && msg.message <= last);
}

bool take_message(LPMSG lpMsg, HWND hWnd, UINT wMsgFilterMin, UINT wMsgFilterMax, UINT wRemoveMsg) {
  for (auto it = queue.begin(); it != queue.end(); ++it) {
    if (!matches(*it, hWnd, wMsgFilterMin, wMsgFilterMax)) continue;
    *lpMsg = *it;
    if (wRemoveMsg & PM_REMOVE) queue.erase(it);
    return true;
  }
  if (!quit_posted) return false;
  *lpMsg = MSG{nullptr, WM_QUIT, static_cast<WPARAM>(quit_code), 0, 0, {}};
  if (wRemoveMsg & PM_REMOVE) quit_posted = false;
  return true;
}

int x_connection() {
  Display *display = x11_display();
  return display ? ConnectionNumber(display) : -1;
}

}  // namespace

void queue_message(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
  queue.push_back(MSG{hWnd, message, wParam, lParam, 0, {}});
}

Atom wm_delete_window_atom() {
  static Atom atom = XInternAtom(x11_display(), "WM_DELETE_WINDOW", False);
  return atom;
}

// The main loop draws a frame whenever this finds nothing, so with frame
// pacing on it finds nothing only once the next frame is due; input and
// signals that come meanwhile are handled at once.
BOOL WINAPI PeekMessageA(LPMSG lpMsg, HWND hWnd, UINT wMsgFilterMin, UINT wMsgFilterMax,
                         UINT wRemoveMsg) {
  do {
    close_on_termination();
    drain_x_events();
    if (take_message(lpMsg, hWnd, wMsgFilterMin, wMsgFilterMax, wRemoveMsg)) return TRUE;
  } while (!frame_due(x_connection()));
  return FALSE;
}

BOOL WINAPI PostMessageA(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
  if (hWnd && !find_x11_window(to_window(hWnd))) return FALSE;
  queue_message(hWnd, Msg, wParam, lParam);
  return TRUE;
}

void WINAPI PostQuitMessage(int nExitCode) {
  quit_posted = true;
  quit_code = nExitCode;
}

BOOL WINAPI TranslateMessage(const MSG *) { return FALSE; }

LRESULT WINAPI DispatchMessageA(const MSG *lpMsg) {
  x11_window *w = lpMsg->hwnd ? find_x11_window(to_window(lpMsg->hwnd)) : nullptr;
  if (!w) return 0;
  return w->proc(lpMsg->hwnd, lpMsg->message, lpMsg->wParam, lpMsg->lParam);
}

LRESULT WINAPI DefWindowProcA(HWND hWnd, UINT Msg, WPARAM, LPARAM) {
  if (Msg == WM_CLOSE) destroy_x11_window(to_window(hWnd), false);
  return 0;
}
