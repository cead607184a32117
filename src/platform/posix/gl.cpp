// GDI pixel formats and WGL contexts over GLX.
//
// A device context is its window: GetDC hands back the window id. Pixel
// format n is the n-th GLX framebuffer config of the screen. X fixes a
// window's visual when it is created, so SetPixelFormat creates a child
// window with the chosen config's visual that covers the saver window and
// follows its size (gl_surface_follow); GL draws into that child. The child
// selects no input, so key, button and motion events pass on to the saver
// window. The root window is drawn on itself, as XScreenSaver's hacks do:
// its formats are those with the root window's visual.
#include "platform/win32.h"

#include <GL/glx.h>

#include <algorithm>
#include <vector>

#include "platform/posix/fps_overlay.h"
#include "platform/posix/gl_surface.h"
#include "platform/posix/x11_display.h"

namespace {

struct gl_surface {
  Window parent;
  Window child;
  int format;
  GLXFBConfig config;
  bool double_buffered;
};

std::vector<gl_surface> surfaces;

Window window_of(HDC hdc) { return static_cast<Window>(reinterpret_cast<uintptr_t>(hdc)); }

gl_surface *surface_of(Window parent) {
  for (gl_surface &s : surfaces)
    if (s.parent == parent) return &s;
  return nullptr;
}

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

bool is_root_window(Display *display, Window window) { return window == DefaultRootWindow(display); }

// The visual a config must have to draw on the window: the root window's
// own for the root window, any (0) for the others.
VisualID required_visual(Display *display, Window window) {
  return is_root_window(display, window) ? XVisualIDFromVisual(DefaultVisual(display, DefaultScreen(display)))
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

// A mapped child of `parent` that covers it, with the config's visual; 0 if
// the parent is gone.
Window create_gl_child(Display *display, Window parent, GLXFBConfig config) {
  XWindowAttributes parent_attributes;
  if (!XGetWindowAttributes(display, parent, &parent_attributes)) return 0;
  XVisualInfo *visual = glXGetVisualFromFBConfig(display, config);
  if (!visual) return 0;

  XSetWindowAttributes attributes = {};
  attributes.colormap = XCreateColormap(display, parent, visual->visual, AllocNone);
  attributes.border_pixel = 0;
  attributes.background_pixmap = None;  // GL paints every pixel; no flash of a background
  attributes.event_mask = NoEventMask;
  attributes.do_not_propagate_mask = NoEventMask;
  Window child = XCreateWindow(display, parent, 0, 0, std::max(1, parent_attributes.width),
                               std::max(1, parent_attributes.height), 0, visual->depth, InputOutput,
                               visual->visual,
                               CWColormap | CWBorderPixel | CWBackPixmap | CWEventMask | CWDontPropagate,
                               &attributes);
  XFree(visual);
  XMapWindow(display, child);
  XFlush(display);
  return child;
}

}  // namespace

HDC WINAPI GetDC(HWND hWnd) { return reinterpret_cast<HDC>(hWnd); }

int WINAPI ReleaseDC(HWND, HDC) { return 1; }

int WINAPI GetDeviceCaps(HDC, int index) {
  Display *display = x11_display();
  if (!display || index != BITSPIXEL) return 0;
  return DefaultDepth(display, DefaultScreen(display));
}

int WINAPI ChoosePixelFormat(HDC hdc, const PIXELFORMATDESCRIPTOR *ppfd) {
  Display *display = x11_display();
  if (!display || !ppfd) return 0;
  GLXFBConfig chosen = best_config(display, *ppfd, required_visual(display, window_of(hdc)));
  if (!chosen) return 0;
  int id = config_attribute(display, chosen, GLX_FBCONFIG_ID);
  std::vector<GLXFBConfig> configs = all_configs(display);
  for (size_t i = 0; i < configs.size(); i++)
    if (config_attribute(display, configs[i], GLX_FBCONFIG_ID) == id) return static_cast<int>(i + 1);
  return 0;
}

// As on Win32, a window's format is set once: setting it again succeeds
// only with the same format.
BOOL WINAPI SetPixelFormat(HDC hdc, int format, const PIXELFORMATDESCRIPTOR *) {
  Display *display = x11_display();
  Window parent = window_of(hdc);
  if (!display || !parent) return FALSE;
  if (const gl_surface *existing = surface_of(parent)) return existing->format == format;
  std::vector<GLXFBConfig> configs = all_configs(display);
  if (format < 1 || format > static_cast<int>(configs.size())) return FALSE;
  GLXFBConfig config = configs[format - 1];
  Window drawn = parent;
  if (is_root_window(display, parent)) {
    if (!has_visual(display, config, required_visual(display, parent))) return FALSE;
  } else {
    drawn = create_gl_child(display, parent, config);
    if (!drawn) return FALSE;
  }
  surfaces.push_back({parent, drawn, format, config,
                      config_attribute(display, config, GLX_DOUBLEBUFFER) != 0});
  return TRUE;
}

void gl_surface_follow(Window parent, int width, int height) {
  Display *display = x11_display();
  const gl_surface *surface = surface_of(parent);
  if (!display || !surface || surface->child == parent) return;
  XResizeWindow(display, surface->child, std::max(1, width), std::max(1, height));
}

// A single-buffered surface is drawn straight into the window; finishing
// the GL work is what makes the picture appear.
BOOL WINAPI SwapBuffers(HDC hdc) {
  Display *display = x11_display();
  const gl_surface *surface = surface_of(window_of(hdc));
  if (!display || !surface) return FALSE;
  draw_frame_rate(display);
  if (surface->double_buffered)
    glXSwapBuffers(display, surface->child);
  else
    glFinish();
  return TRUE;
}

HGLRC WINAPI wglCreateContext(HDC hdc) {
  Display *display = x11_display();
  const gl_surface *surface = surface_of(window_of(hdc));
  if (!display || !surface) return nullptr;
  GLXContext context = glXCreateNewContext(display, surface->config, GLX_RGBA_TYPE, nullptr, True);
  return reinterpret_cast<HGLRC>(context);
}

BOOL WINAPI wglMakeCurrent(HDC hdc, HGLRC hglrc) {
  Display *display = x11_display();
  if (!display) return FALSE;
  if (!hglrc) return glXMakeContextCurrent(display, None, None, nullptr);
  const gl_surface *surface = surface_of(window_of(hdc));
  if (!surface) return FALSE;
  return glXMakeContextCurrent(display, surface->child, surface->child,
                               reinterpret_cast<GLXContext>(hglrc));
}

BOOL WINAPI wglDeleteContext(HGLRC hglrc) {
  Display *display = x11_display();
  if (!display || !hglrc) return FALSE;
  GLXContext context = reinterpret_cast<GLXContext>(hglrc);
  if (glXGetCurrentContext() == context) glXMakeContextCurrent(display, None, None, nullptr);
  glXDestroyContext(display, context);
  return TRUE;
}

PROC WINAPI wglGetProcAddress(LPCSTR lpszProc) {
  return reinterpret_cast<PROC>(glXGetProcAddressARB(reinterpret_cast<const GLubyte *>(lpszProc)));
}
