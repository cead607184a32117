#include "platform/egl/egl_gl.h"

#include <algorithm>
#include <vector>

#include "platform/emul/format_request.h"

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

config_sizes sizes_of(EGLDisplay display, EGLConfig config) {
  return {egl_config_attribute(display, config, EGL_RED_SIZE),
          egl_config_attribute(display, config, EGL_GREEN_SIZE),
          egl_config_attribute(display, config, EGL_BLUE_SIZE),
          egl_config_attribute(display, config, EGL_ALPHA_SIZE),
          egl_config_attribute(display, config, EGL_DEPTH_SIZE)};
}

bool has_visual(EGLDisplay display, EGLConfig config, const egl_format_rules &rules) {
  return !rules.visual || egl_config_attribute(display, config, EGL_NATIVE_VISUAL_ID) == rules.visual;
}

EGLConfig best_config(EGLDisplay display, const PIXELFORMATDESCRIPTOR &pfd,
                      const egl_format_rules &rules) {
  format_request request = read_format_request(pfd);
  if (!request.rgba) return nullptr;
  const EGLint wanted[] = {
      EGL_SURFACE_TYPE, EGL_WINDOW_BIT,
      EGL_RENDERABLE_TYPE, EGL_OPENGL_BIT,
      EGL_RED_SIZE, request.channel,
      EGL_GREEN_SIZE, request.channel,
      EGL_BLUE_SIZE, request.channel,
      EGL_ALPHA_SIZE, request.alpha,
      EGL_DEPTH_SIZE, request.depth,
      EGL_STENCIL_SIZE, request.stencil,
      EGL_NATIVE_VISUAL_TYPE, rules.visual_type ? rules.visual_type : EGL_DONT_CARE,
      EGL_NONE};
  EGLint count = 0;
  if (!eglChooseConfig(display, wanted, nullptr, 0, &count) || count <= 0) return nullptr;
  std::vector<EGLConfig> configs(count);
  eglChooseConfig(display, wanted, configs.data(), count, &count);
  configs.resize(count);
  configs.erase(std::remove_if(configs.begin(), configs.end(),
                               [&](EGLConfig c) { return !has_visual(display, c, rules); }),
                configs.end());
  std::vector<config_sizes> found;
  for (EGLConfig config : configs) found.push_back(sizes_of(display, config));
  int preferred = preferred_config(found, request);
  return preferred < 0 ? nullptr : configs[preferred];
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
  bool single = rules.single_buffering && !read_format_request(pfd).double_buffered;
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
