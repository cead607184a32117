#include "platform/linux/front_end.h"

#include <cstring>

namespace {

const char switches_usage[] =
    "Usage: torvane [switch]\n"
    "       torvane [option...]\n"
    "An OpenGL screen saver: a lit, textured tube tumbling slowly.\n"
    "\n"
    "  /s          run full screen on every monitor until a key, a click or a mouse\n"
    "              move on any of them\n"
    "  /p ID       draw as a preview inside the X window ID (decimal); /l ID alike;\n"
    "              X11 only\n"
    "  /c          open the settings dialog (also with no switch at all)\n"
    "  /a          do nothing (a password request) and end\n"
    "  Switches may start with '-' as well as '/'.\n"
    "\n";

const char settings_usage[] =
    "\n"
    "Add it to XScreenSaver's programs list as:  GL: torvane --root\n"
    "\n"
    "The switches run on Wayland when $WAYLAND_DISPLAY is set, else on X11;\n"
    "TORVANE_BACKEND=x11 or TORVANE_BACKEND=wayland chooses. XScreenSaver's\n"
    "forms always run on X11.\n"
    "\n"
    "Settings live in $XDG_CONFIG_HOME/torvane/registry.reg (by default\n"
    "~/.config/torvane/registry.reg), or in $TORVANE_REGISTRY when set;\n"
    "change them with 'torvane /c'.\n";

bool is_help(const char *argument) {
  return std::strcmp(argument, "--help") == 0 || std::strcmp(argument, "-h") == 0;
}

}  // namespace

std::string usage() { return switches_usage + hack_options_usage() + settings_usage; }

front_end_choice read_arguments(int argc, const char *const *argv, const char *xscreensaver_window) {
  front_end_choice choice = {argc == 2 && is_help(argv[1]), false, {}, ""};
  if (choice.usage) return choice;

  for (int i = 1; i < argc && !choice.as_hack; i++) choice.as_hack = is_hack_option(argv[i]);
  if (choice.as_hack) {
    choice.hack = read_hack_options(argc, argv, xscreensaver_window);
    choice.usage = choice.hack.help && choice.hack.error.empty();
    return choice;
  }

  for (int i = 1; i < argc; i++) {
    if (i > 1) choice.command_line += ' ';
    choice.command_line += argv[i];
  }
  return choice;
}
