// GL on X11 through EGL, where the X server offers no GLX (formats,
// contexts and swaps are egl/; the windows gl_window.cpp).
#include <EGL/egl.h>
#include <EGL/eglext.h>

#include "platform/egl/egl_gl.h"
#include "platform/x11/backend.h"
#include "platform/x11/display.h"
#include "platform/x11/gl_window.h"

namespace {

struct egl_window_surface : gl_surface {
  EGLSurface surface;
  EGLConfig config;
};

egl_window_surface *surface_of(const window_record *w) {
  return static_cast<egl_window_surface *>(w->surface);
}

EGLDisplay egl_display() {
  static EGLDisplay display = egl_open_display(EGL_PLATFORM_X11_KHR, x11_display());
  return display;
}

egl_format_rules rules_for(const window_record *w) {
  return {true, TrueColor, static_cast<EGLint>(x11_required_visual(w))};
}

int choose_pixel_format(const window_record *w, const PIXELFORMATDESCRIPTOR &pfd) {
  return egl_choose_format(egl_display(), pfd, rules_for(w));
}

gl_surface *create_surface(window_record *w, int format) {
  egl_format chosen;
  if (!egl_format_of(egl_display(), format, rules_for(w), &chosen)) return nullptr;
  EGLint visual = egl_config_attribute(egl_display(), chosen.config, EGL_NATIVE_VISUAL_ID);
  Window drawn = x11_gl_drawable(w, static_cast<VisualID>(visual));
  if (!drawn) return nullptr;
  EGLSurface surface = eglCreatePlatformWindowSurface(egl_display(), chosen.config, &drawn,
                                                      egl_surface_attributes(chosen));
  if (surface == EGL_NO_SURFACE) {
    x11_drop_gl_drawable(w, drawn);
    return nullptr;
  }
  return new egl_window_surface{{drawn, chosen.single_buffered}, surface, chosen.config};
}

// The child window goes with its parent (and the root window stays).
void destroy_surface(gl_surface *surface) {
  auto *own = static_cast<egl_window_surface *>(surface);
  eglDestroySurface(egl_display(), own->surface);
  delete own;
}

HGLRC create_context(window_record *w) {
  return egl_new_context(egl_display(), surface_of(w)->config);
}

// Mesa takes a single-buffered surface's drawing to the back buffer all the
// same, where nobody sees it; on a single-buffered Win32 format GL draws on
// the front buffer, and so it does here.
bool make_current(window_record *w, HGLRC context) {
  if (!egl_bind(egl_display(), w ? surface_of(w)->surface : EGL_NO_SURFACE, context)) return false;
  if (w && w->surface->single_buffered) {
    glDrawBuffer(GL_FRONT);
    glReadBuffer(GL_FRONT);
  }
  return true;
}

bool delete_context(HGLRC context) { return egl_destroy_context(egl_display(), context); }

bool swap_buffers(window_record *w) {
  return egl_present(egl_display(), surface_of(w)->surface, w->surface->single_buffered);
}

}  // namespace

const x11_gl_api x11_egl = {
    choose_pixel_format, create_surface, destroy_surface, create_context,
    make_current,        delete_context, swap_buffers,    egl_function,
};
