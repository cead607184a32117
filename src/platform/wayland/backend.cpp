// The Wayland window system: xdg-shell surfaces, wl_seat input, EGL.
#include "platform/wayland/backend.h"

#include <cstdlib>

#include "platform/wayland/display.h"

namespace {

bool connect() { return wayland() != nullptr; }

const char *display_name() {
  const char *name = std::getenv("WAYLAND_DISPLAY");
  return name && *name ? name : "wayland-0";
}

// A surface is the program's own until it destroys it: a compositor that
// goes ends the program instead.
bool window_never_gone(window_record *) { return false; }

const window_system wayland_system = {
    connect,
    display_name,
    wayland_screen_metric,
    wayland_pump,
    wayland_wait_for_events,
    wayland_create_window,
    wayland_show_window,
    wayland_destroy_window,
    wayland_window_rect,
    wayland_client_size,
    wayland_set_cursor_visible,
    wayland_cursor_pos,
    egl_bits_per_pixel,
    egl_choose_pixel_format,
    egl_create_surface,
    egl_resize_surface,
    egl_create_context,
    egl_make_current,
    window_never_gone,
    egl_delete_context,
    egl_flush,
    egl_swap_buffers,
    egl_proc_address,
};

}  // namespace

const window_system *wayland_window_system() { return &wayland_system; }
