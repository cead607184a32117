// How a supervisor tells each saver it starts where it goes: in the
// environment variable TORVANE_SAVER_MONITOR, as "PID INPUT MONITOR": the
// supervisor's process id, 1 for the one saver that takes the keyboard and
// pointer (0 for the others), and the monitor as its window system names it.
#pragma once

#include <sys/types.h>

#include <string>

#include "platform/linux/monitor_source.h"

extern const char saver_place_variable[];

std::string saver_place(pid_t supervisor, bool take_input, const std::string &monitor);

// Whether a supervisor started this process (the variable is set).
bool started_by_supervisor();
// For such a saver, first thing: it ends with its supervisor, at once when
// that is gone already, and covers its monitor. A text it cannot read is
// said on stderr, and the saver covers the whole screen.
void take_saver_place(const monitor_source *source);
