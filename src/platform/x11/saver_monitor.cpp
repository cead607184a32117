// The monitor a full-screen saver covers. A supervisor names one for each
// saver it starts; the saver then sees that monitor as its screen: the
// screen's size is the monitor's, and positions are measured from the
// monitor's corner. Without one the saver covers the whole screen.
#include <cstdio>

#include "platform/x11/backend.h"
#include "platform/x11/display.h"

namespace {

bool placed;
RECT monitor;
bool takes_input = true;

}  // namespace

bool x11_place_on_monitor(const char *key, bool take_input) {
  int x, y, width, height;
  char beyond;
  if (std::sscanf(key, "%d,%d,%d,%d%c", &x, &y, &width, &height, &beyond) != 4 || width <= 0 ||
      height <= 0)
    return false;
  placed = true;
  monitor = RECT{x, y, x + width, y + height};
  takes_input = take_input;
  return true;
}

bool x11_takes_input() { return takes_input; }

POINT x11_screen_origin() { return placed ? POINT{monitor.left, monitor.top} : POINT{0, 0}; }

int x11_screen_metric(int index) {
  Display *display = x11_display();
  int screen = DefaultScreen(display);
  if (index == SM_CXSCREEN)
    return placed ? monitor.right - monitor.left : DisplayWidth(display, screen);
  if (index == SM_CYSCREEN)
    return placed ? monitor.bottom - monitor.top : DisplayHeight(display, screen);
  return 0;
}
