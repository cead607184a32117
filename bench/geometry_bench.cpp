// The CPU cost of one frame of the real frame driver with GL costing nothing
// (the do-nothing platform of tests/fakes/null_gl.h), and of the curve
// sampling alone, with the number of allocations made inside the timed loop
// (it must read 0).
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <ctime>

#include "fakes/null_gl.h"
#include "geometry/curves.h"
#include "render/torvane.h"
#include "settings/settings.h"
#include "unit/render/allocation_count.h"

namespace {

// Processor time and allocation count at the start of a timed loop. The
// processor time leaves out whatever else the machine is busy with.
struct loop_start {
  std::clock_t time;
  long allocations;
};

loop_start start_loop() { return {std::clock(), allocation_count()}; }

// Nanoseconds per iteration under `per_iteration`, and the allocations made
// inside the loop (taken before the counters map allocates).
void report(benchmark::State &state, const loop_start &start, const char *per_iteration) {
  std::clock_t elapsed = std::clock() - start.time;
  long allocations = allocation_count() - start.allocations;
  double ns = static_cast<double>(elapsed) * 1e9 / CLOCKS_PER_SEC;
  state.counters[per_iteration] = benchmark::Counter(ns, benchmark::Counter::kAvgIterations);
  state.counters["allocations"] = static_cast<double>(allocations);
}

// Arguments: rings (curve_segments), cross-section points (shape_points).
// Smooth animated bumps, so that every ring runs the full bump function; the
// default skin and the first pass only, as the default settings draw.
void frame(benchmark::State &state) {
  setenv("TORVANE_REGISTRY", "/nonexistent/torvane-bench/registry.reg", 1);
  curve_segments = static_cast<int>(state.range(0));
  shape_points = static_cast<int>(state.range(1));
  user_options |= OPT_ANIMATED_BUMPS | OPT_SMOOTH_BUMPS;
  const HWND window = reinterpret_cast<HWND>(0x10);
  if (!ss_initialize(window)) {
    state.SkipWithError("the renderer did not start");
    return;
  }
  loop_start start = start_loop();
  for (auto _ : state) {
    null_tick_count += 17;
    ss_draw(window);
  }
  report(state, start, "ns_per_frame");
  ss_shutdown(window);
}
BENCHMARK(frame)->Args({170, 10})->Args({500, 50})->ArgNames({"rings", "points"});

void func_diff_alone(benchmark::State &state) {
  vector3 pos;
  vector3 d1;
  vector3 d2;
  double t = 0.0;
  loop_start start = start_loop();
  for (auto _ : state) {
    func_diff(t, &pos, &d1, &d2);
    benchmark::DoNotOptimize(pos);
    benchmark::DoNotOptimize(d1);
    benchmark::DoNotOptimize(d2);
    t += 1.0 / 170;
    if (t >= 1.0) {
      t = 0.0;
    }
  }
  report(state, start, "ns_per_call");
}
BENCHMARK(func_diff_alone);

}  // namespace

BENCHMARK_MAIN();
