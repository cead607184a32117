// Fake GDI pixel formats and WGL contexts, plus MessageBoxA: each call is
// appended to call_log ("GetDC(0x10)", "wglMakeCurrent(0x1010, 0x5000)");
// the results a test steers, and what the fakes saw, live in fake_gdi.
#pragma once

#include <string>
#include <vector>

#include "fakes/call_log.h"
#include "platform/win32.h"

struct fake_gdi_state {
  int bits_per_pixel = 24;              // GetDeviceCaps(BITSPIXEL)
  int choose_pixel_format_result = 1;   // ChoosePixelFormat
  BOOL set_pixel_format_result = TRUE;  // SetPixelFormat
  // Entry points the fake wglGetProcAddress answers with null although the
  // fake GL offers them.
  std::vector<std::string> missing_procs;

  PIXELFORMATDESCRIPTOR last_pixel_format{};  // as ChoosePixelFormat saw it
  PIXELFORMATDESCRIPTOR set_pixel_format{};   // as SetPixelFormat saw it
  std::vector<std::string> message_boxes;     // "caption|text", in order
};
extern fake_gdi_state fake_gdi;

// Back to the start values above.
void fake_gdi_reset();

// GetDC gives window w the device context fake_dc_base + w; wglCreateContext
// always makes fake_context.
const uintptr_t fake_dc_base = 0x1000;
extern const HGLRC fake_context;
HDC fake_dc_of(HWND window);
