// The cursor: ShowCursor keeps the display counter; below zero the saver's
// windows wear an invisible cursor.
#include "platform/posix/windows_internal.h"
#include "platform/posix/x11_display.h"

namespace {

int display_counter;

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

void apply_cursor_state(Window id) {
  Display *display = x11_display();
  if (!display) return;
  if (display_counter < 0)
    XDefineCursor(display, id, invisible_cursor(display));
  else
    XUndefineCursor(display, id);
}

int WINAPI ShowCursor(BOOL bShow) {
  display_counter += bShow ? 1 : -1;
  for (const x11_window &w : x11_windows()) apply_cursor_state(w.id);
  if (Display *display = x11_display()) XFlush(display);
  return display_counter;
}

BOOL WINAPI GetCursorPos(LPPOINT lpPoint) {
  Display *display = x11_display();
  if (!display) return FALSE;
  Window root, child;
  int root_x, root_y, x, y;
  unsigned int buttons;
  if (!XQueryPointer(display, DefaultRootWindow(display), &root, &child, &root_x, &root_y, &x, &y,
                     &buttons))
    return FALSE;
  lpPoint->x = root_x;
  lpPoint->y = root_y;
  return TRUE;
}
