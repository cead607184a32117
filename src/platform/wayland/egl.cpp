// Pixel formats, surfaces and contexts over EGL, with desktop OpenGL.
//
// Pixel format n is the n-th EGL config of the display. A surface is a
// wayland-egl window on the saver window's wl_surface; every frame reaches
// the screen through eglSwapBuffers, single-buffered formats too, since a
// Wayland surface only shows what is committed to it.
#include <EGL/egl.h>
#include <EGL/eglext.h>
#include <wayland-egl.h>

#include <algorithm>
#include <vector>

#include "platform/wayland/backend.h"
#include "platform/wayland/display.h"

struct gl_surface {
  wl_egl_window *window;
  EGLSurface surface;
  EGLConfig config;
  bool unpaced;  // swap interval set to 0
};

namespace {

EGLDisplay open_display() {
  EGLDisplay display = eglGetPlatformDisplay(EGL_PLATFORM_WAYLAND_KHR, wayland()->display, nullptr);
  if (display == EGL_NO_DISPLAY || !eglInitialize(display, nullptr, nullptr) ||
      !eglBindAPI(EGL_OPENGL_API))
    return EGL_NO_DISPLAY;
  return display;
}

EGLDisplay egl_display() {
  static EGLDisplay display = open_display();
  return display;
}

int config_attribute(EGLConfig config, EGLint attribute) {
  EGLint value = 0;
  eglGetConfigAttrib(egl_display(), config, attribute, &value);
  return value;
}

// The display's configs in a fixed order: format n is element n - 1.
std::vector<EGLConfig> all_configs() {
  EGLint count = 0;
  if (!eglGetConfigs(egl_display(), nullptr, 0, &count) || count <= 0) return {};
  std::vector<EGLConfig> configs(count);
  eglGetConfigs(egl_display(), configs.data(), count, &count);
  configs.resize(count);
  return configs;
}

bool has_sizes(EGLConfig config, int channel, const PIXELFORMATDESCRIPTOR &pfd) {
  return config_attribute(config, EGL_RED_SIZE) == channel &&
         config_attribute(config, EGL_GREEN_SIZE) == channel &&
         config_attribute(config, EGL_BLUE_SIZE) == channel &&
         config_attribute(config, EGL_ALPHA_SIZE) == pfd.cAlphaBits &&
         config_attribute(config, EGL_DEPTH_SIZE) == pfd.cDepthBits;
}

// EGL's best match for the request, or null. EGL reads sizes as minimums
// and ranks more colour bits first; this takes the sizes asked for when a
// config has them. Above all no alpha unless asked for: the compositor
// would let what lies below show through the saver's black. The depth size
// is taken as asked, as a Win32 driver does (the reflection pass is pulled
// forward by a few depth units, which a 32-bit float depth buffer swallows).
EGLConfig best_config(const PIXELFORMATDESCRIPTOR &pfd) {
  if (pfd.iPixelType != PFD_TYPE_RGBA) return nullptr;  // EGL has no colour-index configs
  int channel = std::min(8, pfd.cColorBits / 3);
  const EGLint wanted[] = {
      EGL_SURFACE_TYPE, EGL_WINDOW_BIT,
      EGL_RENDERABLE_TYPE, EGL_OPENGL_BIT,
      EGL_RED_SIZE, channel,
      EGL_GREEN_SIZE, channel,
      EGL_BLUE_SIZE, channel,
      EGL_ALPHA_SIZE, pfd.cAlphaBits,
      EGL_DEPTH_SIZE, pfd.cDepthBits,
      EGL_STENCIL_SIZE, pfd.cStencilBits,
      EGL_NONE};
  EGLint count = 0;
  if (!eglChooseConfig(egl_display(), wanted, nullptr, 0, &count) || count <= 0) return nullptr;
  std::vector<EGLConfig> configs(count);
  eglChooseConfig(egl_display(), wanted, configs.data(), count, &count);
  for (EGLint i = 0; i < count; i++)
    if (has_sizes(configs[i], channel, pfd)) return configs[i];
  return configs[0];
}

}  // namespace

// Every Wayland compositor shows 24-bit XRGB.
int egl_bits_per_pixel() { return 24; }

int egl_choose_pixel_format(const window_record *, const PIXELFORMATDESCRIPTOR &pfd) {
  if (egl_display() == EGL_NO_DISPLAY) return 0;
  EGLConfig chosen = best_config(pfd);
  if (!chosen) return 0;
  std::vector<EGLConfig> configs = all_configs();
  auto found = std::find(configs.begin(), configs.end(), chosen);
  return found == configs.end() ? 0 : static_cast<int>(found - configs.begin()) + 1;
}

gl_surface *egl_create_surface(window_record *w, int format) {
  if (egl_display() == EGL_NO_DISPLAY) return nullptr;
  std::vector<EGLConfig> configs = all_configs();
  if (format < 1 || format > static_cast<int>(configs.size())) return nullptr;
  EGLConfig config = configs[format - 1];
  wl_egl_window *window = wl_egl_window_create(w->native->surface, w->width, w->height);
  if (!window) return nullptr;
  EGLSurface surface = eglCreatePlatformWindowSurface(egl_display(), config, window, nullptr);
  if (surface == EGL_NO_SURFACE) {
    wl_egl_window_destroy(window);
    return nullptr;
  }
  return new gl_surface{window, surface, config, false};
}

void egl_resize_surface(window_record *w) {
  wl_egl_window_resize(w->surface->window, w->width, w->height, 0, 0);
}

void egl_destroy_surface(gl_surface *surface) {
  eglDestroySurface(egl_display(), surface->surface);
  wl_egl_window_destroy(surface->window);
  delete surface;
}

// An OpenGL context that asks for no version is a compatibility one: the
// fixed pipeline and immediate mode of OpenGL 1.1, with its extensions.
HGLRC egl_create_context(window_record *w) {
  EGLContext context = eglCreateContext(egl_display(), w->surface->config, EGL_NO_CONTEXT, nullptr);
  return context == EGL_NO_CONTEXT ? nullptr : reinterpret_cast<HGLRC>(context);
}

// A swap must never wait for the compositor's next frame: it sends none to
// a surface nobody sees, and the saver must keep answering input and
// signals. Frames follow each other as fast as they are drawn, as on Win32.
bool egl_make_current(window_record *w, HGLRC context) {
  EGLDisplay display = egl_display();
  if (!w) return eglMakeCurrent(display, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
  EGLSurface surface = w->surface->surface;
  if (!eglMakeCurrent(display, surface, surface, reinterpret_cast<EGLContext>(context)))
    return false;
  if (!w->surface->unpaced) w->surface->unpaced = eglSwapInterval(display, 0);
  return true;
}

bool egl_delete_context(HGLRC hglrc) {
  EGLContext context = reinterpret_cast<EGLContext>(hglrc);
  if (eglGetCurrentContext() == context)
    eglMakeCurrent(egl_display(), EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
  return eglDestroyContext(egl_display(), context);
}

void egl_flush(window_record *) { glFlush(); }

bool egl_swap_buffers(window_record *w) {
  if (eglSwapBuffers(egl_display(), w->surface->surface)) return true;
  wayland_check_connection();
  return false;
}

PROC egl_proc_address(const char *name) { return reinterpret_cast<PROC>(eglGetProcAddress(name)); }
