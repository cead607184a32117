// The one X connection of the X11 backend.
#pragma once

#include <X11/Xlib.h>

// Opens the display named by $DISPLAY on first use; null when there is none.
// X errors on this connection never end the program:
// the saver's windows, and a preview parent, can vanish at any time.
// BadWindow and BadDrawable pass silently; others get one line on stderr.
// Losing the connection ends the program with status 0.
Display *x11_display();

// connection_loss.cpp: ends the program, the connection being lost; Xlib's
// IO error handler. Every X connection of the program ends it so, the
// dialog toolkit's too.
[[noreturn]] int x11_connection_lost(Display *display);
// Ends the program as soon as the server hangs up on `display`, whatever the
// program is doing then.
void x11_watch_connection(Display *display);

// The window named by the latest BadWindow or BadDrawable error, then 0
// until the next one.
XID x11_take_bad_window();

// The WM_DELETE_WINDOW atom: a window manager's close request.
Atom x11_wm_delete_window();
// A top-level window takes the window manager's close as that request.
void x11_accept_close_requests(Window id);

// Whether `id` names a window now. 0 names none, and neither does a number
// beyond X's 29 bits, which Xlib would cut to 32 bits, naming another.
bool x11_window_exists(Window id);
