// Which window system the Linux program runs on.
#pragma once

enum window_system_kind { WINDOW_SYSTEM_X11, WINDOW_SYSTEM_WAYLAND };

// XScreenSaver's forms (`as_hack`) always run on X11: they draw into the X
// window they are given. Otherwise $TORVANE_BACKEND ("x11" or "wayland")
// decides when it is set, and else Wayland when $WAYLAND_DISPLAY is set. Any
// other TORVANE_BACKEND is reported on stderr and then ignored.
window_system_kind choose_window_system(const char *torvane_backend, const char *wayland_display,
                                        bool as_hack);

// The name GTK knows the window system by (for GDK_BACKEND).
const char *window_system_gdk_name(window_system_kind kind);
