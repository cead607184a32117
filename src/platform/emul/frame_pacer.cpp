#include "platform/emul/frame_pacer.h"

#include "platform/emul/window_system.h"

#include <time.h>

#include <algorithm>

namespace {

const long long processor_share_divisor = 10;  // a tenth of one processor

long long delay_ns;
bool drawing;      // a frame is due and being drawn
long long due_ns;  // when the next frame is due; 0 before the first
long long frame_start_ns;
// The processor time the process had used (all its threads: the software
// renderer draws in its own) when the frame before ended; 0 before.
long long last_end_cpu_ns;

long long clock_ns(clockid_t clock) {
  timespec now;
  clock_gettime(clock, &now);
  return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

// The processor time of the last cycle (the wait before this frame, and the
// frame) may take a tenth of the time from this frame's start to the next's.
void end_frame(long long now) {
  long long cpu = clock_ns(CLOCK_PROCESS_CPUTIME_ID);
  due_ns = now + delay_ns;
  if (last_end_cpu_ns)
    due_ns = std::max(due_ns, frame_start_ns + (cpu - last_end_cpu_ns) * processor_share_divisor);
  last_end_cpu_ns = cpu;
}

}  // namespace

void set_frame_delay(long microseconds) {
  delay_ns = microseconds * 1000LL;
  drawing = false;
  due_ns = last_end_cpu_ns = 0;
}

bool frame_due() {
  if (!delay_ns) return true;
  long long now = clock_ns(CLOCK_MONOTONIC);
  if (drawing) {  // the first look after a frame: it has just ended
    drawing = false;
    end_frame(now);
  }
  if (now >= due_ns) {
    drawing = true;
    frame_start_ns = now;
    return true;
  }
  if (const window_system *backend = connected_window_system()) backend->wait_for_events(due_ns - now);
  return false;
}
