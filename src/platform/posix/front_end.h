// What the Linux program makes of its arguments: the saver's own switches,
// the forms XScreenSaver starts its hacks with, and a usage text.
#pragma once

#include <string>

struct front_end_choice {
  bool usage;           // print usage_text and end
  bool on_root_window;  // XScreenSaver's --root with no window of its own
  std::string command_line;  // the Windows-style line for WinMain otherwise
  bool names_x_window;  // an XScreenSaver form: it draws into an X window
};

// xscreensaver_window is $XSCREENSAVER_WINDOW, or null.
front_end_choice read_arguments(int argc, const char *const *argv, const char *xscreensaver_window);

// The preview switch drawing into `window`.
std::string preview_command_line(unsigned long window);

extern const char usage_text[];
