// The one connection of the Wayland backend and the compositor's globals.
#pragma once

#include <wayland-client.h>

#include "xdg-shell-client-protocol.h"

struct wayland_globals {
  wl_display *display;
  wl_compositor *compositor;
  xdg_wm_base *wm_base;
  wl_shm *shm;
  int screen_width, screen_height;  // the first output's current mode; 0 until known
};

// Connects to $WAYLAND_DISPLAY on first use and binds the globals; null when
// there is no compositor, or it offers no xdg-shell.
const wayland_globals *wayland();

// Handles every event that has arrived, without waiting for more.
void wayland_pump();
void wayland_wait_for_events(long long nanoseconds);
// Handles events, waiting for them, until `done` is set.
void wayland_wait_for(const bool &done);
// Ends the program if the connection broke: the compositor is gone.
void wayland_check_connection();
