// How close the saver's frame loop comes to the rasterizer's limit. In one
// process and on one 1280 x 720 window, rounds alternate the real loop body
// (the queue drained, ss_draw, Sleep(1), as WinMain runs it) with the
// ceiling (ceiling_frame.h) for the same time each, so that both see the
// same machine; prints frames per second and their ratio at the default
// 170 rings of 10 points and at the dialog's largest 500 x 50. Needs an X
// display (under Xvfb: Mesa's software renderer); without one it says so and
// ends with status 0.
//
// Short phases and many rounds keep a changing load on the machine from
// favouring either side; the median of the rounds' ratios shrugs off the
// rounds that a burst of load spoiled.
//
//   frame_ceiling_bench [SECONDS_PER_PHASE [ROUNDS]]     (defaults 0.5 and 20)
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "ceiling_frame.h"
#include "platform/win32.h"
#include "render/torvane.h"
#include "settings/settings.h"
#include "test_window.h"

namespace {

using clock_type = std::chrono::steady_clock;

struct rate {
  long frames = 0;
  double seconds = 0;
  double fps() const { return seconds > 0 ? frames / seconds : 0; }
};

// Whole frames for at least `seconds`, and at least three of them.
template <typename frame_function>
rate run_for(double seconds, frame_function frame) {
  rate r;
  clock_type::time_point start = clock_type::now();
  while (r.seconds < seconds || r.frames < 3) {
    r.frames += frame();
    r.seconds = std::chrono::duration<double>(clock_type::now() - start).count();
  }
  return r;
}

// One turn of WinMain's loop: a message if one waits, else a frame and the
// millisecond's sleep. Returns the frames drawn.
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

rate saver_phase(HWND hwnd, double seconds) {
  return run_for(seconds, [hwnd] { return saver_loop_turn(hwnd); });
}

rate ceiling_phase(HWND hwnd, double seconds) {
  begin_ceiling(hwnd);
  rate r = run_for(seconds, [] {
    draw_ceiling_frame();
    return 1;
  });
  end_ceiling();
  return r;
}

void add(rate &total, const rate &r) {
  total.frames += r.frames;
  total.seconds += r.seconds;
}

// Returns false when the renderer does not start.
bool compare(int rings, int points, double seconds, int rounds) {
  curve_segments = rings;
  shape_points = points;
  HWND hwnd = open_test_window(1280, 720);
  if (!hwnd || !ss_initialize(hwnd)) {
    std::printf("the renderer did not start\n");
    return false;
  }
  std::printf("%d rings x %d points, 1280 x 720, %d rounds of %.1f s each\n", rings, points, rounds,
              seconds);
  std::printf("  round   saver fps  ceiling fps   ratio\n");
  saver_phase(hwnd, seconds / 4);  // warm-up
  ceiling_phase(hwnd, seconds / 4);
  rate saver, ceiling;
  std::vector<double> ratios;
  for (int round = 1; round <= rounds; round++) {
    rate s = saver_phase(hwnd, seconds);
    rate c = ceiling_phase(hwnd, seconds);
    ratios.push_back(s.fps() / c.fps());
    std::printf("  %5d  %10.2f  %11.2f  %6.3f\n", round, s.fps(), c.fps(), ratios.back());
    add(saver, s);
    add(ceiling, c);
  }
  std::sort(ratios.begin(), ratios.end());
  std::printf("  all    %10.2f  %11.2f  %6.3f\n", saver.fps(), ceiling.fps(),
              saver.fps() / ceiling.fps());
  std::printf("%d x %d: saver / ceiling = %.3f overall, %.3f median of the rounds\n\n", rings,
              points, saver.fps() / ceiling.fps(), ratios[ratios.size() / 2]);
  ss_shutdown(hwnd);
  close_test_window(hwnd);
  return true;
}

}  // namespace

int main(int argc, char **argv) {
  double seconds = argc > 1 ? std::atof(argv[1]) : 0.5;
  int rounds = argc > 2 ? std::atoi(argv[2]) : 20;
  if (seconds <= 0 || rounds < 1) {
    std::fprintf(stderr, "usage: frame_ceiling_bench [SECONDS_PER_PHASE [ROUNDS]]\n");
    return 2;
  }
  if (!open_test_display()) {
    std::printf("frame_ceiling_bench: no X display, skipped (run it under Xvfb)\n");
    return 0;
  }
  // No stored settings: load_config keeps the defaults and the sizes set here.
  setenv("TORVANE_REGISTRY", "/nonexistent/torvane-bench/registry.reg", 1);
  bool ok = compare(curve_segments_range.initial, shape_points_range.initial, seconds, rounds) &&
            compare(curve_segments_range.high, shape_points_range.high, seconds, rounds);
  return ok ? 0 : 1;
}
