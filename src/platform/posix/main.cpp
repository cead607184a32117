// The Linux entry point: the arguments, joined with single blanks, are the
// Windows-style command line the saver scans; XScreenSaver's forms run the
// saver as a hack drawing into the window they name.
#include <cstdio>
#include <cstdlib>

#include "host/ssaver.h"
#include "platform/posix/front_end.h"
#include "platform/posix/hack_run.h"
#include "platform/posix/termination.h"

int main(int argc, char **argv) {
  front_end_choice choice = read_arguments(argc, argv, std::getenv("XSCREENSAVER_WINDOW"));
  if (choice.usage) {
    std::fputs(usage().c_str(), stdout);
    return 0;
  }
  if (choice.as_hack) return run_hack(choice.hack);
  close_on_termination_signals();
  return WinMain(nullptr, nullptr, &choice.command_line[0], SW_SHOWDEFAULT);
}
