// What keeping the heap between frames (src/platform/linux/heap.h) does to
// the saver: processor time per frame, page faults per frame and peak
// memory, with the setting and with the C library's defaults, at the
// default 170 x 10 and at 500 x 50, on a 1280 x 720 window. Peak memory is
// a whole process's, so every run is a process of its own (this program
// again, with --run); runs with and without take turns, ROUNDS of each.
// Needs an X display (under Xvfb: Mesa's software renderer); without one it
// says so and ends with status 0.
//
//   heap_bench [FRAMES [ROUNDS]]     (defaults 150 and 5)
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "frame_clock.h"
#include "platform/linux/heap.h"
#include "render/torvane.h"
#include "rounds.h"
#include "settings/settings.h"
#include "test_window.h"

namespace {

struct figures {
  double ms_per_frame = 0, faults_per_frame = 0, peak_mib = 0;
};

long page_faults() {
  rusage usage;
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_minflt;
}

// The child: the saver's loop for `frames` frames after a warm-up of 20;
// writes its processor time and page faults per frame to stdout.
int run_frames(bool keep, int rings, int points, int frames) {
  if (keep && !keep_heap_between_frames()) return 3;
  if (!open_test_display()) return 4;
  curve_segments = rings;
  shape_points = points;
  HWND hwnd = open_test_window(1280, 720);
  if (!hwnd || !ss_initialize(hwnd)) return 5;
  for (int drawn = 0; drawn < 20;) drawn += saver_loop_turn(hwnd);
  finish_frames(hwnd);
  double start = process_seconds();
  long faults = page_faults();
  for (int drawn = 0; drawn < frames;) drawn += saver_loop_turn(hwnd);
  finish_frames(hwnd);
  std::printf("%f %f\n", (process_seconds() - start) * 1e3 / frames,
              static_cast<double>(page_faults() - faults) / frames);
  return 0;
}

// One run in a process of its own (this program again); false when it
// fails.
bool measure(bool keep, int rings, int points, int frames, figures *f) {
  std::string numbers[] = {std::to_string(rings), std::to_string(points), std::to_string(frames)};
  int out[2];
  if (pipe(out) != 0) return false;
  pid_t child = fork();
  if (child == 0) {
    dup2(out[1], STDOUT_FILENO);
    close(out[0]);
    execl("/proc/self/exe", "heap_bench", "--run", keep ? "keep" : "defaults", numbers[0].c_str(),
          numbers[1].c_str(), numbers[2].c_str(), static_cast<char *>(nullptr));
    _exit(127);
  }
  close(out[1]);
  char text[128] = {};
  ssize_t length = read(out[0], text, sizeof text - 1);
  close(out[0]);
  int status = 0;
  rusage usage;
  if (wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0 ||
      length <= 0 || std::sscanf(text, "%lf %lf", &f->ms_per_frame, &f->faults_per_frame) != 2)
    return false;
  f->peak_mib = usage.ru_maxrss / 1024.0;  // ru_maxrss is in KiB
  return true;
}

bool compare(int rings, int points, int frames, int rounds) {
  std::vector<double> ms[2], faults[2], peak[2], ratio, extra;
  for (int round = 0; round < rounds; round++) {
    figures f[2];  // [0] the defaults, [1] kept
    for (int k = 0; k < 2; k++) {
      int keep = (round + k) % 2;
      if (!measure(keep, rings, points, frames, &f[keep])) {
        std::printf("a run failed\n");
        return false;
      }
    }
    for (int keep = 0; keep < 2; keep++) {
      ms[keep].push_back(f[keep].ms_per_frame);
      faults[keep].push_back(f[keep].faults_per_frame);
      peak[keep].push_back(f[keep].peak_mib);
    }
    ratio.push_back(f[1].ms_per_frame / f[0].ms_per_frame);
    extra.push_back(f[1].peak_mib - f[0].peak_mib);
  }
  for (int keep = 1; keep >= 0; keep--)
    std::printf("%3dx%-2d %-9s | %-22s | %-22s | %s\n", rings, points, keep ? "kept" : "defaults",
                spread(ms[keep], "%.2f").c_str(), spread(faults[keep], "%.0f").c_str(),
                spread(peak[keep], "%.1f").c_str());
  std::printf("%3dx%-2d kept/defaults: processor time %s, peak memory %s MiB more\n\n", rings, points,
              spread(ratio, "%.2f").c_str(), spread(extra, "%+.1f").c_str());
  std::fflush(stdout);
  return true;
}

}  // namespace

int main(int argc, char **argv) {
  // No stored settings: load_config keeps the values set here.
  setenv("TORVANE_REGISTRY", "/nonexistent/torvane-bench/registry.reg", 1);
  if (argc == 6 && std::strcmp(argv[1], "--run") == 0)
    return run_frames(std::strcmp(argv[2], "keep") == 0, std::atoi(argv[3]), std::atoi(argv[4]),
                      std::atoi(argv[5]));
  int frames = argc > 1 ? std::atoi(argv[1]) : 150;
  int rounds = argc > 2 ? std::atoi(argv[2]) : 5;
  if (frames < 1 || rounds < 1) {
    std::fprintf(stderr, "usage: heap_bench [FRAMES [ROUNDS]]\n");
    return 2;
  }
  if (!open_test_display()) {
    std::printf("heap_bench: no X display, skipped (run it under Xvfb)\n");
    return 0;
  }
  std::printf("medians of %d runs of %d frames each (spread)\n", rounds, frames);
  std::printf("tube   heap      | processor ms per frame | page faults per frame  | peak memory MiB\n");
  bool ok = compare(curve_segments_range.initial, shape_points_range.initial, frames, rounds) &&
            compare(curve_segments_range.high, shape_points_range.high, frames, rounds);
  return ok ? 0 : 1;
}
