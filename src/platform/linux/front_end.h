// What the Linux program makes of its arguments: the saver's own switches,
// the forms XScreenSaver starts its hacks with, and a usage text.
#pragma once

#include <string>

#include "platform/linux/hack_options.h"

struct front_end_choice {
  bool usage;                // print usage() and end
  bool as_hack;              // one of XScreenSaver's forms: run as a hack with `hack`
  hack_options hack;
  std::string command_line;  // the Windows-style line for WinMain otherwise
};

// xscreensaver_window is $XSCREENSAVER_WINDOW, or null.
front_end_choice read_arguments(int argc, const char *const *argv, const char *xscreensaver_window);

std::string usage();
