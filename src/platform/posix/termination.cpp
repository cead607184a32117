#include <signal.h>
#include <unistd.h>

#include "platform/posix/termination.h"

namespace {

volatile sig_atomic_t saver_windows_exist;
volatile sig_atomic_t end_requested;

void on_termination_signal(int) {
  if (!saver_windows_exist) _exit(0);
  end_requested = 1;
}

}  // namespace

void close_on_termination_signals() {
  struct sigaction action = {};
  action.sa_handler = on_termination_signal;
  action.sa_flags = SA_RESTART;
  sigemptyset(&action.sa_mask);
  sigaction(SIGTERM, &action, nullptr);
  sigaction(SIGINT, &action, nullptr);
}

bool termination_requested() {
  if (!end_requested) return false;
  end_requested = 0;
  return true;
}

bool termination_pending() { return end_requested; }

void note_saver_windows(bool any) { saver_windows_exist = any; }
