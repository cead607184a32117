// X events as reports to the window table: destruction, size changes, the
// window manager's close, and input (raw input too); and whether a window's
// destruction is already waiting in the queue.
#include "platform/x11/backend.h"
#include "platform/x11/display.h"

namespace {

// A saver window, or the child of a window that went: the server took the
// child with it.
void handle_destroy(Window gone) {
  if (window_record *w = find_window(to_hwnd(gone))) {
    window_vanished(w);
  } else if (window_record *child = window_with_parent(to_hwnd(gone))) {
    window_vanished(child);
  }
}

// A preview fills its parent: XScreenSaver resizes its window when a
// monitor changes. The child's own ConfigureNotify then brings WM_SIZE.
void follow_parent(const XConfigureEvent &configure) {
  window_record *child = window_with_parent(to_hwnd(configure.window));
  if (child && (child->width != configure.width || child->height != configure.height))
    XResizeWindow(x11_display(), to_window(child->hwnd), configure.width, configure.height);
}

void handle_configure(const XConfigureEvent &configure) {
  follow_parent(configure);
  if (window_record *w = find_window(to_hwnd(configure.window)))
    window_resized(w, configure.width, configure.height);
}

// The window manager's close, for a saver window or for the window a child
// saver fills (the hack's own window).
void handle_client_message(const XClientMessageEvent &message) {
  if (message.format != 32 || static_cast<Atom>(message.data.l[0]) != x11_wm_delete_window()) return;
  if (window_record *w = find_window(to_hwnd(message.window))) window_close_requested(w);
  if (window_record *child = window_with_parent(to_hwnd(message.window))) window_close_requested(child);
}

// Motion off a window is not its own: a saver on another monitor measures
// it. (`x`, `y` relative to the window.)
bool on_window(const window_record *w, int x, int y) {
  return x >= 0 && y >= 0 && x < w->width && y < w->height;
}

void handle_input(const XEvent &event) {
  MSG msg = {};
  if (!x_input_message(event, &msg)) return;
  window_record *owner = x11_owner_window(event.xany.window);
  if (!owner) return;
  if (event.type == MotionNotify && !on_window(owner, event.xmotion.x, event.xmotion.y)) return;
  window_input(owner, msg.message, msg.wParam, msg.lParam);
}

// Input heard past other clients' grabs is for the full-screen windows,
// which cover the saver's screen from its origin; the input comes in root
// coordinates.
void full_screen_input(XEvent input) {
  POINT origin = x11_screen_origin();
  bool motion = input.type == MotionNotify;
  if (motion) {
    input.xmotion.x -= origin.x;
    input.xmotion.y -= origin.y;
  } else if (input.type == ButtonPress || input.type == ButtonRelease) {
    input.xbutton.x -= origin.x;
    input.xbutton.y -= origin.y;
  }
  MSG msg = {};
  if (!x_input_message(input, &msg)) return;
  int count;
  window_record *const *windows = all_windows(&count);
  for (int i = 0; i < count; i++) {
    window_record *w = windows[i];
    if (!w->full_screen || (motion && !on_window(w, input.xmotion.x, input.xmotion.y))) continue;
    window_input(w, msg.message, msg.wParam, msg.lParam);
  }
}

void handle_raw_input(XEvent &event) {
  XEvent input;
  if (x11_raw_input_event(event, &input)) full_screen_input(input);
}

void handle_x_event(XEvent &event) {
  switch (event.type) {
    case DestroyNotify:
      handle_destroy(event.xdestroywindow.window);
      return;
    case ConfigureNotify:
      handle_configure(event.xconfigure);
      return;
    case ClientMessage:
      handle_client_message(event.xclient);
      return;
    case GenericEvent:
      handle_raw_input(event);
      return;
    default:
      handle_input(event);
      return;
  }
}

struct end_probe {
  Window window;
  bool found;
};

// Looks at every queued event and takes none.
Bool note_destruction(Display *, XEvent *event, XPointer arg) {
  end_probe *probe = reinterpret_cast<end_probe *>(arg);
  if (event->type == DestroyNotify && event->xdestroywindow.window == probe->window)
    probe->found = true;
  return False;
}

}  // namespace

// The saver window's DestroyNotify (its GL child goes with it) among the
// events the server has sent, read without blocking and left in the queue
// in their order.
bool x11_window_gone(window_record *w) {
  end_probe probe = {to_window(w->hwnd), false};
  XEvent event;
  XCheckIfEvent(x11_display(), &event, note_destruction, reinterpret_cast<XPointer>(&probe));
  return probe.found;
}

void x11_pump() {
  Display *display = x11_display();
  while (XPending(display)) {
    XEvent event;
    XNextEvent(display, &event);
    handle_x_event(event);
  }
  XEvent moved;
  if (x11_raw_pointer_moved(&moved)) full_screen_input(moved);
  // A window that vanished without its DestroyNotify reaching us.
  if (XID bad = x11_take_bad_window()) handle_destroy(bad);
}
