// GDI pixel formats and WGL contexts over the window system's GL. A device
// context is its window: GetDC hands back the window's handle. As on Win32,
// a window's pixel format is set once; its surface then belongs to the
// window record and goes with the window.
#include "platform/emul/internal.h"

namespace {

window_record *window_of(HDC hdc) { return find_window(reinterpret_cast<HWND>(hdc)); }

// The window behind a device context, once it has a pixel format.
window_record *surfaced_window(HDC hdc) {
  window_record *w = window_of(hdc);
  return w && w->surface ? w : nullptr;
}

}  // namespace

HDC WINAPI GetDC(HWND hWnd) { return reinterpret_cast<HDC>(hWnd); }

int WINAPI ReleaseDC(HWND, HDC) { return 1; }

int WINAPI GetDeviceCaps(HDC, int index) {
  const window_system *backend = connected_window_system();
  return backend && index == BITSPIXEL ? backend->bits_per_pixel() : 0;
}

int WINAPI ChoosePixelFormat(HDC hdc, const PIXELFORMATDESCRIPTOR *ppfd) {
  const window_system *backend = connected_window_system();
  return backend && ppfd ? backend->choose_pixel_format(window_of(hdc), *ppfd) : 0;
}

BOOL WINAPI SetPixelFormat(HDC hdc, int format, const PIXELFORMATDESCRIPTOR *) {
  window_record *w = window_of(hdc);
  const window_system *backend = connected_window_system();
  if (!w || !backend) return FALSE;
  if (w->surface) return w->pixel_format == format;
  w->surface = backend->create_surface(w, format);
  if (!w->surface) return FALSE;
  w->pixel_format = format;
  return TRUE;
}

BOOL WINAPI SwapBuffers(HDC hdc) {
  window_record *w = surfaced_window(hdc);
  return w && connected_window_system()->swap_buffers(w);
}

HGLRC WINAPI wglCreateContext(HDC hdc) {
  window_record *w = surfaced_window(hdc);
  return w ? connected_window_system()->create_context(w) : nullptr;
}

BOOL WINAPI wglMakeCurrent(HDC hdc, HGLRC hglrc) {
  const window_system *backend = connected_window_system();
  if (!backend) return FALSE;
  if (!hglrc) return backend->make_current(nullptr, nullptr);
  window_record *w = surfaced_window(hdc);
  return w && backend->make_current(w, hglrc);
}

BOOL WINAPI wglDeleteContext(HGLRC hglrc) {
  const window_system *backend = connected_window_system();
  return backend && hglrc && backend->delete_context(hglrc);
}

PROC WINAPI wglGetProcAddress(LPCSTR lpszProc) {
  const window_system *backend = connected_window_system();
  return backend && lpszProc ? backend->proc_address(lpszProc) : nullptr;
}
