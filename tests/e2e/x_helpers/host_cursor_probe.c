/* Says whether the pointer's cursor, as the X server shows it now, has any
   visible pixel: prints "visible" or "invisible". */
#include <X11/Xlib.h>
#include <X11/extensions/Xfixes.h>
#include <stdio.h>

int main(void) {
  Display *display = XOpenDisplay(NULL);
  if (!display) return 2;
  XFixesCursorImage *cursor = XFixesGetCursorImage(display);
  if (!cursor) return 3;
  int visible = 0;
  for (int i = 0; i < cursor->width * cursor->height; i++)
    if (cursor->pixels[i] >> 24) visible = 1;
  puts(visible ? "visible" : "invisible");
  return 0;
}
