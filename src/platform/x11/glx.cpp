// GL on X11 through GLX, where the X server offers it (the windows are
// gl_window.cpp). Pixel format n is the n-th GLX framebuffer config of the
// screen; a config is single- or double-buffered itself.
#include <GL/glx.h>

#include <vector>

#include "platform/emul/format_request.h"
#include "platform/x11/backend.h"
#include "platform/x11/display.h"
#include "platform/x11/gl_window.h"

namespace {

struct glx_surface : gl_surface {
  GLXFBConfig config;
};

int config_attribute(Display *display, GLXFBConfig config, int attribute) {
  int value = 0;
  glXGetFBConfigAttrib(display, config, attribute, &value);
  return value;
}

// The screen's configs in a fixed order: format n is element n - 1.
std::vector<GLXFBConfig> all_configs(Display *display) {
  int count = 0;
  GLXFBConfig *configs = glXGetFBConfigs(display, DefaultScreen(display), &count);
  std::vector<GLXFBConfig> list(configs, configs + (configs ? count : 0));
  if (configs) XFree(configs);
  return list;
}

config_sizes sizes_of(Display *display, GLXFBConfig config) {
  return {config_attribute(display, config, GLX_RED_SIZE),
          config_attribute(display, config, GLX_GREEN_SIZE),
          config_attribute(display, config, GLX_BLUE_SIZE),
          config_attribute(display, config, GLX_ALPHA_SIZE),
          config_attribute(display, config, GLX_DEPTH_SIZE)};
}

// The config for the request with the visual (0: any), or null. When no
// config has the buffering asked for, any will do.
GLXFBConfig best_config(Display *display, const format_request &request, VisualID visual) {
  int wanted[] = {
      GLX_X_RENDERABLE, True,
      GLX_DRAWABLE_TYPE, GLX_WINDOW_BIT,
      GLX_RENDER_TYPE, GLX_RGBA_BIT,
      GLX_X_VISUAL_TYPE, GLX_TRUE_COLOR,
      GLX_RED_SIZE, request.channel,
      GLX_GREEN_SIZE, request.channel,
      GLX_BLUE_SIZE, request.channel,
      GLX_ALPHA_SIZE, request.alpha,
      GLX_DEPTH_SIZE, request.depth,
      GLX_STENCIL_SIZE, request.stencil,
      GLX_DOUBLEBUFFER, request.double_buffered ? True : False,
      None};
  int &buffering = wanted[sizeof wanted / sizeof wanted[0] - 2];  // GLX_DOUBLEBUFFER's value
  for (int attempt = 0; attempt < 2; attempt++) {
    if (attempt == 1) buffering = static_cast<int>(GLX_DONT_CARE);
    int count = 0;
    GLXFBConfig *configs = glXChooseFBConfig(display, DefaultScreen(display), wanted, &count);
    std::vector<GLXFBConfig> fitting;
    std::vector<config_sizes> found;
    for (int i = 0; i < count; i++) {
      if (visual && static_cast<VisualID>(config_attribute(display, configs[i], GLX_VISUAL_ID)) != visual)
        continue;
      fitting.push_back(configs[i]);
      found.push_back(sizes_of(display, configs[i]));
    }
    if (configs) XFree(configs);
    int preferred = preferred_config(found, request);
    if (preferred >= 0) return fitting[preferred];
  }
  return nullptr;
}

int choose_pixel_format(const window_record *w, const PIXELFORMATDESCRIPTOR &pfd) {
  format_request request = read_format_request(pfd);
  if (!request.rgba) return 0;
  Display *display = x11_display();
  GLXFBConfig chosen = best_config(display, request, x11_required_visual(w));
  if (!chosen) return 0;
  int id = config_attribute(display, chosen, GLX_FBCONFIG_ID);
  std::vector<GLXFBConfig> configs = all_configs(display);
  for (size_t i = 0; i < configs.size(); i++)
    if (config_attribute(display, configs[i], GLX_FBCONFIG_ID) == id) return static_cast<int>(i + 1);
  return 0;
}

gl_surface *create_surface(window_record *w, int format) {
  Display *display = x11_display();
  std::vector<GLXFBConfig> configs = all_configs(display);
  if (format < 1 || format > static_cast<int>(configs.size())) return nullptr;
  GLXFBConfig config = configs[format - 1];
  Window drawn = x11_gl_drawable(w, config_attribute(display, config, GLX_VISUAL_ID));
  if (!drawn) return nullptr;
  bool single_buffered = !config_attribute(display, config, GLX_DOUBLEBUFFER);
  return new glx_surface{{drawn, single_buffered}, config};
}

// The child window goes with its parent (and the root window stays).
void destroy_surface(gl_surface *surface) { delete static_cast<glx_surface *>(surface); }

HGLRC create_context(window_record *w) {
  GLXFBConfig config = static_cast<glx_surface *>(w->surface)->config;
  return reinterpret_cast<HGLRC>(
      glXCreateNewContext(x11_display(), config, GLX_RGBA_TYPE, nullptr, True));
}

bool make_current(window_record *w, HGLRC context) {
  Display *display = x11_display();
  if (!w) return glXMakeContextCurrent(display, None, None, nullptr);
  return glXMakeContextCurrent(display, w->surface->drawn, w->surface->drawn,
                               reinterpret_cast<GLXContext>(context));
}

bool delete_context(HGLRC hglrc) {
  Display *display = x11_display();
  GLXContext context = reinterpret_cast<GLXContext>(hglrc);
  if (glXGetCurrentContext() == context) glXMakeContextCurrent(display, None, None, nullptr);
  glXDestroyContext(display, context);
  return true;
}

// A single-buffered config draws straight into the window; finishing the GL
// work is what makes the picture appear.
bool swap_buffers(window_record *w) {
  if (w->surface->single_buffered)
    glFinish();
  else
    glXSwapBuffers(x11_display(), w->surface->drawn);
  return true;
}

PROC proc_address(const char *name) {
  return reinterpret_cast<PROC>(glXGetProcAddressARB(reinterpret_cast<const GLubyte *>(name)));
}

}  // namespace

const x11_gl_api x11_glx = {
    choose_pixel_format, create_surface, destroy_surface, create_context,
    make_current,        delete_context, swap_buffers,    proc_address,
};
