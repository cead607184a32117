#include "frame_clock.h"

#include <time.h>

#include "render/torvane.h"

namespace {

double seconds_of(clockid_t clock) {
  timespec now;
  clock_gettime(clock, &now);
  return static_cast<double>(now.tv_sec) + now.tv_nsec * 1e-9;
}

}  // namespace

double process_seconds() { return seconds_of(CLOCK_PROCESS_CPUTIME_ID); }
double thread_seconds() { return seconds_of(CLOCK_THREAD_CPUTIME_ID); }

int saver_loop_turn(HWND hwnd) {
  MSG msg;
  if (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
    return 0;
  }
  ss_draw(hwnd);
  Sleep(1);
  return 1;
}

// Binding the context presents a frame still pending; glFinish waits for
// the rest.
void finish_frames(HWND hwnd) {
  HDC dc = GetDC(hwnd);
  wglMakeCurrent(dc, hRC);
  glFinish();
  wglMakeCurrent(nullptr, nullptr);
  ReleaseDC(hwnd, dc);
}
