// Starting and stopping the renderer on the saver window: the geometry
// buffers, the pixel format, the GL context, the projection and the textures.
#include <cstddef>
#include <new>

#include "geometry/shape.h"
#include "platform/win32.h"
#include "render/multitex.h"
#include "render/textures.h"
#include "render/torvane.h"
#include "settings/settings.h"

HGLRC hRC = nullptr;
HDC hDC_static = nullptr;
int start_time = 0;
vector3 *warped_def = nullptr;
vector3 *vector_buf = nullptr;
vector3 *first_shape = nullptr;

namespace {

struct skin {
  const char *resource;
  int width;
  int height;
};

// Indexed by skin_id - 1.
const skin skins[] = {
    {"skin1", 64, 64},
    {"skin2", 256, 256},
    {"skin3", 256, 256},
    {"skin4", 128, 128},
};
static_assert(sizeof skins / sizeof skins[0] == skin_count, "one image per skin_id");

// The buffers one frame needs, sized by shape_points (which the settings
// keep within 4 to 50); any earlier ones are given back. A failed
// allocation leaves the renderer without a context, so every frame is
// skipped.
bool allocate_geometry() {
  delete[] warped_def;
  delete[] vector_buf;
  delete[] first_shape;
  warped_def = new (std::nothrow) vector3[shape_points];
  vector_buf = new (std::nothrow) vector3[4 * static_cast<std::size_t>(shape_points)];
  first_shape = new (std::nothrow) vector3[2 * static_cast<std::size_t>(shape_points)];
  return warped_def && vector_buf && first_shape;
}

}  // namespace

int oglSetPixelFormat(HDC hDC, BYTE type, DWORD flags) {
  PIXELFORMATDESCRIPTOR pfd = {};
  pfd.nSize = sizeof pfd;
  pfd.nVersion = 1;
  pfd.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | flags;
  pfd.iPixelType = type;
  pfd.cColorBits = static_cast<BYTE>(GetDeviceCaps(hDC, BITSPIXEL));
  // The frame driver tests depth; asked for none, common drivers give a
  // format without a depth buffer and the far side of the tube shows through.
  pfd.cDepthBits = 24;
  pfd.iLayerType = PFD_MAIN_PLANE;

  int format = ChoosePixelFormat(hDC, &pfd);
  if (format == 0) {
    MessageBoxA(nullptr, "ChoosePixelFormat() failed:  Cannot find format specified.", "Error", MB_OK);
    return 0;
  }
  if (!SetPixelFormat(hDC, format, &pfd)) {
    MessageBoxA(nullptr, "SetPixelFormat() failed:  Cannot set format specified.", "Error", MB_OK);
    return 0;
  }
  return format;
}

// A fixed 20 x 20 x 100 box, stretched over the whole window whatever its
// aspect; leaves the model-view matrix current for the frame driver.
void resize(int width, int height) {
  glViewport(0, 0, width, height);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glOrtho(-10, 10, -10, 10, 0, 100);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
}

int ss_initialize(HWND hWnd) {
  load_config();
  if (!allocate_geometry()) return 0;
  init_shape();
  prepare_ring_drawing();

  hDC_static = GetDC(hWnd);
  DWORD flags = (user_options & OPT_DOUBLE_BUFFER) ? PFD_DOUBLEBUFFER : 0;
  if (!oglSetPixelFormat(hDC_static, PFD_TYPE_RGBA, flags)) return 0;
  hRC = wglCreateContext(hDC_static);
  wglMakeCurrent(hDC_static, hRC);

  initialize_multitexturing();
  RECT client = {};
  GetClientRect(hWnd, &client);
  resize(client.right, client.bottom);

  if (skin_id >= 1 && skin_id <= skin_count) {
    const skin &chosen = skins[skin_id - 1];
    load_resource_texture(chosen.resource, 0, chosen.width, chosen.height);
  }
  load_resource_texture("refmap2", 1, 256, 256);

  wglMakeCurrent(nullptr, nullptr);
  ReleaseDC(hWnd, hDC_static);
  hDC_static = nullptr;
  start_time = static_cast<int>(GetTickCount());
  return 1;
}

int ss_shutdown(HWND hWnd) {
  wglMakeCurrent(nullptr, nullptr);
  if (hRC) wglDeleteContext(hRC);
  hRC = nullptr;
  // Still held only when start-up stopped at the pixel format.
  if (hDC_static) ReleaseDC(hWnd, hDC_static);
  hDC_static = nullptr;
  return 1;
}
