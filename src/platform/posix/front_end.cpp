#include "platform/posix/front_end.h"

#include <cstdlib>
#include <cstring>

const char usage_text[] =
    "Usage: torvane [switch]\n"
    "An OpenGL screen saver: a lit, textured tube tumbling slowly.\n"
    "\n"
    "  /s          run full screen until a key, a click or a mouse move\n"
    "  /p ID       draw as a preview inside the X window ID (decimal); /l ID alike\n"
    "  /c          open the settings dialog (also with no switch at all)\n"
    "  /a          do nothing (a password request) and end\n"
    "  Switches may start with '-' as well as '/'.\n"
    "\n"
    "XScreenSaver forms:\n"
    "  --root, -root           draw into $XSCREENSAVER_WINDOW (hex 0x... or decimal),\n"
    "                          or on the root window when it is not set\n"
    "  --window-id ID, -window-id ID\n"
    "                          draw into the X window ID (hex 0x... or decimal)\n"
    "  Add it to XScreenSaver's programs list as:  GL: torvane --root\n"
    "\n"
    "Settings live in $XDG_CONFIG_HOME/torvane/registry.reg (by default\n"
    "~/.config/torvane/registry.reg), or in $TORVANE_REGISTRY when set;\n"
    "change them with 'torvane /c'.\n";

namespace {

bool is_any(const char *argument, const char *long_form, const char *short_form) {
  return std::strcmp(argument, long_form) == 0 || std::strcmp(argument, short_form) == 0;
}

// A window id in hexadecimal (0x...) or decimal; 0 for anything else, which
// no window has.
unsigned long parse_window_id(const char *text) {
  if (!text || !*text) return 0;
  bool hex = text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
  const char *digits = hex ? text + 2 : text;
  if (!*digits || *digits == '-' || *digits == '+' || *digits == ' ') return 0;
  char *end = nullptr;
  unsigned long window = std::strtoul(digits, &end, hex ? 16 : 10);
  return *end ? 0 : window;
}

front_end_choice saver_line(std::string line) { return front_end_choice{false, false, line, false}; }

front_end_choice x_window_line(unsigned long window) {
  return front_end_choice{false, false, preview_command_line(window), true};
}

}  // namespace

std::string preview_command_line(unsigned long window) { return "/p " + std::to_string(window); }

front_end_choice read_arguments(int argc, const char *const *argv, const char *xscreensaver_window) {
  if (argc == 2 && is_any(argv[1], "--help", "-h")) return front_end_choice{true, false, "", false};

  for (int i = 1; i < argc; i++) {
    if (is_any(argv[i], "--root", "-root")) {
      if (xscreensaver_window && *xscreensaver_window)
        return x_window_line(parse_window_id(xscreensaver_window));
      return front_end_choice{false, true, "", true};
    }
    if (is_any(argv[i], "--window-id", "-window-id"))
      return x_window_line(parse_window_id(i + 1 < argc ? argv[i + 1] : nullptr));
  }

  std::string line;
  for (int i = 1; i < argc; i++) {
    if (i > 1) line += ' ';
    line += argv[i];
  }
  return saver_line(line);
}
