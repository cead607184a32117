#include "platform/linux/supervisor.h"

#include <poll.h>
#include <signal.h>

#include <algorithm>

#include "platform/emul/window_system.h"
#include "platform/linux/saver_children.h"
#include "platform/posix/termination.h"

namespace {

// Savers close within half a second of a termination signal; the
// supervisor's own time to end after one is the same, so it stops waiting
// for them a little sooner.
const int savers_grace_ms = 400;

const monitor_source *source;
char *const *saver_argv;

bool listed(const std::vector<std::string> &monitors, const std::string &monitor) {
  return std::find(monitors.begin(), monitors.end(), monitor) != monitors.end();
}

bool has_saver(const std::string &monitor) {
  for (const saver_child &saver : running_savers())
    if (!saver.retired && saver.monitor == monitor) return true;
  return false;
}

bool input_taken() {
  for (const saver_child &saver : running_savers())
    if (!saver.retired && saver.takes_input) return true;
  return false;
}

// Every monitor gets one saver, and one of them takes the input: the first
// new one when none has it, or else the oldest, started anew for that.
// False when a saver could not be started.
bool follow_monitors() {
  std::vector<std::string> monitors = source->monitors();
  for (saver_child &saver : running_savers())
    if (!saver.retired && !listed(monitors, saver.monitor)) retire_saver(&saver);
  bool input = input_taken();
  for (const std::string &monitor : monitors) {
    if (has_saver(monitor)) continue;
    if (!start_saver(saver_argv, monitor, !input)) return false;
    input = true;
  }
  if (input) return true;
  for (saver_child &saver : running_savers()) {
    if (saver.retired) continue;
    retire_saver(&saver);
    std::string monitor = saver.monitor;  // starting one moves the list
    return start_saver(saver_argv, monitor, true);
  }
  return true;
}

// Whether the savers are to end: a saver ended of itself, which is the
// user's doing (or the saver's own failure), or one could not be started.
// A retired saver ends as asked; and one whose monitor has gone ends of
// itself too, as the window system may take its window before it tells the
// supervisor of the monitor's going.
bool savers_to_end() {
  saver_child ended;
  while (take_ended_saver(&ended)) {
    if (ended.retired) continue;
    source->read(true);
    if (listed(source->monitors(), ended.monitor) || !follow_monitors()) return true;
  }
  return false;
}

// Waits for news from the window system, a saver's end or a termination
// signal; false when a termination signal asked for the end. The signals
// that ask are let through only while waiting, so that none slips in
// between the look and the wait.
bool wait_for_news(const sigset_t &while_waiting) {
  sigset_t asking, before;
  sigemptyset(&asking);
  sigaddset(&asking, SIGTERM);
  sigaddset(&asking, SIGINT);
  sigprocmask(SIG_BLOCK, &asking, &before);
  bool asked = termination_requested();
  if (!asked) {
    pollfd server = {source->fd(), POLLIN, 0};
    ppoll(&server, 1, nullptr, &while_waiting);
  }
  sigprocmask(SIG_SETMASK, &before, nullptr);
  return !asked;
}

void on_child(int) {}

}  // namespace

int supervise(const monitor_source *monitors, char *const *argv) {
  source = monitors;
  saver_argv = argv;
  if (!source->follow()) {
    report_no_display();
    return 0;
  }
  // A termination signal now has savers to end first (termination.h).
  note_saver_windows(true);
  struct sigaction action = {};
  action.sa_handler = on_child;
  sigemptyset(&action.sa_mask);
  sigaction(SIGCHLD, &action, nullptr);
  sigset_t child, while_waiting;
  sigemptyset(&child);
  sigaddset(&child, SIGCHLD);
  sigprocmask(SIG_BLOCK, &child, &while_waiting);
  sigdelset(&while_waiting, SIGCHLD);

  source->read(true);
  bool started = follow_monitors();
  while (started && !savers_to_end()) {
    // Looking at the monitors may bring news of further changes.
    bool following = true;
    while (following && source->read(false)) following = follow_monitors();
    if (!following || !wait_for_news(while_waiting)) break;
  }
  end_savers(savers_grace_ms);
  return 0;
}
