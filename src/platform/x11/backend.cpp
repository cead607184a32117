// The X11 window system: Xlib windows and events; GL through GLX where the
// server offers it, else through EGL.
#include "platform/x11/backend.h"

#include <GL/glx.h>

#include "platform/x11/display.h"

namespace {

bool connect();

const char *display_name() { return XDisplayName(nullptr); }

// Events Xlib has read already are waiting too; a signal ends the wait.
void wait_for_events(long long nanoseconds) {
  Display *display = x11_display();
  XFlush(display);
  if (XEventsQueued(display, QueuedAlready)) return;
  wait_until_readable(ConnectionNumber(display), nanoseconds);
}

// The GL entries are the chosen API's, set when the backend connects.
window_system x11 = {
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
    nullptr,
    nullptr,
    x11_resize_surface,
    nullptr,
    nullptr,
    x11_window_gone,
    nullptr,
    x11_flush,
    nullptr,
    nullptr,
};

const x11_gl_api *gl;

// GLX wherever the server offers it: with Mesa's software renderer (on
// every server without DRI3: Xvfb, virtual machines, remote displays) GLX
// hands a frame to the server through shared memory, where EGL writes it
// down the socket, which costs the program and above all the server more
// processor time a frame (the README has the figures). EGL draws where
// there is no GLX, as XScreenSaver 6's hacks do.
const x11_gl_api &gl_for(Display *display) {
  int error_base, event_base;
  return glXQueryExtension(display, &error_base, &event_base) ? x11_glx : x11_egl;
}

bool connect_once() {
  Display *display = x11_display();
  if (!display) return false;
  gl = &gl_for(display);
  x11.choose_pixel_format = gl->choose_pixel_format;
  x11.create_surface = gl->create_surface;
  x11.create_context = gl->create_context;
  x11.make_current = gl->make_current;
  x11.delete_context = gl->delete_context;
  x11.swap_buffers = gl->swap_buffers;
  x11.proc_address = gl->proc_address;
  return true;
}

bool connect() {
  static const bool connected = connect_once();
  return connected;
}

}  // namespace

const window_system *x11_window_system() { return &x11; }

const x11_gl_api &x11_gl() { return *gl; }
