// The savers a supervisor has started, one process per monitor: the same
// program started anew with the saver's arguments, told its monitor in the
// environment (saver_place.h).
#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

struct saver_child {
  pid_t pid;
  std::string monitor;
  bool takes_input;
  bool retired;  // asked to end, its monitor gone or changed: not the user's end
};

// Starts a saver on the monitor; false (said on stderr) when it cannot be.
// Call with SIGCHLD blocked, as supervise() keeps it.
bool start_saver(char *const *argv, const std::string &monitor, bool take_input);
// Asks a saver to end (SIGTERM).
void retire_saver(saver_child *saver);
// The savers still running, retired ones included, oldest first.
std::vector<saver_child> &running_savers();
// A saver that has ended, taken off the list; false when none has.
bool take_ended_saver(saver_child *ended);
// Ends every saver: SIGTERM, and SIGKILL for those still there after
// `grace_ms`; returns once all have gone.
void end_savers(int grace_ms);
