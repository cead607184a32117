// The pointer over the saver's windows: an invisible cursor hides it.
#include "platform/x11/backend.h"
#include "platform/x11/display.h"

namespace {

Cursor invisible_cursor(Display *display) {
  static Cursor cursor = None;
  if (cursor == None) {
    static char no_bits[1] = {0};
    Pixmap blank = XCreateBitmapFromData(display, DefaultRootWindow(display), no_bits, 1, 1);
    XColor black = {};
    cursor = XCreatePixmapCursor(display, blank, blank, &black, &black, 0, 0);
    XFreePixmap(display, blank);
  }
  return cursor;
}

}  // namespace

void x11_set_cursor_visible(window_record *w, bool visible) {
  Display *display = x11_display();
  if (visible)
    XUndefineCursor(display, to_window(w->hwnd));
  else
    XDefineCursor(display, to_window(w->hwnd), invisible_cursor(display));
  XFlush(display);
}

bool x11_query_pointer(POINT *at, unsigned int *state) {
  Display *display = x11_display();
  Window root, child;
  int x, y, window_x, window_y;
  if (!XQueryPointer(display, DefaultRootWindow(display), &root, &child, &x, &y, &window_x,
                     &window_y, state))
    return false;
  *at = POINT{x, y};
  return true;
}

// On the saver's screen, which starts at its monitor's corner: off that
// monitor, a position may be negative or beyond the screen's size.
bool x11_cursor_pos(POINT *point) {
  unsigned int state;
  if (!x11_query_pointer(point, &state)) return false;
  POINT origin = x11_screen_origin();
  point->x -= origin.x;
  point->y -= origin.y;
  return true;
}
