// The monitors of the X screen, as a supervisor follows them to start one
// saver per monitor. A monitor goes to its saver as text ("x,y,width,height"
// in root coordinates), which x11_place_on_monitor (backend.h) reads.
#pragma once

#include <string>
#include <vector>

// Starts following the monitors on the backend's connection; false without
// a display.
bool x11_follow_monitors();
// The connection: readable when the server has news.
int x11_monitor_fd();
// Handles the events that have arrived (with round_trip, all the server has
// sent until now); true when the monitors may have changed.
bool x11_read_monitors(bool round_trip);
// Every monitor once, the primary first: RandR's monitors (one per output
// in use, or those `xrandr --setmonitor` made), or the whole screen when the
// server has no RandR 1.5.
std::vector<std::string> x11_monitor_keys();
