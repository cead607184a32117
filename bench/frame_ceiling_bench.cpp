// The saver's processor time per frame against the rasterizer's limit. For
// every tube size, drawing path and window size asked for, in one process
// and on one window, rounds take turns between four ways of drawing the
// same frame for the same processor time each:
//   - the saver: its real loop body (the queue drained, ss_draw, Sleep(1),
//     as WinMain runs it), its heap kept as the program keeps it;
//   - the hack: XScreenSaver's forms' own loop (run_hack_loop) at -delay 0;
//   - the ceiling from one buffer (ceiling_frame.h): each pass over the
//     whole tube in one draw call;
//   - the ceiling per band: the saver's own order of GL calls, from the
//     same buffer.
// The time is the whole process's (the software renderer's threads too),
// per frame, with each run's last frame finished; the drawing thread's
// share is shown beside it. Ratios are per round, with their median and
// spread, so a burst of load on a shared machine spoils one round rather
// than the figure. Needs an X display large enough for the windows (under
// Xvfb: Mesa's software renderer); without one it says so and ends with
// status 0.
//
//   frame_ceiling_bench [--ms PHASE_MS] [--rounds N] [--tube RINGSxPOINTS]...
//                       [--path OPTIONS]... [--window WIDTHxHEIGHT]...
//
// Defaults: phases of 150 ms of processor time, 5 rounds, the tubes 170x10
// and 500x50, the paths 0x03 (skin only), 0x43 (reflection in a second
// pass) and 0xc3 (multitexture), the windows 640x480, 1280x720, 1920x1080
// and 3840x2160.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "ceiling_frame.h"
#include "frame_clock.h"
#include "platform/linux/hack_loop.h"
#include "platform/linux/heap.h"
#include "platform/win32.h"
#include "render/multitex.h"
#include "render/torvane.h"
#include "rounds.h"
#include "settings/settings.h"
#include "test_window.h"

namespace {

struct size2 {
  int a, b;
};

struct settings {
  double phase_seconds = 0.15;
  int rounds = 5;
  std::vector<size2> tubes, windows;
  std::vector<int> paths;
};

// One run of frames: processor time of the process and of the drawing
// thread, and how many frames.
struct run {
  double process = 0, thread = 0;
  long frames = 0;
  double ms_per_frame() const { return process * 1e3 / static_cast<double>(frames); }
  double thread_ms_per_frame() const { return thread * 1e3 / static_cast<double>(frames); }
};

enum contender { SAVER, HACK, ONE_BUFFER, PER_BAND, contenders };

// The hack's loop draws frames until a quit message: its frame here ends the
// loop once its processor time is spent.
HWND hack_window;
double hack_until;
long hack_frames;

void hack_frame() {
  ss_draw(hack_window);
  if (++hack_frames >= 3 && process_seconds() >= hack_until) PostQuitMessage(0);
}

// Frames until the process has used `seconds` of processor time, and at
// least three; the last frame's work is finished before the clocks are read.
template <typename draw_function, typename finish_function>
run frames_for(double seconds, draw_function draw, finish_function finish) {
  run r;
  const double process0 = process_seconds(), thread0 = thread_seconds();
  while (process_seconds() - process0 < seconds || r.frames < 3) r.frames += draw();
  finish();
  r.process = process_seconds() - process0;
  r.thread = thread_seconds() - thread0;
  return r;
}

run run_contender(contender c, HWND hwnd, double seconds) {
  if (c == SAVER)
    return frames_for(seconds, [hwnd] { return saver_loop_turn(hwnd); }, [hwnd] { finish_frames(hwnd); });
  if (c == HACK) {
    hack_window = hwnd;
    hack_frames = 0;
    const double process0 = process_seconds(), thread0 = thread_seconds();
    hack_until = process0 + seconds;
    run_hack_loop(0, hack_frame);
    finish_frames(hwnd);
    return run{process_seconds() - process0, thread_seconds() - thread0, hack_frames};
  }
  begin_ceiling(hwnd, c == PER_BAND ? CEILING_PER_BAND : CEILING_ONE_BUFFER);
  run r = frames_for(
      seconds,
      [] {
        draw_ceiling_frame();
        return 1;
      },
      [] {});
  end_ceiling();
  return r;
}

// One tube, path and window: rounds of the three, each round starting with
// the next one. Returns false when the renderer does not start.
bool compare(const settings &s, size2 tube, int options, size2 window) {
  curve_segments = tube.a;
  shape_points = tube.b;
  user_options = options;
  HWND hwnd = open_test_window(window.a, window.b);
  if (!hwnd || !ss_initialize(hwnd)) {
    std::printf("the renderer did not start\n");
    return false;
  }
  if ((options & OPT_MULTITEXTURE) && !multitexturing_enabled)
    std::printf("(no GL_ARB_multitexture: the saver draws two passes)\n");
  for (int c = 0; c < contenders; c++) run_contender(contender(c), hwnd, s.phase_seconds / 3);  // warm-up
  std::vector<double> ms[contenders], thread_ms[contenders], saver_to_one, saver_to_band, band_to_one,
      hack_to_one;
  for (int round = 0; round < s.rounds; round++) {
    run runs[contenders];
    for (int k = 0; k < contenders; k++) {
      contender c = contender((round + k) % contenders);
      runs[c] = run_contender(c, hwnd, s.phase_seconds);
    }
    for (int c = 0; c < contenders; c++) {
      ms[c].push_back(runs[c].ms_per_frame());
      thread_ms[c].push_back(runs[c].thread_ms_per_frame());
    }
    saver_to_one.push_back(ms[SAVER].back() / ms[ONE_BUFFER].back());
    saver_to_band.push_back(ms[SAVER].back() / ms[PER_BAND].back());
    band_to_one.push_back(ms[PER_BAND].back() / ms[ONE_BUFFER].back());
    hack_to_one.push_back(ms[HACK].back() / ms[ONE_BUFFER].back());
  }
  ss_shutdown(hwnd);
  close_test_window(hwnd);
  std::printf(
      "%3dx%-2d 0x%02x %4dx%-4d | %7.2f %7.2f %7.2f %7.2f | %5.2f %5.2f %5.2f | %-17s %-17s %-17s "
      "%s\n",
      tube.a, tube.b, options, window.a, window.b, median(ms[SAVER]), median(ms[HACK]),
      median(ms[ONE_BUFFER]), median(ms[PER_BAND]), median(thread_ms[SAVER]),
      median(thread_ms[ONE_BUFFER]), median(thread_ms[PER_BAND]), spread(saver_to_one, "%.2f").c_str(),
      spread(saver_to_band, "%.2f").c_str(), spread(band_to_one, "%.2f").c_str(),
      spread(hack_to_one, "%.2f").c_str());
  std::fflush(stdout);
  return true;
}

bool read_size(const char *text, size2 *size) {
  return std::sscanf(text, "%dx%d", &size->a, &size->b) == 2 && size->a > 0 && size->b > 0;
}

bool read_settings(int argc, char **argv, settings *s) {
  for (int i = 1; i < argc; i++) {
    const char *name = argv[i], *value = i + 1 < argc ? argv[++i] : "";
    size2 size;
    if (std::strcmp(name, "--ms") == 0 && std::atof(value) > 0)
      s->phase_seconds = std::atof(value) / 1000;
    else if (std::strcmp(name, "--rounds") == 0 && std::atoi(value) > 0)
      s->rounds = std::atoi(value);
    else if (std::strcmp(name, "--tube") == 0 && read_size(value, &size))
      s->tubes.push_back(size);
    else if (std::strcmp(name, "--window") == 0 && read_size(value, &size))
      s->windows.push_back(size);
    else if (std::strcmp(name, "--path") == 0 && std::strtol(value, nullptr, 16) > 0)
      s->paths.push_back(static_cast<int>(std::strtol(value, nullptr, 16)));
    else
      return false;
  }
  if (s->tubes.empty())
    s->tubes = {{curve_segments_range.initial, shape_points_range.initial},
                {curve_segments_range.high, shape_points_range.high}};
  if (s->paths.empty())
    s->paths = {OPT_DOUBLE_BUFFER | OPT_BILINEAR, OPT_DOUBLE_BUFFER | OPT_BILINEAR | OPT_ENV_LIGHTING,
                OPT_DOUBLE_BUFFER | OPT_BILINEAR | OPT_ENV_LIGHTING | OPT_MULTITEXTURE};
  if (s->windows.empty()) s->windows = {{640, 480}, {1280, 720}, {1920, 1080}, {3840, 2160}};
  return true;
}

}  // namespace

int main(int argc, char **argv) {
  // The saver is measured as the program runs it.
  keep_heap_between_frames();
  settings s;
  if (!read_settings(argc, argv, &s)) {
    std::fprintf(stderr,
                 "usage: frame_ceiling_bench [--ms PHASE_MS] [--rounds N] [--tube RINGSxPOINTS]...\n"
                 "                           [--path OPTIONS]... [--window WIDTHxHEIGHT]...\n");
    return 2;
  }
  if (!open_test_display()) {
    std::printf("frame_ceiling_bench: no X display, skipped (run it under Xvfb)\n");
    return 0;
  }
  // No stored settings: load_config keeps the values set here.
  setenv("TORVANE_REGISTRY", "/nonexistent/torvane-bench/registry.reg", 1);
  std::printf("processor ms per frame (medians of %d rounds of %.0f ms each); ratios: median (spread)\n",
              s.rounds, s.phase_seconds * 1e3);
  std::printf("tube   path window    |   saver    hack one-buf per-band | drawing thread    | "
              "saver/one-buffer  saver/per-band    per-band/one-buffer hack/one-buffer\n");
  for (size2 tube : s.tubes)
    for (int path : s.paths)
      for (size2 window : s.windows)
        if (!compare(s, tube, path, window)) return 1;
  return 0;
}
