#include "platform/linux/frame_stats.h"

#include <algorithm>
#include <cstdio>

namespace {

const long long second_ns = 1000000000LL;

// 3060 as "3,060".
std::string with_thousands(long number) {
  std::string digits = std::to_string(number);
  for (int at = static_cast<int>(digits.size()) - 3; at > 0; at -= 3)
    digits.insert(at, ",");
  return digits;
}

std::string line(const char *label, const std::string &value) {
  char text[64];
  std::snprintf(text, sizeof text, "%-7s%s", label, value.c_str());
  return text;
}

std::string fixed(double value, const char *unit) {
  char text[32];
  std::snprintf(text, sizeof text, "%.1f%s", value, unit);
  return text;
}

}  // namespace

frame_stats hack_frame_stats;

void count_frame(frame_stats *stats, long long now_ns) {
  if (!stats->started) {
    *stats = {true, now_ns, 0, 0, 0, 0};
    return;
  }
  stats->frames++;
  long long elapsed = now_ns - stats->second_start_ns;
  if (elapsed < second_ns) return;
  stats->fps = stats->frames * static_cast<double>(second_ns) / static_cast<double>(elapsed);
  stats->load = std::clamp(1 - static_cast<double>(stats->waited_ns) / static_cast<double>(elapsed), 0.0, 1.0);
  stats->second_start_ns = now_ns;
  stats->frames = 0;
  stats->waited_ns = 0;
}

void count_wait(frame_stats *stats, long long waited_ns) {
  if (stats->started) stats->waited_ns += waited_ns;
}

long frame_polygons(int segments, int points, bool second_pass) {
  return static_cast<long>(segments) * 2 * (points - 1) * (second_pass ? 2 : 1);
}

std::vector<std::string> frame_stats_lines(const frame_stats &stats, long polygons) {
  if (stats.fps <= 0) return {};
  return {line("FPS:", fixed(stats.fps, "")), line("Load:", fixed(stats.load * 100, "%")),
          line("Polys:", with_thousands(polygons))};
}
