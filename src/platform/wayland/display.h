// The one connection of the Wayland backend and the compositor's globals.
#pragma once

#include <wayland-client.h>

#include "wlr-layer-shell-unstable-v1-client-protocol.h"
#include "xdg-shell-client-protocol.h"

struct wayland_globals {
  wl_display *display;
  wl_compositor *compositor;
  xdg_wm_base *wm_base;
  wl_shm *shm;
  // wlroots' layer shell where the compositor offers it (and
  // TORVANE_WAYLAND_SHELL is not "xdg"); else null.
  zwlr_layer_shell_v1 *layer_shell;
};

// Connects to $WAYLAND_DISPLAY on first use and binds the globals; null when
// there is no compositor, or it offers no xdg-shell.
const wayland_globals *wayland();

// Handles every event that has arrived on `display`, without waiting for
// more; a broken connection (the compositor is gone) ends the program.
void wayland_dispatch(wl_display *display);
void wayland_pump();
void wayland_wait_for_events(long long nanoseconds);
// Handles events, waiting for them, until `done` is set.
void wayland_wait_for(const bool &done);
// Ends the program if the connection broke: the compositor is gone.
void wayland_check_connection();
