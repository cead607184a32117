// -window: a top-level window of the hack's own, which the saver fills as
// it fills XScreenSaver's window. Closing it ends the saver.
#pragma once

#include <X11/Xlib.h>

Window open_hack_window(Display *display);
