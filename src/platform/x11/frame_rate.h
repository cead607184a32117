// Frames per second, as the -fps overlay shows them: counted over each
// whole second, the figure changing once a second.
#pragma once

#include <string>

struct frame_rate {
  long long second_start_ms;  // start of the second being counted
  int frames;                 // frames counted in it so far
  bool started;               // a first frame was counted
  double rate;                // the last whole second's figure; 0 until one is measured
};

// Counts one frame finished at now_ms (a monotonic clock).
void count_frame(frame_rate *count, long long now_ms);

// "FPS: 33.3"; empty until the first second is measured.
std::string frame_rate_text(const frame_rate &count);
