// Full-screen windows as layer surfaces (wlroots' layer shell): on the
// overlay layer of their output, above every window and panel; anchored to
// all four edges with no size of their own, so the compositor sizes them to
// the output; pushing nothing aside and pushed aside by nothing. Of several
// savers, only the one that takes the input has the keyboard (exclusively):
// the others never have it, so it cannot pass among them.
#include "platform/wayland/backend.h"
#include "platform/wayland/display.h"

namespace {

void on_configure(void *data, zwlr_layer_surface_v1 *layer, uint32_t serial, uint32_t width,
                  uint32_t height) {
  native_window *n = static_cast<native_window *>(data);
  n->next_width = static_cast<int>(width);
  n->next_height = static_cast<int>(height);
  zwlr_layer_surface_v1_ack_configure(layer, serial);
  wayland_configured(n);
}

// The compositor took the surface away, as it does when its output goes:
// the window closes (before it is made, its making fails).
void on_closed(void *data, zwlr_layer_surface_v1 *) {
  native_window *n = static_cast<native_window *>(data);
  n->closed = true;
  n->configured = true;
  if (window_record *w = wayland_window_of(n->surface)) window_close_requested(w);
}

const zwlr_layer_surface_v1_listener layer_listener = {on_configure, on_closed};

const uint32_t all_edges =
    ZWLR_LAYER_SURFACE_V1_ANCHOR_TOP | ZWLR_LAYER_SURFACE_V1_ANCHOR_BOTTOM |
    ZWLR_LAYER_SURFACE_V1_ANCHOR_LEFT | ZWLR_LAYER_SURFACE_V1_ANCHOR_RIGHT;

}  // namespace

void wayland_make_layer_surface(native_window *n, wl_output *output, bool keyboard) {
  n->layer = zwlr_layer_shell_v1_get_layer_surface(wayland()->layer_shell, n->surface, output,
                                                   ZWLR_LAYER_SHELL_V1_LAYER_OVERLAY, "torvane");
  zwlr_layer_surface_v1_add_listener(n->layer, &layer_listener, n);
  zwlr_layer_surface_v1_set_size(n->layer, 0, 0);
  zwlr_layer_surface_v1_set_anchor(n->layer, all_edges);
  zwlr_layer_surface_v1_set_exclusive_zone(n->layer, -1);
  zwlr_layer_surface_v1_set_keyboard_interactivity(
      n->layer, keyboard ? ZWLR_LAYER_SURFACE_V1_KEYBOARD_INTERACTIVITY_EXCLUSIVE
                         : ZWLR_LAYER_SURFACE_V1_KEYBOARD_INTERACTIVITY_NONE);
}
