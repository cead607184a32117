#include "platform/linux/hack_loop.h"

#include <time.h>

#include "platform/emul/window_system.h"
#include "platform/linux/frame_pacer.h"
#include "platform/linux/frame_stats.h"

namespace {

long long monotonic_ns() {
  timespec now;
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

}  // namespace

int run_hack_loop(long delay_microseconds, void (*draw_frame)()) {
  frame_pacer pacer = pace_every(delay_microseconds);
  MSG msg;
  for (;;) {
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_QUIT) return static_cast<int>(msg.wParam);
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    long long now = monotonic_ns();
    long long wait = frame_wait_ns(pacer, now);
    if (wait > 0) {
      if (const window_system *backend = connected_window_system()) backend->wait_for_events(wait);
      count_wait(&hack_frame_stats, monotonic_ns() - now);
      continue;
    }
    frame_started(&pacer, now);
    count_frame(&hack_frame_stats, now);
    draw_frame();
  }
}
