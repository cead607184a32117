// The one X connection shared by the window and GL areas.
#pragma once

#include <X11/Xlib.h>

// Opens the display named by $DISPLAY on first use; null when there is none.
Display *x11_display();
