// The processor time of the geometry of one frame: the real frame driver
// with GL costing nothing (the do-nothing platform of tests/fakes/null_gl.h)
// against the same frame written as one straight loop in
// straight_line_frame.cpp, at the default 170 rings of 10 points and at the
// dialog's largest 500 x 50, with smooth animated bumps so that every ring
// runs the whole bump function. First it checks that both send GL the same
// numbers, bit for bit, for every curve and skin; then rounds alternate the
// two for the same processor time each and it prints the time per frame,
// the ratio with its spread over the rounds, and the allocations the
// saver's frames made (they must be 0).
//
//   geometry_bench [MILLISECONDS_PER_PHASE [ROUNDS]]     (defaults 100 and 15)
#include <time.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "fakes/null_gl.h"
#include "render/torvane.h"
#include "rounds.h"
#include "settings/settings.h"
#include "straight_line_frame.h"
#include "unit/render/allocation_count.h"

namespace {

const HWND window = reinterpret_cast<HWND>(0x10);
const int base_options = OPT_DOUBLE_BUFFER | OPT_BILINEAR | OPT_ANIMATED_BUMPS | OPT_SMOOTH_BUMPS;

double cpu_seconds() {
  timespec now;
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + now.tv_nsec * 1e-9;
}

// The numbers one frame sends at the current tick count.
std::vector<double> numbers_of(int (*frame)(HWND)) {
  std::vector<double> numbers;
  null_gl_vertex_data = &numbers;
  frame(window);
  null_gl_vertex_data = nullptr;
  return numbers;
}

// Whether ss_draw and the straight loop send the same numbers, bit for bit,
// on every curve, with the skin still and moving, with smooth and step
// bumps, at two times. Leaves the renderer started with the base options.
bool same_numbers(size_t *count) {
  const int variants[] = {base_options, base_options | OPT_MOVE_TEXTURE,
                          base_options & ~OPT_SMOOTH_BUMPS};
  for (int curve = 1; curve <= 3; curve++)
    for (int options : variants) {
      func_id = curve;
      user_options = options;
      if (!ss_initialize(window)) return false;
      for (DWORD tick : {12345u, 98765u}) {
        null_tick_count = static_cast<DWORD>(start_time) + tick;
        std::vector<double> saver = numbers_of(ss_draw);
        std::vector<double> straight = numbers_of(straight_line_frame);
        if (saver.empty() || saver.size() != straight.size() ||
            std::memcmp(saver.data(), straight.data(), saver.size() * sizeof(double)) != 0) {
          std::printf("curve %d, options 0x%x, tick %u: the frames differ\n", curve, options, tick);
          return false;
        }
        *count = saver.size();
      }
      ss_shutdown(window);
    }
  func_id = 1;
  user_options = base_options;
  return ss_initialize(window) != 0;
}

struct phase {
  long frames = 0;
  double seconds = 0;
  double us_per_frame() const { return seconds * 1e6 / static_cast<double>(frames); }
};

// Frames for at least `seconds` of processor time, and at least three.
phase run(int (*frame)(HWND), double seconds) {
  phase p;
  double start = cpu_seconds();
  while (p.seconds < seconds || p.frames < 3) {
    null_tick_count += 17;
    frame(window);
    p.frames++;
    p.seconds = cpu_seconds() - start;
  }
  return p;
}

bool compare(int rings, int points, double seconds, int rounds) {
  curve_segments = rings;
  shape_points = points;
  size_t count = 0;
  if (!same_numbers(&count)) return false;
  std::printf("%d rings x %d points: same numbers, bit for bit (%zu per frame)\n", rings, points, count);
  run(ss_draw, seconds / 2);  // warm-up
  run(straight_line_frame, seconds / 2);
  std::vector<double> saver_us, straight_us, ratios;
  long allocations = 0;
  for (int round = 0; round < rounds; round++) {
    // Which goes first alternates, so neither always follows the other.
    long before = allocation_count();
    phase s, r;
    if (round % 2 == 0) {
      s = run(ss_draw, seconds);
      r = run(straight_line_frame, seconds);
    } else {
      r = run(straight_line_frame, seconds);
      s = run(ss_draw, seconds);
    }
    allocations += allocation_count() - before;
    saver_us.push_back(s.us_per_frame());
    straight_us.push_back(r.us_per_frame());
    ratios.push_back(saver_us.back() / straight_us.back());
  }
  ss_shutdown(window);
  std::printf("  us per frame: saver %s, straight loop %s\n  saver / straight loop: %s   "
              "allocations in the saver's frames: %ld\n\n",
              spread(saver_us, "%.1f").c_str(), spread(straight_us, "%.1f").c_str(),
              spread(ratios, "%.3f").c_str(), allocations);
  return true;
}

}  // namespace

int main(int argc, char **argv) {
  double seconds = (argc > 1 ? std::atof(argv[1]) : 100) / 1000;
  int rounds = argc > 2 ? std::atoi(argv[2]) : 15;
  if (seconds <= 0 || rounds < 1) {
    std::fprintf(stderr, "usage: geometry_bench [MILLISECONDS_PER_PHASE [ROUNDS]]\n");
    return 2;
  }
  // No stored settings: load_config keeps the values set here.
  setenv("TORVANE_REGISTRY", "/nonexistent/torvane-bench/registry.reg", 1);
  bool ok = compare(curve_segments_range.initial, shape_points_range.initial, seconds, rounds) &&
            compare(curve_segments_range.high, shape_points_range.high, seconds, rounds);
  return ok ? 0 : 1;
}
