#include "platform/posix/x11_display.h"

#include <unistd.h>

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

// The X server went away: nothing is left to draw on, so end as a saver
// ends, at once (exit handlers could touch the dead connection).
int connection_lost_handler(Display *) { _exit(0); }

Display *open_display() {
  Display *display = XOpenDisplay(nullptr);
  if (!display) return nullptr;
  XSetErrorHandler(quiet_error_handler);
  XSetIOErrorHandler(connection_lost_handler);
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

void x11_report_no_display() {
  const char *name = XDisplayName(nullptr);
  if (*name)
    std::fprintf(stderr, "torvane: cannot open display \"%s\"\n", name);
  else
    std::fputs("torvane: cannot open display: DISPLAY is not set\n", stderr);
}
