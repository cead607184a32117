// The pointer's image over the saver's windows. A client sets it each time
// the pointer comes over one of its surfaces, with that entry's serial:
// none at all hides it, the theme's arrow shows it.
#include <wayland-cursor.h>

#include <cstdlib>

#include "platform/wayland/backend.h"
#include "platform/wayland/display.h"

namespace {

wl_pointer *entered_pointer;
uint32_t entry_serial;
wl_surface *arrow_surface;
wl_cursor_image *arrow;

// The arrow of $XCURSOR_THEME (or the default theme) at $XCURSOR_SIZE.
void load_arrow() {
  if (arrow) return;
  const char *size = std::getenv("XCURSOR_SIZE");
  int pixels = size && std::atoi(size) > 0 ? std::atoi(size) : 24;
  wl_cursor_theme *theme =
      wl_cursor_theme_load(std::getenv("XCURSOR_THEME"), pixels, wayland()->shm);
  wl_cursor *cursor = theme ? wl_cursor_theme_get_cursor(theme, "left_ptr") : nullptr;
  if (!cursor || cursor->image_count == 0) return;
  arrow = cursor->images[0];
  arrow_surface = wl_compositor_create_surface(wayland()->compositor);
  wl_surface_attach(arrow_surface, wl_cursor_image_get_buffer(arrow), 0, 0);
  wl_surface_damage(arrow_surface, 0, 0, static_cast<int32_t>(arrow->width),
                    static_cast<int32_t>(arrow->height));
  wl_surface_commit(arrow_surface);
}

void apply(const native_window &n) {
  if (!n.cursor_hidden) load_arrow();
  if (n.cursor_hidden || !arrow)
    wl_pointer_set_cursor(entered_pointer, entry_serial, nullptr, 0, 0);
  else
    wl_pointer_set_cursor(entered_pointer, entry_serial, arrow_surface,
                          static_cast<int32_t>(arrow->hotspot_x),
                          static_cast<int32_t>(arrow->hotspot_y));
  wl_display_flush(wayland()->display);
}

}  // namespace

void wayland_pointer_over(wl_pointer *pointer, uint32_t serial, wl_surface *surface) {
  entered_pointer = pointer;
  entry_serial = serial;
  if (window_record *w = wayland_window_of(surface)) apply(*w->native);
}

void wayland_set_cursor_visible(window_record *w, bool visible) {
  w->native->cursor_hidden = !visible;
  if (wayland_pointer_surface() == w->native->surface) apply(*w->native);
}

bool wayland_cursor_pos(POINT *) { return false; }
