// Loading the settings, which the saver's start waits for: a usual store,
// and the largest store read, holding as many values as fit in one key.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

#include "platform/posix/registry_file.h"
#include "settings/settings.h"

namespace {

std::string largest_store_text() {
  std::string text =
      "REGEDIT4\r\n\r\n"
      "[HKEY_CURRENT_USER\\Software\\Fenwright Productions\\Torvane Screensaver]\r\n";
  for (int i = 0;; ++i) {
    std::string line = "\"value" + std::to_string(i) + "\"=dword:00000001\r\n";
    if (text.size() + line.size() > reg_store_size_limit) return text;
    text += line;
  }
}

// A store in a folder of its own for the benchmark's run.
struct scratch_store {
  std::string folder, file;
  explicit scratch_store(const std::string &text) {
    char pattern[] = "/tmp/torvane-bench-XXXXXX";
    folder = mkdtemp(pattern);
    file = folder + "/registry.reg";
    FILE *out = fopen(file.c_str(), "wb");
    fwrite(text.data(), 1, text.size(), out);
    fclose(out);
    setenv("TORVANE_REGISTRY", file.c_str(), 1);
  }
  ~scratch_store() {
    unlink(file.c_str());
    rmdir(folder.c_str());
  }
};

void load(benchmark::State &state, const std::string &text) {
  scratch_store store(text);
  for (auto _ : state) load_config();
  state.counters["bytes"] = double(text.size());
}

void usual_store(benchmark::State &state) {
  load(state,
       "REGEDIT4\r\n\r\n"
       "[HKEY_CURRENT_USER\\Software\\Fenwright Productions\\Torvane Screensaver]\r\n"
       "\"animation_speed\"=dword:00000064\r\n\"flags\"=dword:00000003\r\n"
       "\"curve_segments\"=dword:000000aa\r\n\"shape_points\"=dword:0000000a\r\n"
       "\"skin_id\"=dword:00000001\r\n\"func_id\"=dword:00000001\r\n"
       "\"bump_speed\"=dword:0000003c\r\n\"user_options\"=dword:00000003\r\n\r\n");
}

void largest_store(benchmark::State &state) { load(state, largest_store_text()); }

}  // namespace

BENCHMARK(usual_store)->Unit(benchmark::kMicrosecond);
BENCHMARK(largest_store)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
