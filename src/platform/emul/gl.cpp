// GDI pixel formats and WGL contexts over the window system's GL. A device
// context is its window: GetDC hands back the window's handle. As on Win32,
// a window's pixel format is set once; its surface then belongs to the
// window record and goes with the window.
//
// Presenting is deferred (see window_system.h): SwapBuffers only flushes, so
// the renderer rasterizes the frame while the program lets go of the context
// and sleeps; the swap itself waits for the next call that binds a context,
// deletes one, swaps, or changes the window's surface.
#include "platform/emul/internal.h"

namespace {

// What the last successful wglMakeCurrent bound; null when nothing is.
window_record *current_window;
HGLRC current_context;

// The frame SwapBuffers handed over and nobody has presented yet: its
// window and the context that drew it.
window_record *pending_window;
HGLRC pending_context;

window_record *window_of(HDC hdc) { return find_window(reinterpret_cast<HWND>(hdc)); }

// The window behind a device context, once it has a pixel format.
window_record *surfaced_window(HDC hdc) {
  window_record *w = window_of(hdc);
  return w && w->surface ? w : nullptr;
}

void drop_pending() {
  pending_window = nullptr;
  pending_context = nullptr;
}

bool bind(window_record *w, HGLRC context) {
  if (!connected_window_system()->make_current(w, context)) return false;
  current_window = w;
  current_context = w ? context : nullptr;
  return true;
}

}  // namespace

void present_pending_swap() {
  const window_system *backend = connected_window_system();
  window_record *w = pending_window;
  HGLRC context = pending_context;
  drop_pending();
  if (!w || !backend) return;
  if (current_window == w && current_context == context) {
    backend->swap_buffers(w);
    return;
  }
  window_record *was_window = current_window;
  HGLRC was_context = current_context;
  if (bind(w, context)) backend->swap_buffers(w);
  bind(was_window, was_context);
}

void present_swap_on(window_record *w) {
  if (pending_window == w) present_pending_swap();
}

void forget_surface_of(window_record *w) {
  if (pending_window == w) drop_pending();
  if (current_window == w) {
    current_window = nullptr;
    current_context = nullptr;
  }
}

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

// A frame still pending on this window was drawn over by a caller that kept
// its context current: the swap now presents the latest drawing, once.
// Without a context of ours drawing on the window, the swap is at once.
BOOL WINAPI SwapBuffers(HDC hdc) {
  window_record *w = surfaced_window(hdc);
  if (!w) return FALSE;
  bool drawn_over = pending_window == w;
  present_pending_swap();
  if (drawn_over) return TRUE;
  const window_system *backend = connected_window_system();
  if (current_window != w) return backend->swap_buffers(w);
  backend->flush(w);
  pending_window = w;
  pending_context = current_context;
  return TRUE;
}

HGLRC WINAPI wglCreateContext(HDC hdc) {
  window_record *w = surfaced_window(hdc);
  return w ? connected_window_system()->create_context(w) : nullptr;
}

// Letting go of the context leaves a pending frame pending; binding one
// presents it first thing, before the caller draws again. A window whose
// end the window system has told of, before the bind or while the swap
// waited, gets no context: the caller's frame then draws nothing, and the
// window's end reaches the table at the next pump.
BOOL WINAPI wglMakeCurrent(HDC hdc, HGLRC hglrc) {
  const window_system *backend = connected_window_system();
  if (!backend) return FALSE;
  if (!hglrc) return bind(nullptr, nullptr);
  window_record *w = surfaced_window(hdc);
  if (!w || backend->window_gone(w) || !bind(w, hglrc)) return FALSE;
  present_pending_swap();
  if (!backend->window_gone(w)) return TRUE;
  bind(nullptr, nullptr);
  return FALSE;
}

// The last frame a context drew is shown before the context goes.
BOOL WINAPI wglDeleteContext(HGLRC hglrc) {
  const window_system *backend = connected_window_system();
  if (!backend || !hglrc) return FALSE;
  if (pending_context == hglrc) present_pending_swap();
  if (current_context == hglrc) {
    current_window = nullptr;
    current_context = nullptr;
  }
  return backend->delete_context(hglrc);
}

PROC WINAPI wglGetProcAddress(LPCSTR lpszProc) {
  const window_system *backend = connected_window_system();
  return backend && lpszProc ? backend->proc_address(lpszProc) : nullptr;
}
