// The platform's own part of every frame allocates nothing: the main loop's
// look at an empty queue, the device context, binding the context (which
// presents the frame before), SwapBuffers and letting go. The window
// system's GL entries here allocate nothing either; the real ones' per-frame
// allocations are the GL library's own.
#include <gtest/gtest.h>

#include "platform/emul/window_system.h"
#include "quiet_window_system.h"
#include "unit/render/allocation_count.h"

struct gl_surface {};

namespace {

gl_surface the_surface;
int swaps = 0;

int bits_per_pixel() { return 24; }
int choose_pixel_format(const window_record *, const PIXELFORMATDESCRIPTOR &) { return 1; }
gl_surface *create_surface(window_record *, int) { return &the_surface; }
void resize_surface(window_record *) {}
HGLRC create_context(window_record *w) { return reinterpret_cast<HGLRC>(w->hwnd); }
bool make_current(window_record *, HGLRC) { return true; }
bool window_gone(window_record *) { return false; }
bool delete_context(HGLRC) { return true; }
void flush(window_record *) {}
bool swap_buffers(window_record *) {
  swaps++;
  return true;
}
PROC proc_address(const char *) { return nullptr; }

window_system with_gl() {
  window_system backend = quiet_window_system();
  backend.bits_per_pixel = bits_per_pixel;
  backend.choose_pixel_format = choose_pixel_format;
  backend.create_surface = create_surface;
  backend.resize_surface = resize_surface;
  backend.create_context = create_context;
  backend.make_current = make_current;
  backend.window_gone = window_gone;
  backend.delete_context = delete_context;
  backend.flush = flush;
  backend.swap_buffers = swap_buffers;
  backend.proc_address = proc_address;
  return backend;
}

const window_system backend = with_gl();

// One turn of the saver's loop that draws: the queue is empty, so a frame.
void loop_turn(HWND hwnd, HGLRC context) {
  MSG msg;
  ASSERT_FALSE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
  HDC dc = GetDC(hwnd);
  ASSERT_TRUE(wglMakeCurrent(dc, context));
  ASSERT_TRUE(SwapBuffers(dc));
  ASSERT_TRUE(wglMakeCurrent(nullptr, nullptr));
  ReleaseDC(hwnd, dc);
}

TEST(FrameCalls, AllocateNothing) {
  use_window_system(&backend);
  WNDCLASSA wc = {};
  wc.lpfnWndProc = DefWindowProcA;
  wc.lpszClassName = "frame calls test";
  RegisterClassA(&wc);
  long at_start = allocation_count();
  HWND hwnd = CreateWindowExA(0, "frame calls test", "", WS_POPUP, 0, 0, 64, 48, nullptr, nullptr,
                              nullptr, nullptr);
  ASSERT_TRUE(hwnd);
  // The counter sees the window table grow, so it is really counting.
  ASSERT_GT(allocation_count(), at_start);
  PIXELFORMATDESCRIPTOR pfd = {};
  ASSERT_TRUE(SetPixelFormat(GetDC(hwnd), 1, &pfd));
  HGLRC context = wglCreateContext(GetDC(hwnd));
  loop_turn(hwnd, context);

  long before = allocation_count();
  for (int frame = 0; frame < 3; frame++) loop_turn(hwnd, context);
  EXPECT_EQ(allocation_count(), before);
  // Each bind presented the frame before it.
  EXPECT_EQ(swaps, 3);
  DefWindowProcA(hwnd, WM_CLOSE, 0, 0);
}

}  // namespace
