#include "platform/egl/egl_gl.h"

#include <algorithm>
#include <vector>

namespace {

// The display's configs in a fixed order: config n is element n - 1.
std::vector<EGLConfig> all_configs(EGLDisplay display) {
  EGLint count = 0;
  if (!eglGetConfigs(display, nullptr, 0, &count) || count <= 0) return {};
  std::vector<EGLConfig> configs(count);
  eglGetConfigs(display, configs.data(), count, &count);
  configs.resize(count);
  return configs;
}

bool has_sizes(EGLDisplay display, EGLConfig config, int channel, const PIXELFORMATDESCRIPTOR &pfd) {
  return egl_config_attribute(display, config, EGL_RED_SIZE) == channel &&
         egl_config_attribute(display, config, EGL_GREEN_SIZE) == channel &&
         egl_config_attribute(display, config, EGL_BLUE_SIZE) == channel &&
         egl_config_attribute(display, config, EGL_ALPHA_SIZE) == pfd.cAlphaBits &&
         egl_config_attribute(display, config, EGL_DEPTH_SIZE) == pfd.cDepthBits;
}

bool has_visual(EGLDisplay display, EGLConfig config, const egl_format_rules &rules) {
  return !rules.visual || egl_config_attribute(display, config, EGL_NATIVE_VISUAL_ID) == rules.visual;
}

EGLConfig best_config(EGLDisplay display, const PIXELFORMATDESCRIPTOR &pfd,
                      const egl_format_rules &rules) {
  if (pfd.iPixelType != PFD_TYPE_RGBA) return nullptr;
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
      EGL_NATIVE_VISUAL_TYPE, rules.visual_type ? rules.visual_type : EGL_DONT_CARE,
      EGL_NONE};
  EGLint count = 0;
  if (!eglChooseConfig(display, wanted, nullptr, 0, &count) || count <= 0) return nullptr;
  std::vector<EGLConfig> configs(count);
  eglChooseConfig(display, wanted, configs.data(), count, &count);
  EGLConfig first = nullptr;
  for (EGLint i = 0; i < count; i++) {
    if (!has_visual(display, configs[i], rules)) continue;
    if (has_sizes(display, configs[i], channel, pfd)) return configs[i];
    if (!first) first = configs[i];
  }
  return first;
}

}  // namespace

EGLDisplay egl_open_display(EGLenum platform, void *native_display) {
  EGLDisplay display = eglGetPlatformDisplay(platform, native_display, nullptr);
  if (display == EGL_NO_DISPLAY || !eglInitialize(display, nullptr, nullptr) ||
      !eglBindAPI(EGL_OPENGL_API))
    return EGL_NO_DISPLAY;
  return display;
}

EGLint egl_config_attribute(EGLDisplay display, EGLConfig config, EGLint attribute) {
  EGLint value = 0;
  eglGetConfigAttrib(display, config, attribute, &value);
  return value;
}

int egl_choose_format(EGLDisplay display, const PIXELFORMATDESCRIPTOR &pfd,
                      const egl_format_rules &rules) {
  if (display == EGL_NO_DISPLAY) return 0;
  EGLConfig chosen = best_config(display, pfd, rules);
  if (!chosen) return 0;
  std::vector<EGLConfig> configs = all_configs(display);
  auto found = std::find(configs.begin(), configs.end(), chosen);
  if (found == configs.end()) return 0;
  int format = static_cast<int>(found - configs.begin()) + 1;
  bool single = rules.single_buffering && !(pfd.dwFlags & PFD_DOUBLEBUFFER);
  return single ? format + static_cast<int>(configs.size()) : format;
}

bool egl_format_of(EGLDisplay display, int format, const egl_format_rules &rules, egl_format *out) {
  if (display == EGL_NO_DISPLAY) return false;
  std::vector<EGLConfig> configs = all_configs(display);
  int count = static_cast<int>(configs.size());
  int formats = rules.single_buffering ? 2 * count : count;
  if (format < 1 || format > formats) return false;
  *out = {configs[(format - 1) % count], format > count};
  return true;
}

const EGLAttrib *egl_surface_attributes(const egl_format &format) {
  static const EGLAttrib single[] = {EGL_RENDER_BUFFER, EGL_SINGLE_BUFFER, EGL_NONE};
  static const EGLAttrib back[] = {EGL_RENDER_BUFFER, EGL_BACK_BUFFER, EGL_NONE};
  return format.single_buffered ? single : back;
}

HGLRC egl_new_context(EGLDisplay display, EGLConfig config) {
  EGLContext context = eglCreateContext(display, config, EGL_NO_CONTEXT, nullptr);
  return context == EGL_NO_CONTEXT ? nullptr : reinterpret_cast<HGLRC>(context);
}

bool egl_bind(EGLDisplay display, EGLSurface surface, HGLRC context) {
  if (surface == EGL_NO_SURFACE)
    return eglMakeCurrent(display, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
  return eglMakeCurrent(display, surface, surface, reinterpret_cast<EGLContext>(context));
}

bool egl_destroy_context(EGLDisplay display, HGLRC hglrc) {
  EGLContext context = reinterpret_cast<EGLContext>(hglrc);
  if (eglGetCurrentContext() == context)
    eglMakeCurrent(display, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
  return eglDestroyContext(display, context);
}

bool egl_present(EGLDisplay display, EGLSurface surface, bool single_buffered) {
  if (!single_buffered) return eglSwapBuffers(display, surface);
  glFinish();
  return true;
}

PROC egl_function(const char *name) { return reinterpret_cast<PROC>(eglGetProcAddress(name)); }
