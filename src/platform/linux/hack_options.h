// The options torvane takes as an XScreenSaver hack, as its XML offers them:
// where to draw, the frame delay, the frame-rate overlay and every setting
// of the configuration dialog. One dash or two; a value follows as the next
// argument or after '=' (--speed=200).
#pragma once

#include <string>
#include <vector>

enum hack_target {
  HACK_OWN_WINDOW,  // a window of its own (-window, and when nothing else is said)
  HACK_ROOT,        // the root window itself (-root without $XSCREENSAVER_WINDOW)
  HACK_WINDOW_ID,   // the window in `window` (-window-id, or -root with $XSCREENSAVER_WINDOW)
};

struct setting_value {
  int *setting;  // one of the settings variables
  int value;
};

struct option_value {
  int bit;  // an OPT_* bit of user_options
  bool on;
};

struct hack_options {
  hack_target target;
  unsigned long window;
  long delay;  // microseconds from the start of one frame to the start of the next
  bool fps;
  std::vector<setting_value> settings;  // in the order given; a later one wins
  std::vector<option_value> options;
  bool help;
  std::string error;  // what is wrong with the line, naming the option; empty if nothing
};

extern const long default_frame_delay;

// Whether the argument is written as one of these options (a dash and a
// word, or two dashes and anything) rather than as one of the saver's own
// one-letter switches (/s, -s, -c:42, /p 1234).
bool is_hack_option(const char *argument);

// xscreensaver_window is $XSCREENSAVER_WINDOW, or null. Reading stops at
// the first error.
hack_options read_hack_options(int argc, const char *const *argv, const char *xscreensaver_window);

// The settings XScreenSaver's pane shows as sliders, at their defaults. A
// slider always shows a number, and passes none at its default: a hack
// takes these defaults before its options, not the stored values.
std::vector<setting_value> slider_defaults();

// A window id in hexadecimal (0x...) or decimal; 0 for anything else, which
// no window has.
unsigned long parse_window_id(const char *text);

// The usage's lines for these options.
std::string hack_options_usage();
