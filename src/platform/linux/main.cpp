// The Linux entry point: the arguments, joined with single blanks, are the
// Windows-style command line the saver scans (full screen, one saver per
// monitor: saver_switches.h); XScreenSaver's forms run the saver as a hack
// drawing into the X window they name. The saver runs on Wayland or X11
// (window_system_choice.h), with GTK for its dialogs and message boxes on
// the same one; a hack has no dialogs, and says its messages on stderr
// (hack_messages.h). The heap is kept between frames (heap.h) from the
// start.
#include <cstdio>
#include <cstdlib>

#include "host/ssaver.h"
#include "platform/emul/dialog_toolkit.h"
#include "platform/emul/window_system.h"
#include "platform/gtk/dialogs.h"
#include "platform/linux/front_end.h"
#include "platform/linux/hack_run.h"
#include "platform/linux/heap.h"
#include "platform/linux/saver_switches.h"
#include "platform/linux/window_system_choice.h"
#include "platform/posix/termination.h"
#include "platform/wayland/backend.h"
#include "platform/x11/backend.h"

int main(int argc, char **argv) {
  keep_heap_between_frames();
  take_process_signals();
  front_end_choice choice = read_arguments(argc, argv, std::getenv("XSCREENSAVER_WINDOW"));
  if (choice.usage) {
    std::fputs(usage().c_str(), stdout);
    return 0;
  }
  window_system_kind kind = choose_window_system(std::getenv("TORVANE_BACKEND"),
                                                 std::getenv("WAYLAND_DISPLAY"), choice.as_hack);
  use_window_system(kind == WINDOW_SYSTEM_WAYLAND ? wayland_window_system() : x11_window_system());
  setenv("GDK_BACKEND", window_system_gdk_name(kind), 0);
  if (!choice.as_hack) use_dialog_toolkit(gtk_dialog_toolkit());
  int status =
      choice.as_hack ? run_hack(choice.hack) : run_switches(choice.command_line, kind, argv);
  finish_if_terminated();
  return status;
}
