// Running as an XScreenSaver hack: the options become this run's settings,
// its frame pacing and overlay, and the saver draws as a preview into the
// window the options name. A termination signal ends the process by that
// signal once the saver has cleaned up.
#pragma once

#include "platform/linux/hack_options.h"

// The exit status: 1 for a faulty line, no display or no such window.
int run_hack(const hack_options &hack);
