// The one X connection shared by the window and GL areas.
#pragma once

#include <X11/Xlib.h>

// Opens the display named by $DISPLAY on first use; null when there is none.
// X errors on this connection never end the program:
// the saver's windows, and a preview parent, can vanish at any time.
// BadWindow and BadDrawable pass silently; others get one line on stderr.
// Losing the connection ends the program with status 0.
Display *x11_display();

// Says on stderr that the display named by $DISPLAY cannot be opened.
void x11_report_no_display();

// The window named by the latest BadWindow or BadDrawable error, then 0
// until the next one.
XID x11_take_bad_window();
