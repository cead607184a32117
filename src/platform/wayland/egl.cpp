// GL surfaces on Wayland: a wayland-egl window on the saver window's
// wl_surface (formats, contexts and swaps are egl/). Every frame reaches the
// screen through eglSwapBuffers, single-buffered formats too, since a
// Wayland surface only shows what is committed to it.
#include <EGL/egl.h>
#include <EGL/eglext.h>
#include <wayland-egl.h>

#include "platform/egl/egl_gl.h"
#include "platform/wayland/backend.h"
#include "platform/wayland/display.h"

struct gl_surface {
  wl_egl_window *window;
  EGLSurface surface;
  EGLConfig config;
  bool unpaced;  // swap interval set to 0
};

namespace {

EGLDisplay egl_display() {
  static EGLDisplay display = egl_open_display(EGL_PLATFORM_WAYLAND_KHR, wayland()->display);
  return display;
}

const egl_format_rules rules = {false, 0, 0};

}  // namespace

// Every Wayland compositor shows 24-bit XRGB.
int egl_bits_per_pixel() { return 24; }

int egl_choose_pixel_format(const window_record *, const PIXELFORMATDESCRIPTOR &pfd) {
  return egl_choose_format(egl_display(), pfd, rules);
}

gl_surface *egl_create_surface(window_record *w, int format) {
  egl_format chosen;
  if (!egl_format_of(egl_display(), format, rules, &chosen)) return nullptr;
  wl_egl_window *window = wl_egl_window_create(w->native->surface, w->width, w->height);
  if (!window) return nullptr;
  EGLSurface surface = eglCreatePlatformWindowSurface(egl_display(), chosen.config, window,
                                                      egl_surface_attributes(chosen));
  if (surface == EGL_NO_SURFACE) {
    wl_egl_window_destroy(window);
    return nullptr;
  }
  return new gl_surface{window, surface, chosen.config, false};
}

void egl_resize_surface(window_record *w) {
  wl_egl_window_resize(w->surface->window, w->width, w->height, 0, 0);
}

void egl_destroy_surface(gl_surface *surface) {
  eglDestroySurface(egl_display(), surface->surface);
  wl_egl_window_destroy(surface->window);
  delete surface;
}

HGLRC egl_create_context(window_record *w) {
  return egl_new_context(egl_display(), w->surface->config);
}

// A swap must never wait for the compositor's next frame: it sends none to
// a surface nobody sees, and the saver must keep answering input and
// signals. Frames follow each other as fast as they are drawn, as on Win32.
bool egl_make_current(window_record *w, HGLRC context) {
  EGLDisplay display = egl_display();
  if (!egl_bind(display, w ? w->surface->surface : EGL_NO_SURFACE, context)) return false;
  if (w && !w->surface->unpaced) w->surface->unpaced = eglSwapInterval(display, 0);
  return true;
}

bool egl_delete_context(HGLRC context) { return egl_destroy_context(egl_display(), context); }

void egl_flush(window_record *) { glFlush(); }

bool egl_swap_buffers(window_record *w) {
  if (egl_present(egl_display(), w->surface->surface, false)) return true;
  wayland_check_connection();
  return false;
}

PROC egl_proc_address(const char *name) { return egl_function(name); }
