/* lit_probe WINDOW MIN_SHARE TIMEOUT_MS [below]: looks at the window's pixels
   every 20 ms until at least MIN_SHARE (0..1) of them are lit (not near
   black), or with "below" until fewer are, then prints the milliseconds it
   waited and ends with 0; ends with 1 when the timeout passes first. WINDOW
   is an id, or "root". Much quicker than a screenshot, so the time it
   prints is when the drawing appeared (or went). */
#include <X11/Xutil.h>
#include <string.h>
#include <time.h>

#include "open_display.h"

static long now_ms(void) {
  struct timespec t;
  clock_gettime(CLOCK_MONOTONIC, &t);
  return t.tv_sec * 1000L + t.tv_nsec / 1000000L;
}

static int quiet(Display *d, XErrorEvent *e) { (void)d; (void)e; return 0; }

static double lit_share(Display *display, Window window) {
  XWindowAttributes a;
  if (!XGetWindowAttributes(display, window, &a) || a.map_state != IsViewable) return 0;
  XImage *image = XGetImage(display, window, 0, 0, a.width, a.height, AllPlanes, ZPixmap);
  if (!image) return 0;
  long lit = 0;
  for (int y = 0; y < a.height; y += 2)
    for (int x = 0; x < a.width; x += 2) {
      unsigned long p = XGetPixel(image, x, y);
      int gray = (((p >> 16) & 0xff) + ((p >> 8) & 0xff) + (p & 0xff)) / 3;
      lit += gray > 15;
    }
  XDestroyImage(image);
  return lit / (double)(((a.width + 1) / 2) * ((a.height + 1) / 2));
}

int main(int argc, char **argv) {
  Display *display = open_display(argc == 5 ? 4 : argc, 3, "lit_probe WINDOW MIN_SHARE TIMEOUT_MS [below]");
  int below = argc == 5 && strcmp(argv[4], "below") == 0;
  XSetErrorHandler(quiet);
  Window window = strcmp(argv[1], "root") == 0 ? DefaultRootWindow(display) : strtoul(argv[1], NULL, 0);
  double min_share = atof(argv[2]);
  long start = now_ms(), timeout = atol(argv[3]);
  for (;;) {
    long waited = now_ms() - start;
    if ((lit_share(display, window) >= min_share) != below) {
      printf("%ld\n", waited);
      return 0;
    }
    if (waited > timeout) return 1;
    struct timespec pause = {0, 20000000L};
    nanosleep(&pause, NULL);
  }
}
