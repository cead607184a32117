// The CPU cost of one frame's geometry and of the curve sampling, with the
// number of allocations made inside the timed loop (it must read 0).
#include <benchmark/benchmark.h>

#include <ctime>

#include "allocation_count.h"
#include "frame_geometry.h"
#include "geometry/curves.h"
#include "settings/settings.h"

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
// Smooth animated bumps, so that every ring runs the full bump function.
void frame_geometry(benchmark::State &state) {
  curve_segments = static_cast<int>(state.range(0));
  shape_points = static_cast<int>(state.range(1));
  user_options |= OPT_ANIMATED_BUMPS | OPT_SMOOTH_BUMPS;
  prepare_frame_geometry();
  now_time = 0.0;
  loop_start start = start_loop();
  for (auto _ : state) {
    now_time += 0.0017;
    benchmark::DoNotOptimize(compute_frame_geometry());
  }
  report(state, start, "ns_per_frame");
}
BENCHMARK(frame_geometry)->Args({170, 10})->Args({500, 50})->ArgNames({"rings", "points"});

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
