// The Linux entry point: the arguments, joined with single blanks, are the
// Windows-style command line the saver scans; XScreenSaver's forms become
// the preview switch on the window it names.
#include <cstdio>
#include <cstdlib>

#include "host/ssaver.h"
#include "platform/posix/front_end.h"
#include "platform/posix/termination.h"
#include "platform/posix/x11_display.h"

int main(int argc, char **argv) {
  front_end_choice choice = read_arguments(argc, argv, std::getenv("XSCREENSAVER_WINDOW"));
  if (choice.usage) {
    std::fputs(usage_text, stdout);
    return 0;
  }
  if (choice.on_root_window) {
    Display *display = x11_display();
    choice.command_line = preview_command_line(display ? DefaultRootWindow(display) : 0);
  }
  close_on_termination_signals();
  return WinMain(nullptr, nullptr, &choice.command_line[0], SW_SHOWDEFAULT);
}
