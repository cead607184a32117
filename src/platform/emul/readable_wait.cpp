// The wait of a window system's wait_for_events, on its connection.
#include <poll.h>
#include <time.h>

#include "platform/emul/window_system.h"

void wait_until_readable(int fd, long long nanoseconds) {
  timespec timeout = {static_cast<time_t>(nanoseconds / 1000000000LL),
                      static_cast<long>(nanoseconds % 1000000000LL)};
  pollfd readable = {fd, POLLIN, 0};
  ppoll(&readable, 1, &timeout, nullptr);
}
