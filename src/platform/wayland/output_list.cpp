#include "platform/wayland/output_list.h"

#include <unistd.h>

#include <algorithm>
#include <cstring>

#include "platform/wayland/display.h"

namespace {

wl_display *display;
std::vector<uint32_t> outputs;  // their globals' names
bool changed;

void on_global(void *, wl_registry *, uint32_t name, const char *interface, uint32_t) {
  if (std::strcmp(interface, wl_output_interface.name) != 0) return;
  outputs.push_back(name);
  changed = true;
}

void on_global_remove(void *, wl_registry *, uint32_t name) {
  auto gone = std::find(outputs.begin(), outputs.end(), name);
  if (gone == outputs.end()) return;
  outputs.erase(gone);
  changed = true;
}

const wl_registry_listener registry_listener = {on_global, on_global_remove};

}  // namespace

bool wayland_follow_outputs() {
  display = wl_display_connect(nullptr);
  if (!display) return false;
  wl_registry_add_listener(wl_display_get_registry(display), &registry_listener, nullptr);
  return wl_display_roundtrip(display) >= 0;
}

int wayland_output_fd() { return wl_display_get_fd(display); }

bool wayland_read_outputs(bool round_trip) {
  if (round_trip && wl_display_roundtrip(display) < 0) _exit(0);
  wayland_dispatch(display);
  bool was = changed;
  changed = false;
  return was;
}

std::vector<std::string> wayland_output_keys() {
  std::vector<std::string> keys;
  for (uint32_t name : outputs) keys.push_back(std::to_string(name));
  return keys;
}
