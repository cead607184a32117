#include "platform/x11/gl_window.h"

#include <X11/Xutil.h>

#include "platform/x11/backend.h"
#include "platform/x11/display.h"

namespace {

bool is_root_window(Display *display, const window_record *w) {
  return w && to_window(w->hwnd) == DefaultRootWindow(display);
}

// A mapped child of the saver window that covers it, with the visual; 0
// when there is no such visual.
Window create_gl_child(Display *display, const window_record *w, VisualID visual_id) {
  XVisualInfo wanted = {};
  wanted.visualid = visual_id;
  int count = 0;
  XVisualInfo *visual = XGetVisualInfo(display, VisualIDMask, &wanted, &count);
  if (!visual) return 0;
  Window parent = to_window(w->hwnd);
  XSetWindowAttributes attributes = {};
  attributes.colormap = XCreateColormap(display, parent, visual->visual, AllocNone);
  attributes.border_pixel = 0;
  attributes.background_pixmap = None;  // GL paints every pixel; no flash of a background
  attributes.event_mask = NoEventMask;
  attributes.do_not_propagate_mask = NoEventMask;
  Window child = XCreateWindow(display, parent, 0, 0, w->width, w->height, 0, visual->depth,
                               InputOutput, visual->visual,
                               CWColormap | CWBorderPixel | CWBackPixmap | CWEventMask | CWDontPropagate,
                               &attributes);
  XFree(visual);
  XMapWindow(display, child);
  XFlush(display);
  return child;
}

}  // namespace

VisualID x11_required_visual(const window_record *w) {
  Display *display = x11_display();
  if (!is_root_window(display, w)) return 0;
  return XVisualIDFromVisual(DefaultVisual(display, DefaultScreen(display)));
}

Window x11_gl_drawable(const window_record *w, VisualID visual) {
  Display *display = x11_display();
  if (!is_root_window(display, w)) return create_gl_child(display, w, visual);
  return visual == x11_required_visual(w) ? to_window(w->hwnd) : 0;
}

void x11_drop_gl_drawable(const window_record *w, Window drawn) {
  if (drawn != to_window(w->hwnd)) XDestroyWindow(x11_display(), drawn);
}

int x11_bits_per_pixel() {
  Display *display = x11_display();
  return DefaultDepth(display, DefaultScreen(display));
}

void x11_resize_surface(window_record *w) {
  if (w->surface->drawn != to_window(w->hwnd))
    XResizeWindow(x11_display(), w->surface->drawn, w->width, w->height);
}

void x11_flush(window_record *) { glFlush(); }
