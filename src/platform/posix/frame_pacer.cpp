#include "platform/posix/frame_pacer.h"

#include <poll.h>
#include <time.h>

namespace {

long delay_ns;
long long due_ns;  // when the next frame may start; 0 before the first

long long now_ns() {
  timespec now;
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

}  // namespace

void set_frame_delay(long microseconds) {
  delay_ns = microseconds * 1000L;
  due_ns = 0;
}

bool frame_due(int fd) {
  if (!delay_ns) return true;
  long long now = now_ns();
  if (now >= due_ns) {
    due_ns = now + delay_ns;
    return true;
  }
  long long wait = due_ns - now;
  timespec timeout = {static_cast<time_t>(wait / 1000000000LL), static_cast<long>(wait % 1000000000LL)};
  pollfd input = {fd, POLLIN, 0};
  ppoll(&input, 1, &timeout, nullptr);  // a signal ends it too (EINTR)
  return false;
}
