// The compositor's outputs, as a supervisor follows them to start one saver
// per output, on a connection of its own. An output goes to its saver as
// the compositor's name for its global, in decimal, which
// wayland_place_on_output (backend.h) reads: the same name for every client.
#pragma once

#include <string>
#include <vector>

// Connects to $WAYLAND_DISPLAY and starts following the outputs; false
// without a compositor.
bool wayland_follow_outputs();
// The connection: readable when the compositor has news.
int wayland_output_fd();
// Handles the events that have arrived (with round_trip, all the
// compositor has sent until now); true when outputs came or went. A broken
// connection (the compositor is gone) ends the program.
bool wayland_read_outputs(bool round_trip);
// Every output, the first offered first.
std::vector<std::string> wayland_output_keys();
