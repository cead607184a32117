// What XScreenSaver's -fps shows, as its own hacks show it: the frames per
// second; the load, the share of the time spent making frames rather than
// waiting for the next one to be due (100% when the renderer cannot keep up
// with the delay); and the polygons one frame draws. The figures are counted
// over each whole second, and change once a second.
#pragma once

#include <string>
#include <vector>

struct frame_stats {
  bool started;               // a first frame was counted
  long long second_start_ns;  // start of the second being counted
  int frames;                 // frames started in it so far
  long long waited_ns;        // time waited in it so far
  double fps;                 // of the last whole second; 0 until one is counted
  double load;                // of the last whole second, 0 to 1
};

// The running hack's: its loop counts them, -fps shows them.
extern frame_stats hack_frame_stats;

// Times are nanoseconds on a monotonic clock.
void count_frame(frame_stats *stats, long long now_ns);
void count_wait(frame_stats *stats, long long waited_ns);

// The triangles one frame draws: each of the `segments` bands is a strip of
// two triangles for each side of the cross-section (`points` points, the
// last repeating the first), once more for a second pass.
long frame_polygons(int segments, int points, bool second_pass);

// "FPS:   33.3", "Load:  12.5%", "Polys: 3,060", top to bottom; none until
// the first whole second is counted.
std::vector<std::string> frame_stats_lines(const frame_stats &stats, long polygons);
