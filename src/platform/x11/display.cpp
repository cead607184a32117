#include "platform/x11/display.h"

#include "platform/x11/backend.h"

#include <cstdio>

namespace {

XID bad_window;

int quiet_error_handler(Display *display, XErrorEvent *error) {
  if (error->error_code == BadWindow || error->error_code == BadDrawable) {
    bad_window = error->resourceid;
    return 0;
  }
  char text[160];
  XGetErrorText(display, error->error_code, text, sizeof text);
  std::fprintf(stderr, "torvane: X error: %s (request %d.%d)\n", text, error->request_code,
               error->minor_code);
  return 0;
}

Display *open_display() {
  Display *display = XOpenDisplay(nullptr);
  if (!display) return nullptr;
  XSetErrorHandler(quiet_error_handler);
  XSetIOErrorHandler(x11_connection_lost);
  x11_watch_connection(display);
  return display;
}

}  // namespace

Display *x11_display() {
  static Display *display = open_display();
  return display;
}

XID x11_take_bad_window() {
  XID window = bad_window;
  bad_window = 0;
  return window;
}

Atom x11_wm_delete_window() {
  static Atom atom = XInternAtom(x11_display(), "WM_DELETE_WINDOW", False);
  return atom;
}

void x11_accept_close_requests(Window id) {
  Atom delete_window = x11_wm_delete_window();
  XSetWMProtocols(x11_display(), id, &delete_window, 1);
}

bool x11_window_exists(Window id) {
  XWindowAttributes attributes;
  return id && id <= largest_x_id && XGetWindowAttributes(x11_display(), id, &attributes);
}
