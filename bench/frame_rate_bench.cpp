// Frames per second of ss_draw on a real GL context at 1280 x 720: the
// default 170 rings of 10 points and the dialog's largest 500 x 50, for the
// first-pass-only, two-pass and single-pass (multitexture) drawing. Needs an
// X display (under Xvfb: Mesa's software renderer); without one it says so
// and ends with status 0.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>

#include "platform/win32.h"
#include "render/multitex.h"
#include "render/torvane.h"
#include "settings/settings.h"
#include "test_window.h"

namespace {

const int path_options[] = {
    OPT_DOUBLE_BUFFER | OPT_BILINEAR,                                        // first pass only
    OPT_DOUBLE_BUFFER | OPT_BILINEAR | OPT_ENV_LIGHTING,                     // two passes
    OPT_DOUBLE_BUFFER | OPT_BILINEAR | OPT_ENV_LIGHTING | OPT_MULTITEXTURE,  // single pass
};
const char *const path_names[] = {"first_pass_only", "two_pass", "single_pass"};

// Arguments: drawing path (index into path_options), rings, points.
void frame_rate(benchmark::State &state) {
  user_options = path_options[state.range(0)];
  curve_segments = static_cast<int>(state.range(1));
  shape_points = static_cast<int>(state.range(2));
  HWND hwnd = open_test_window(1280, 720);
  if (!ss_initialize(hwnd)) {
    state.SkipWithError("the renderer did not start");
  } else if (state.range(0) == 2 && !multitexturing_enabled) {
    state.SkipWithError("no GL_ARB_multitexture");
  } else {
    for (auto _ : state) ss_draw(hwnd);
    state.counters["fps"] = benchmark::Counter(static_cast<double>(state.iterations()),
                                               benchmark::Counter::kIsRate);
    state.SetLabel(path_names[state.range(0)]);
  }
  ss_shutdown(hwnd);
  close_test_window(hwnd);
}

BENCHMARK(frame_rate)
    ->ArgsProduct({{0, 1, 2}, {170}, {10}})
    ->ArgsProduct({{0, 1, 2}, {500}, {50}})
    ->ArgNames({"path", "rings", "points"})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace

int main(int argc, char **argv) {
  if (!open_test_display()) {
    std::printf("frame_rate_bench: no X display, skipped (run it under Xvfb)\n");
    return 0;
  }
  // No stored settings: load_config keeps the values each run sets.
  setenv("TORVANE_REGISTRY", "/nonexistent/torvane-bench/registry.reg", 1);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
