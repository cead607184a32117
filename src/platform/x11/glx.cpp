// Pixel formats, surfaces and contexts over GLX.
//
// Pixel format n is the n-th GLX framebuffer config of the screen. X fixes a
// window's visual when it is created, while Win32 sets the pixel format
// afterwards, so a surface is a child window with the chosen config's visual
// that covers the saver window and follows its size; GL draws into that
// child. The child selects no input, so key, button and motion events pass
// on to the saver window. The root window is drawn on itself, as
// XScreenSaver's hacks do: its formats are those with the root window's
// visual.
#include <GL/glx.h>

#include <algorithm>
#include <vector>

#include "platform/x11/backend.h"
#include "platform/x11/display.h"
#include "platform/x11/fps_overlay.h"

struct gl_surface {
  Window child;
  GLXFBConfig config;
  bool double_buffered;
};

namespace {

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

bool is_root_window(Display *display, const window_record *w) {
  return w && to_window(w->hwnd) == DefaultRootWindow(display);
}

// The visual a config must have to draw on the window: the root window's
// own for the root window, any (0) for the others.
VisualID required_visual(Display *display, const window_record *w) {
  return is_root_window(display, w) ? XVisualIDFromVisual(DefaultVisual(display, DefaultScreen(display)))
                                    : 0;
}

bool has_visual(Display *display, GLXFBConfig config, VisualID visual) {
  return !visual || static_cast<VisualID>(config_attribute(display, config, GLX_VISUAL_ID)) == visual;
}

// GLX's best match for the request, or null. GLX ranks deeper depth buffers
// first; like a Win32 driver, this takes the depth size asked for when there
// is one (the reflection pass is pulled forward by a few depth units, which
// a 32-bit float depth buffer swallows). The double-buffer flag is a wish:
// when no config has the buffering asked for, any will do. `visual`, when
// not 0, is the visual the config must have.
GLXFBConfig best_config(Display *display, const PIXELFORMATDESCRIPTOR &pfd, VisualID visual) {
  int channel = std::min(8, pfd.cColorBits / 3);
  int wanted[] = {
      GLX_X_RENDERABLE, True,
      GLX_DRAWABLE_TYPE, GLX_WINDOW_BIT,
      GLX_RENDER_TYPE, pfd.iPixelType == PFD_TYPE_RGBA ? GLX_RGBA_BIT : GLX_COLOR_INDEX_BIT,
      GLX_RED_SIZE, channel,
      GLX_GREEN_SIZE, channel,
      GLX_BLUE_SIZE, channel,
      GLX_ALPHA_SIZE, pfd.cAlphaBits,
      GLX_DEPTH_SIZE, pfd.cDepthBits,
      GLX_STENCIL_SIZE, pfd.cStencilBits,
      GLX_DOUBLEBUFFER, (pfd.dwFlags & PFD_DOUBLEBUFFER) ? True : False,
      None};
  int &buffering = wanted[sizeof wanted / sizeof wanted[0] - 2];  // GLX_DOUBLEBUFFER's value
  GLXFBConfig chosen = nullptr;
  for (int attempt = 0; attempt < 2 && !chosen; attempt++) {
    if (attempt == 1) buffering = static_cast<int>(GLX_DONT_CARE);
    int count = 0;
    GLXFBConfig *configs = glXChooseFBConfig(display, DefaultScreen(display), wanted, &count);
    GLXFBConfig first = nullptr;
    for (int i = 0; i < count && !chosen; i++) {
      if (!has_visual(display, configs[i], visual)) continue;
      if (!first) first = configs[i];
      if (config_attribute(display, configs[i], GLX_DEPTH_SIZE) == pfd.cDepthBits) chosen = configs[i];
    }
    if (!chosen) chosen = first;
    if (configs) XFree(configs);
  }
  return chosen;
}

// A mapped child of the saver window that covers it, with the config's
// visual; 0 when there is none for the config.
Window create_gl_child(Display *display, const window_record *w, GLXFBConfig config) {
  XVisualInfo *visual = glXGetVisualFromFBConfig(display, config);
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

int glx_bits_per_pixel() {
  Display *display = x11_display();
  return DefaultDepth(display, DefaultScreen(display));
}

int glx_choose_pixel_format(const window_record *w, const PIXELFORMATDESCRIPTOR &pfd) {
  Display *display = x11_display();
  GLXFBConfig chosen = best_config(display, pfd, required_visual(display, w));
  if (!chosen) return 0;
  int id = config_attribute(display, chosen, GLX_FBCONFIG_ID);
  std::vector<GLXFBConfig> configs = all_configs(display);
  for (size_t i = 0; i < configs.size(); i++)
    if (config_attribute(display, configs[i], GLX_FBCONFIG_ID) == id) return static_cast<int>(i + 1);
  return 0;
}

gl_surface *glx_create_surface(window_record *w, int format) {
  Display *display = x11_display();
  std::vector<GLXFBConfig> configs = all_configs(display);
  if (format < 1 || format > static_cast<int>(configs.size())) return nullptr;
  GLXFBConfig config = configs[format - 1];
  Window drawn;
  if (is_root_window(display, w)) {
    if (!has_visual(display, config, required_visual(display, w))) return nullptr;
    drawn = to_window(w->hwnd);
  } else {
    drawn = create_gl_child(display, w, config);
    if (!drawn) return nullptr;
  }
  return new gl_surface{drawn, config, config_attribute(display, config, GLX_DOUBLEBUFFER) != 0};
}

void glx_resize_surface(window_record *w) {
  if (w->surface->child != to_window(w->hwnd))
    XResizeWindow(x11_display(), w->surface->child, w->width, w->height);
}

// The child window goes with its parent (and the root window stays).
void glx_destroy_surface(gl_surface *surface) { delete surface; }

// The frame is finished here, its context current: the -fps figure goes on
// it before the rasterizer starts.
void glx_flush(window_record *) {
  draw_frame_rate(x11_display());
  glFlush();
}

// A single-buffered surface is drawn straight into the window; finishing
// the GL work is what makes the picture appear.
bool glx_swap_buffers(window_record *w) {
  if (w->surface->double_buffered)
    glXSwapBuffers(x11_display(), w->surface->child);
  else
    glFinish();
  return true;
}

HGLRC glx_create_context(window_record *w) {
  GLXContext context =
      glXCreateNewContext(x11_display(), w->surface->config, GLX_RGBA_TYPE, nullptr, True);
  return reinterpret_cast<HGLRC>(context);
}

bool glx_make_current(window_record *w, HGLRC context) {
  Display *display = x11_display();
  if (!w) return glXMakeContextCurrent(display, None, None, nullptr);
  return glXMakeContextCurrent(display, w->surface->child, w->surface->child,
                               reinterpret_cast<GLXContext>(context));
}

bool glx_delete_context(HGLRC hglrc) {
  Display *display = x11_display();
  GLXContext context = reinterpret_cast<GLXContext>(hglrc);
  if (glXGetCurrentContext() == context) glXMakeContextCurrent(display, None, None, nullptr);
  forget_frame_rate_font(context);
  glXDestroyContext(display, context);
  return true;
}

PROC glx_proc_address(const char *name) {
  return reinterpret_cast<PROC>(glXGetProcAddressARB(reinterpret_cast<const GLubyte *>(name)));
}
