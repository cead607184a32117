#include "platform/linux/hack_window.h"

#include <X11/Xutil.h>

#include "platform/x11/display.h"

namespace {

// Square, so the saver's square scene is not stretched.
const int size = 600;

}  // namespace

Window open_hack_window(Display *display) {
  XSetWindowAttributes attributes = {};
  attributes.background_pixel = BlackPixel(display, DefaultScreen(display));
  Window window = XCreateWindow(display, DefaultRootWindow(display), 0, 0, size, size, 0,
                                CopyFromParent, InputOutput, CopyFromParent, CWBackPixel, &attributes);
  XStoreName(display, window, "Torvane");
  XClassHint class_hint = {const_cast<char *>("torvane"), const_cast<char *>("Torvane")};
  XSetClassHint(display, window, &class_hint);
  x11_accept_close_requests(window);
  XMapWindow(display, window);
  XFlush(display);
  return window;
}
