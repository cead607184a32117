#include "platform/linux/saver_switches.h"

#include "host/command_line.h"
#include "host/ssaver.h"
#include "platform/linux/saver_place.h"
#include "platform/linux/supervisor.h"

int run_switches(std::string &command_line, window_system_kind kind, char *const *argv) {
  scan_command_line(command_line.c_str());
  if (ss_mode == MODE_SAVER) {
    const monitor_source *monitors = monitor_source_of(kind);
    if (!started_by_supervisor()) return supervise(monitors, argv);
    take_saver_place(monitors);
  }
  return WinMain(nullptr, nullptr, &command_line[0], SW_SHOWDEFAULT);
}
