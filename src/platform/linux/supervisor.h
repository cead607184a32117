// The full-screen saver on Linux covers every monitor: the program the user
// started is a supervisor that runs one saver process per monitor (the same
// program, started anew with the same arguments), each with its own window,
// GL context and picture the size of its monitor. Of them one takes the
// keyboard and pointer; the others hear input past that grab (X11) or have
// no keyboard (Wayland), so the focus never passes among them.
//
// It follows the monitors: a new one gets a saver at once, one that goes
// takes its saver with it, and one that changes place or size (on X11) gets
// a new saver. When a saver ends of itself (a key, a click, a move or the
// loss of activation on its monitor) it ends all the others; so does a
// termination signal to the supervisor, and the supervisor's end by any
// means (kill -9 too) ends every saver through the kernel's parent-death
// signal. The supervisor ends with status 0 once its savers have gone.
#pragma once

#include "platform/linux/monitor_source.h"

// argv: the program's arguments, which each saver gets too.
int supervise(const monitor_source *source, char *const *argv);
