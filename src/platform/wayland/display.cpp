#include "platform/wayland/display.h"

#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/wayland/backend.h"

namespace {

wayland_globals globals;
bool seat_bound;  // the first is the user's

// The compositor went away: nothing is left to draw on, so end as a saver
// ends, at once (exit handlers could touch the dead connection).
[[noreturn]] void connection_lost() { _exit(0); }

// A way round the layer shell, for a compositor whose layer surfaces do not
// serve (and to try the xdg-shell windows on one that has them).
bool xdg_shell_only() {
  const char *shell = std::getenv("TORVANE_WAYLAND_SHELL");
  return shell && std::strcmp(shell, "xdg") == 0;
}

void on_ping(void *, xdg_wm_base *wm_base, uint32_t serial) { xdg_wm_base_pong(wm_base, serial); }
const xdg_wm_base_listener wm_base_listener = {on_ping};

template <typename T>
T *bind(wl_registry *registry, uint32_t name, const wl_interface *interface, uint32_t offered,
        uint32_t wanted) {
  return static_cast<T *>(wl_registry_bind(registry, name, interface, std::min(offered, wanted)));
}

// Versions: the oldest that has what the backend uses.
void on_global(void *, wl_registry *registry, uint32_t name, const char *interface,
               uint32_t version) {
  if (std::strcmp(interface, wl_compositor_interface.name) == 0) {
    globals.compositor = bind<wl_compositor>(registry, name, &wl_compositor_interface, version, 4);
  } else if (std::strcmp(interface, xdg_wm_base_interface.name) == 0) {
    globals.wm_base = bind<xdg_wm_base>(registry, name, &xdg_wm_base_interface, version, 1);
    xdg_wm_base_add_listener(globals.wm_base, &wm_base_listener, nullptr);
  } else if (std::strcmp(interface, wl_shm_interface.name) == 0) {
    globals.shm = bind<wl_shm>(registry, name, &wl_shm_interface, version, 1);
  } else if (std::strcmp(interface, wl_seat_interface.name) == 0 && !seat_bound) {
    seat_bound = true;
    wayland_seat_added(bind<wl_seat>(registry, name, &wl_seat_interface, version, 3));
  } else if (std::strcmp(interface, wl_output_interface.name) == 0) {
    wayland_output_offered(registry, name, version);
  } else if (std::strcmp(interface, zwlr_layer_shell_v1_interface.name) == 0) {
    if (!xdg_shell_only())
      globals.layer_shell =
          bind<zwlr_layer_shell_v1>(registry, name, &zwlr_layer_shell_v1_interface, version, 1);
  }
}
void on_global_remove(void *, wl_registry *, uint32_t) {}
const wl_registry_listener registry_listener = {on_global, on_global_remove};

const wayland_globals *open_connection() {
  wl_display *display = wl_display_connect(nullptr);
  if (!display) return nullptr;
  globals.display = display;
  wl_registry_add_listener(wl_display_get_registry(display), &registry_listener, nullptr);
  // The globals; then what binding them brought (output modes, the seat's
  // capabilities).
  if (wl_display_roundtrip(display) < 0 || wl_display_roundtrip(display) < 0) return nullptr;
  if (!globals.compositor || !globals.wm_base || !globals.shm) {
    std::fprintf(stderr, "torvane: the Wayland compositor offers no xdg-shell windows\n");
    return nullptr;
  }
  return &globals;
}

}  // namespace

const wayland_globals *wayland() {
  static const wayland_globals *connection = open_connection();
  return connection;
}

void wayland_check_connection() {
  if (wl_display_get_error(globals.display)) connection_lost();
}

// Events already queued are waiting too; a signal ends the wait.
void wayland_wait_for_events(long long nanoseconds) {
  wl_display *display = globals.display;
  if (wl_display_prepare_read(display) != 0) return;
  wl_display_flush(display);
  wait_until_readable(wl_display_get_fd(display), nanoseconds);
  wl_display_cancel_read(display);
}

void wayland_dispatch(wl_display *display) {
  while (wl_display_prepare_read(display) != 0)
    if (wl_display_dispatch_pending(display) < 0) connection_lost();
  if (wl_display_flush(display) < 0 && errno != EAGAIN) {
    wl_display_cancel_read(display);
    connection_lost();
  }
  pollfd readable = {wl_display_get_fd(display), POLLIN, 0};
  if (poll(&readable, 1, 0) > 0) {
    if (wl_display_read_events(display) < 0) connection_lost();
  } else {
    wl_display_cancel_read(display);
  }
  if (wl_display_dispatch_pending(display) < 0) connection_lost();
}

void wayland_pump() {
  wayland_dispatch(globals.display);
  wayland_settle_keyboard_focus();
}

void wayland_wait_for(const bool &done) {
  while (!done)
    if (wl_display_dispatch(globals.display) < 0) connection_lost();
}
