// GL surfaces on X11 through EGL (formats, contexts and swaps are egl/).
//
// X fixes a window's visual when it is created, while Win32 sets the pixel
// format afterwards, so a surface is a child window with the chosen
// config's visual that covers the saver window and follows its size; GL
// draws into that child. The child selects no input, so key, button and
// motion events pass on to the saver window. The root window is drawn on
// itself, as XScreenSaver's hacks do: its formats are those with the root
// window's visual. Configs of other windows have a TrueColor visual, whose
// colours need no colormap of the program's own making.
#include <EGL/egl.h>
#include <EGL/eglext.h>
#include <X11/Xutil.h>

#include "platform/egl/egl_gl.h"
#include "platform/x11/backend.h"
#include "platform/x11/display.h"

struct gl_surface {
  Window drawn;
  EGLSurface surface;
  EGLConfig config;
  bool single_buffered;
};

namespace {

EGLDisplay egl_display() {
  static EGLDisplay display = egl_open_display(EGL_PLATFORM_X11_KHR, x11_display());
  return display;
}

bool is_root_window(Display *display, const window_record *w) {
  return w && to_window(w->hwnd) == DefaultRootWindow(display);
}

egl_format_rules rules_for(const window_record *w) {
  Display *display = x11_display();
  VisualID root_visual = XVisualIDFromVisual(DefaultVisual(display, DefaultScreen(display)));
  return {true, TrueColor, is_root_window(display, w) ? static_cast<EGLint>(root_visual) : 0};
}

// A mapped child of the saver window that covers it, with the config's
// visual; 0 when there is none for the config.
Window create_gl_child(Display *display, const window_record *w, EGLConfig config) {
  XVisualInfo wanted = {};
  wanted.visualid = static_cast<VisualID>(egl_config_attribute(egl_display(), config, EGL_NATIVE_VISUAL_ID));
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

int x11_bits_per_pixel() {
  Display *display = x11_display();
  return DefaultDepth(display, DefaultScreen(display));
}

int x11_choose_pixel_format(const window_record *w, const PIXELFORMATDESCRIPTOR &pfd) {
  return egl_choose_format(egl_display(), pfd, rules_for(w));
}

gl_surface *x11_create_surface(window_record *w, int format) {
  egl_format chosen;
  egl_format_rules rules = rules_for(w);
  if (!egl_format_of(egl_display(), format, rules, &chosen)) return nullptr;
  Display *display = x11_display();
  Window drawn;
  if (is_root_window(display, w)) {
    if (egl_config_attribute(egl_display(), chosen.config, EGL_NATIVE_VISUAL_ID) != rules.visual)
      return nullptr;
    drawn = to_window(w->hwnd);
  } else {
    drawn = create_gl_child(display, w, chosen.config);
    if (!drawn) return nullptr;
  }
  EGLSurface surface = eglCreatePlatformWindowSurface(egl_display(), chosen.config, &drawn,
                                                      egl_surface_attributes(chosen));
  if (surface == EGL_NO_SURFACE) {
    if (drawn != to_window(w->hwnd)) XDestroyWindow(display, drawn);
    return nullptr;
  }
  return new gl_surface{drawn, surface, chosen.config, chosen.single_buffered};
}

void x11_resize_surface(window_record *w) {
  if (w->surface->drawn != to_window(w->hwnd))
    XResizeWindow(x11_display(), w->surface->drawn, w->width, w->height);
}

// The child window goes with its parent (and the root window stays).
void x11_destroy_surface(gl_surface *surface) {
  eglDestroySurface(egl_display(), surface->surface);
  delete surface;
}

HGLRC x11_create_context(window_record *w) { return egl_new_context(egl_display(), w->surface->config); }

// Mesa takes a single-buffered surface's drawing to the back buffer all the
// same, where nobody sees it; on a single-buffered Win32 format GL draws on
// the front buffer, and so it does here.
bool x11_make_current(window_record *w, HGLRC context) {
  if (!egl_bind(egl_display(), w ? w->surface->surface : EGL_NO_SURFACE, context)) return false;
  if (w && w->surface->single_buffered) {
    glDrawBuffer(GL_FRONT);
    glReadBuffer(GL_FRONT);
  }
  return true;
}

bool x11_delete_context(HGLRC context) { return egl_destroy_context(egl_display(), context); }

void x11_flush(window_record *) { glFlush(); }

bool x11_swap_buffers(window_record *w) {
  return egl_present(egl_display(), w->surface->surface, w->surface->single_buffered);
}

PROC x11_proc_address(const char *name) { return egl_function(name); }
