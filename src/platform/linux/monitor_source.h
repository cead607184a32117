// The monitors of the window system the program runs on: what a supervisor
// follows, and how a saver it starts takes its place on one. A monitor is
// named by a text the window system makes and reads back.
#pragma once

#include <string>
#include <vector>

#include "platform/linux/window_system_choice.h"

struct monitor_source {
  // Connects and starts following the monitors; false without a display.
  bool (*follow)();
  // The connection: readable when the server has news.
  int (*fd)();
  // Handles what has arrived (with round_trip, all the server has sent until
  // now); true when the monitors may have changed.
  bool (*read)(bool round_trip);
  // Every monitor; the first is where the saver that takes the input goes.
  std::vector<std::string> (*monitors)();
  // For a saver, before its window: it covers the monitor named so, and
  // takes the keyboard and pointer only with take_input. False when the
  // text names no monitor.
  bool (*place)(const char *monitor, bool take_input);
};

const monitor_source *monitor_source_of(window_system_kind kind);
