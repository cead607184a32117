// The saver's own switches on Linux. The full-screen switch runs a
// supervisor that starts one saver per monitor (supervisor.h), and each of
// those savers runs WinMain as the switch asks, on its monitor; every other
// switch goes to WinMain as it is.
#pragma once

#include <string>

#include "platform/linux/window_system_choice.h"

// command_line: the arguments joined with single blanks; argv: the
// arguments themselves, for the savers a supervisor starts.
int run_switches(std::string &command_line, window_system_kind kind, char *const *argv);
