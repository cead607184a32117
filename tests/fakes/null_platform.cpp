// The GDI, WGL, kernel and window calls of the renderer, doing nothing: a
// pixel format and a context are always there, the window has no size, and
// the multitexture entry points are empty functions.
#include <cstring>

#include "fakes/null_gl.h"

DWORD null_tick_count = 0;

namespace {

void APIENTRY active_texture(GLenum) {}
void APIENTRY multi_tex_coord_2f(GLenum, GLfloat, GLfloat) {}
void APIENTRY multi_tex_coord_2fv(GLenum, const GLfloat *) {}
void APIENTRY multi_tex_coord_2dv(GLenum, const GLdouble *v) {
  if (null_gl_vertex_data) null_gl_keep({v[0], v[1]});
}

// Through void (*)(), the function type a cast may pass without a warning.
template <typename function>
PROC as_proc(function f) {
  return reinterpret_cast<PROC>(reinterpret_cast<void (*)()>(f));
}

}  // namespace

DWORD WINAPI GetTickCount() { return null_tick_count; }
void WINAPI Sleep(DWORD) {}
void WINAPI OutputDebugStringA(LPCSTR) {}

BOOL WINAPI GetClientRect(HWND, LPRECT lpRect) {
  *lpRect = RECT{0, 0, 0, 0};
  return TRUE;
}
int WINAPI MessageBoxA(HWND, LPCSTR, LPCSTR, UINT) { return IDOK; }

HDC WINAPI GetDC(HWND hWnd) { return reinterpret_cast<HDC>(hWnd); }
int WINAPI ReleaseDC(HWND, HDC) { return 1; }
int WINAPI GetDeviceCaps(HDC, int) { return 24; }
int WINAPI ChoosePixelFormat(HDC, const PIXELFORMATDESCRIPTOR *) { return 1; }
BOOL WINAPI SetPixelFormat(HDC, int, const PIXELFORMATDESCRIPTOR *) { return TRUE; }
BOOL WINAPI SwapBuffers(HDC) { return TRUE; }
HGLRC WINAPI wglCreateContext(HDC) { return reinterpret_cast<HGLRC>(1); }
BOOL WINAPI wglMakeCurrent(HDC, HGLRC) { return TRUE; }
BOOL WINAPI wglDeleteContext(HGLRC) { return TRUE; }

PROC WINAPI wglGetProcAddress(LPCSTR name) {
  if (std::strcmp(name, "glActiveTextureARB") == 0) return as_proc(active_texture);
  if (std::strcmp(name, "glMultiTexCoord2fARB") == 0) return as_proc(multi_tex_coord_2f);
  if (std::strcmp(name, "glMultiTexCoord2fvARB") == 0) return as_proc(multi_tex_coord_2fv);
  if (std::strcmp(name, "glMultiTexCoord2dvARB") == 0) return as_proc(multi_tex_coord_2dv);
  return nullptr;
}
