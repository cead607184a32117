// The output a full-screen saver covers: the one its supervisor names, by
// the compositor's name for the output's global, or else the first one
// offered; its current mode (the saver's screen size) and its scale.
#include <cstdio>

#include "platform/wayland/backend.h"

namespace {

bool named;            // a supervisor named the output
uint32_t chosen_name;  // its global's name
bool takes_input = true;

wl_output *output;
int width, height;  // the current mode, in pixels; 0 until known
int scale = 1, next_scale = 1;

void on_geometry(void *, wl_output *, int32_t, int32_t, int32_t, int32_t, int32_t, const char *,
                 const char *, int32_t) {}

void on_mode(void *, wl_output *, uint32_t flags, int32_t mode_width, int32_t mode_height,
             int32_t) {
  if (!(flags & WL_OUTPUT_MODE_CURRENT)) return;
  width = mode_width;
  height = mode_height;
}

// A new scale counts once the output's description is complete.
void on_done(void *, wl_output *) {
  if (next_scale == scale) return;
  scale = next_scale;
  wayland_output_rescaled();
}

void on_scale(void *, wl_output *, int32_t factor) { next_scale = factor > 0 ? factor : 1; }

// Events of later versions than the one bound never come: null.
const wl_output_listener output_listener = {on_geometry, on_mode, on_done,
                                            on_scale,    nullptr, nullptr};

}  // namespace

bool wayland_place_on_output(const char *key, bool take_input) {
  unsigned name;
  char beyond;
  if (std::sscanf(key, "%u%c", &name, &beyond) != 1) return false;
  named = true;
  chosen_name = name;
  takes_input = take_input;
  return true;
}

bool wayland_takes_input() { return takes_input; }

void wayland_output_offered(wl_registry *registry, uint32_t name, uint32_t version) {
  if (output || (named && name != chosen_name)) return;
  // Version 2 brings the scale.
  output = static_cast<wl_output *>(
      wl_registry_bind(registry, name, &wl_output_interface, version < 2 ? version : 2));
  wl_output_add_listener(output, &output_listener, nullptr);
}

wl_output *wayland_saver_output() { return output; }

bool wayland_output_lost() { return named && !output; }

int wayland_output_scale() { return scale; }

int wayland_screen_metric(int index) {
  if (index == SM_CXSCREEN) return width;
  if (index == SM_CYSCREEN) return height;
  return 0;
}
