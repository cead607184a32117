// Running as an XScreenSaver hack: the options become this run's settings,
// its frame pacing and overlay, and the saver draws as a preview into the
// window the options name, in a loop of the hack's own (hack_loop.h). As
// hacks do, it ends with one line on stderr and status 1 when GL cannot
// start, and by the signal when a termination signal comes, once the saver
// has cleaned up.
#pragma once

#include "platform/linux/hack_options.h"

// The exit status: 1 for a faulty line, no display, no such window or no
// GL; 0 when the saver's window goes.
int run_hack(const hack_options &hack);
