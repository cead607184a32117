#include "fakes/fake_gdi.h"

#include <algorithm>
#include <cstring>

#include "fakes/fake_gl.h"

fake_gdi_state fake_gdi;

void fake_gdi_reset() { fake_gdi = {}; }
const HGLRC fake_context = reinterpret_cast<HGLRC>(0x5000);

namespace {

struct entry_point {
  const char *name;
  PROC address;
};

// Through void (*)(), the function type a cast may pass without a warning.
template <typename function>
PROC as_proc(function f) {
  return reinterpret_cast<PROC>(reinterpret_cast<void (*)()>(f));
}

const entry_point entry_points[] = {
    {"glActiveTextureARB", as_proc(fake_glActiveTextureARB)},
    {"glMultiTexCoord2fARB", as_proc(fake_glMultiTexCoord2fARB)},
    {"glMultiTexCoord2fvARB", as_proc(fake_glMultiTexCoord2fvARB)},
    {"glMultiTexCoord2dvARB", as_proc(fake_glMultiTexCoord2dvARB)},
};

bool missing(const char *name) {
  const std::vector<std::string> &names = fake_gdi.missing_procs;
  return std::find(names.begin(), names.end(), name) != names.end();
}

}  // namespace

HDC fake_dc_of(HWND window) {
  return reinterpret_cast<HDC>(fake_dc_base + reinterpret_cast<uintptr_t>(window));
}

HDC WINAPI GetDC(HWND hWnd) {
  log_call("GetDC", {log_pointer(hWnd)});
  return fake_dc_of(hWnd);
}

int WINAPI ReleaseDC(HWND hWnd, HDC hDC) {
  log_call("ReleaseDC", {log_pointer(hWnd), log_pointer(hDC)});
  return 1;
}

int WINAPI GetDeviceCaps(HDC hdc, int index) {
  log_call("GetDeviceCaps", {log_pointer(hdc), index == BITSPIXEL ? "BITSPIXEL" : std::to_string(index)});
  return index == BITSPIXEL ? fake_gdi.bits_per_pixel : 0;
}

int WINAPI ChoosePixelFormat(HDC hdc, const PIXELFORMATDESCRIPTOR *ppfd) {
  fake_gdi.last_pixel_format = *ppfd;
  log_call("ChoosePixelFormat", {log_pointer(hdc)});
  return fake_gdi.choose_pixel_format_result;
}

BOOL WINAPI SetPixelFormat(HDC hdc, int format, const PIXELFORMATDESCRIPTOR *ppfd) {
  fake_gdi.set_pixel_format = *ppfd;
  log_call("SetPixelFormat", {log_pointer(hdc), std::to_string(format)});
  return fake_gdi.set_pixel_format_result;
}

BOOL WINAPI SwapBuffers(HDC hdc) {
  log_call("SwapBuffers", {log_pointer(hdc)});
  return TRUE;
}

HGLRC WINAPI wglCreateContext(HDC hdc) {
  log_call("wglCreateContext", {log_pointer(hdc)});
  return fake_context;
}

BOOL WINAPI wglMakeCurrent(HDC hdc, HGLRC hglrc) {
  log_call("wglMakeCurrent", {log_pointer(hdc), log_pointer(hglrc)});
  return TRUE;
}

BOOL WINAPI wglDeleteContext(HGLRC hglrc) {
  log_call("wglDeleteContext", {log_pointer(hglrc)});
  return TRUE;
}

PROC WINAPI wglGetProcAddress(LPCSTR lpszProc) {
  log_call("wglGetProcAddress", {lpszProc});
  if (missing(lpszProc)) return nullptr;
  for (const entry_point &known : entry_points)
    if (std::strcmp(known.name, lpszProc) == 0) return known.address;
  return nullptr;
}
