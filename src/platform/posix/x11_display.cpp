#include "platform/posix/x11_display.h"

Display *x11_display() {
  static Display *display = XOpenDisplay(nullptr);
  return display;
}
