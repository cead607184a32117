// The X11 window system: Xlib windows and events, GL through EGL.
#include "platform/x11/backend.h"

#include "platform/x11/display.h"

namespace {

bool connect() { return x11_display() != nullptr; }

const char *display_name() { return XDisplayName(nullptr); }

// Events Xlib has read already are waiting too; a signal ends the wait.
void wait_for_events(long long nanoseconds) {
  Display *display = x11_display();
  XFlush(display);
  if (XEventsQueued(display, QueuedAlready)) return;
  wait_until_readable(ConnectionNumber(display), nanoseconds);
}

const window_system x11 = {
    connect,
    display_name,
    x11_screen_metric,
    x11_pump,
    wait_for_events,
    x11_create_window,
    x11_show_window,
    x11_destroy_window,
    x11_window_rect,
    x11_client_size,
    x11_set_cursor_visible,
    x11_cursor_pos,
    x11_bits_per_pixel,
    x11_choose_pixel_format,
    x11_create_surface,
    x11_resize_surface,
    x11_create_context,
    x11_make_current,
    x11_window_gone,
    x11_delete_context,
    x11_flush,
    x11_swap_buffers,
    x11_proc_address,
};

}  // namespace

const window_system *x11_window_system() { return &x11; }
