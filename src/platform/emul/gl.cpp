// GDI pixel formats and WGL contexts over the window system's GL. A device
// context is its window: GetDC hands back the window's handle. As on Win32,
// a window's pixel format is set once; its surface then belongs to the
// window record and goes with the window.
//
// Presenting is deferred (see window_system.h): SwapBuffers only flushes, so
// the renderer rasterizes the frame while the program lets go of the context
// and sleeps; the swap itself waits for the next call that binds a context,
// deletes one, swaps, or changes the window's surface.
#include "platform/emul/frame_overlay.h"
#include "platform/emul/internal.h"

namespace {

// A context and the window it draws on; both null for none.
struct binding {
  window_record *window;
  HGLRC context;
};

bool operator==(const binding &a, const binding &b) {
  return a.window == b.window && a.context == b.context;
}

// What the last successful wglMakeCurrent bound.
binding current;
// The frame SwapBuffers handed over and nobody has presented yet: its
// window and the context that drew it.
binding pending;

void (*overlay)();

window_record *window_of(HDC hdc) { return find_window(reinterpret_cast<HWND>(hdc)); }

// The window behind a device context, once it has a pixel format.
window_record *surfaced_window(HDC hdc) {
  window_record *w = window_of(hdc);
  return w && w->surface ? w : nullptr;
}

bool bind(const binding &b) {
  if (!connected_window_system()->make_current(b.window, b.context)) return false;
  current = b.window ? b : binding{};
  return true;
}

}  // namespace

void present_pending_swap() {
  const window_system *backend = connected_window_system();
  binding frame = pending;
  pending = {};
  if (!frame.window || !backend) return;
  if (current == frame) {
    backend->swap_buffers(frame.window);
    return;
  }
  binding was = current;
  if (bind(frame)) backend->swap_buffers(frame.window);
  bind(was);
}

void present_swap_on(window_record *w) {
  if (pending.window == w) present_pending_swap();
}

void forget_surface_of(window_record *w) {
  if (pending.window == w) pending = {};
  if (current.window == w) current = {};
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
  if (overlay && current.window == w) overlay();
  bool drawn_over = pending.window == w;
  present_pending_swap();
  if (drawn_over) return TRUE;
  const window_system *backend = connected_window_system();
  if (current.window != w) return backend->swap_buffers(w);
  backend->flush(w);
  pending = current;
  return TRUE;
}

void set_frame_overlay(void (*draw)()) { overlay = draw; }

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
  if (!hglrc) return bind({});
  window_record *w = surfaced_window(hdc);
  if (!w || backend->window_gone(w) || !bind({w, hglrc})) return FALSE;
  present_pending_swap();
  if (!backend->window_gone(w)) return TRUE;
  bind({});
  return FALSE;
}

// The last frame a context drew is shown before the context goes.
BOOL WINAPI wglDeleteContext(HGLRC hglrc) {
  const window_system *backend = connected_window_system();
  if (!backend || !hglrc) return FALSE;
  if (pending.context == hglrc) present_pending_swap();
  if (current.context == hglrc) current = {};
  return backend->delete_context(hglrc);
}

PROC WINAPI wglGetProcAddress(LPCSTR lpszProc) {
  const window_system *backend = connected_window_system();
  return backend && lpszProc ? backend->proc_address(lpszProc) : nullptr;
}
