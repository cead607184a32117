#include <signal.h>
#include <unistd.h>

#include "platform/posix/termination.h"

namespace {

volatile sig_atomic_t saver_windows_exist;
volatile sig_atomic_t end_requested;
volatile sig_atomic_t by_signal;
volatile sig_atomic_t taken_signal;

// The default action of the signal: the process ends by it.
void die_by(int signal_number) {
  struct sigaction action = {};
  action.sa_handler = SIG_DFL;
  sigemptyset(&action.sa_mask);
  sigaction(signal_number, &action, nullptr);
  raise(signal_number);
}

void on_termination_signal(int signal_number) {
  taken_signal = signal_number;
  if (!saver_windows_exist) {
    if (by_signal) die_by(signal_number);
    _exit(0);
  }
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

void end_by_termination_signal() { by_signal = 1; }

void raise_termination_signal() {
  if (by_signal && taken_signal) die_by(taken_signal);
}

bool termination_requested() {
  if (!end_requested) return false;
  end_requested = 0;
  return true;
}

bool termination_pending() { return end_requested; }

void note_saver_windows(bool any) { saver_windows_exist = any; }
