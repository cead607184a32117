#include "platform/posix/termination.h"

#include <signal.h>
#include <time.h>
#include <unistd.h>

namespace {

// Closing the windows and leaving the main loop takes a frame or two; a
// start-up blocked in a call that never returns would take forever.
const long closing_time_ns = 500 * 1000000L;

volatile sig_atomic_t saver_windows_exist;
volatile sig_atomic_t asking_signal;  // the first signal that asked for the end; 0 before
volatile sig_atomic_t unanswered;     // a signal asked, and the window area has not taken it yet
volatile sig_atomic_t by_signal;      // XScreenSaver's forms: end by that signal
timer_t closing_deadline;
bool deadline_ready;

void on_deadline(int) { end_after_termination(); }

void on_termination_signal(int signal_number) {
  bool first = !asking_signal;
  if (first) asking_signal = signal_number;
  if (!saver_windows_exist) end_after_termination();
  unanswered = 1;
  if (!first) return;  // the first request's deadline stands
  if (!deadline_ready) end_after_termination();
  itimerspec once = {};
  once.it_value.tv_nsec = closing_time_ns;
  timer_settime(closing_deadline, 0, &once, nullptr);
}

void handle(int signal_number, void (*handler)(int)) {
  struct sigaction action = {};
  action.sa_handler = handler;
  action.sa_flags = SA_RESTART;
  sigemptyset(&action.sa_mask);
  sigaction(signal_number, &action, nullptr);
}

}  // namespace

void take_process_signals() {
  sigevent alarm_on_expiry = {};
  alarm_on_expiry.sigev_notify = SIGEV_SIGNAL;
  alarm_on_expiry.sigev_signo = SIGALRM;
  deadline_ready = timer_create(CLOCK_MONOTONIC, &alarm_on_expiry, &closing_deadline) == 0;
  handle(SIGALRM, on_deadline);
  handle(SIGTERM, on_termination_signal);
  handle(SIGINT, on_termination_signal);
  signal(SIGPIPE, SIG_IGN);
  // The launcher holds them back while the program loads; one that came
  // meanwhile is handled now.
  sigset_t ending;
  sigemptyset(&ending);
  sigaddset(&ending, SIGTERM);
  sigaddset(&ending, SIGINT);
  sigprocmask(SIG_UNBLOCK, &ending, nullptr);
}

bool termination_requested() {
  if (!unanswered) return false;
  unanswered = 0;
  return true;
}

void note_saver_windows(bool any) { saver_windows_exist = any; }

void end_by_termination_signal() { by_signal = 1; }

// The signal's default action ends the process by it; inside its own
// handler it is blocked, so it is let through first.
void end_after_termination() {
  if (by_signal && asking_signal) {
    signal(asking_signal, SIG_DFL);
    sigset_t just_it;
    sigemptyset(&just_it);
    sigaddset(&just_it, asking_signal);
    sigprocmask(SIG_UNBLOCK, &just_it, nullptr);
    raise(asking_signal);
  }
  _exit(0);
}

void finish_if_terminated() {
  if (asking_signal) end_after_termination();
}
