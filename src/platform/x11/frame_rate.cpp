#include "platform/x11/frame_rate.h"

#include <cstdio>

void count_frame(frame_rate *count, long long now_ms) {
  if (!count->started) {
    *count = {now_ms, 0, true, 0};
    return;
  }
  count->frames++;
  long long elapsed = now_ms - count->second_start_ms;
  if (elapsed < 1000) return;
  count->rate = count->frames * 1000.0 / static_cast<double>(elapsed);  // a frame or more: above 0
  count->second_start_ms = now_ms;
  count->frames = 0;
}

std::string frame_rate_text(const frame_rate &count) {
  if (count.rate <= 0) return "";
  char text[32];
  std::snprintf(text, sizeof text, "FPS: %.1f", count.rate);
  return text;
}
