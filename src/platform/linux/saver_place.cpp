#include "platform/linux/saver_place.h"

#include <signal.h>
#include <sys/prctl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

const char saver_place_variable[] = "TORVANE_SAVER_MONITOR";

std::string saver_place(pid_t supervisor, bool take_input, const std::string &monitor) {
  return std::to_string(supervisor) + (take_input ? " 1 " : " 0 ") + monitor;
}

bool started_by_supervisor() { return std::getenv(saver_place_variable) != nullptr; }

void take_saver_place(const monitor_source *source) {
  std::string place = std::getenv(saver_place_variable);
  unsetenv(saver_place_variable);
  long supervisor = 0;
  int input = 0, monitor = 0;
  bool read = std::sscanf(place.c_str(), "%ld %d %n", &supervisor, &input, &monitor) == 2 &&
              monitor > 0 && source->place(place.c_str() + monitor, input == 1);
  if (!read) {
    std::fprintf(stderr, "torvane: %s=\"%s\" names no monitor\n", saver_place_variable,
                 place.c_str());
    return;
  }
  // The supervisor's end, by kill -9 too, is a termination signal here: the
  // saver closes as on SIGTERM. One that went before this took hold has left
  // the saver to another parent.
  prctl(PR_SET_PDEATHSIG, SIGTERM);
  if (getppid() != static_cast<pid_t>(supervisor)) _exit(0);
  // Started as /proc/self/exe, the saver would be listed as "exe".
  prctl(PR_SET_NAME, program_invocation_short_name);
}
