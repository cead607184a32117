#include "platform/linux/window_system_choice.h"

#include <cstdio>
#include <cstring>

window_system_kind choose_window_system(const char *torvane_backend, const char *wayland_display,
                                        bool as_hack) {
  if (as_hack) return WINDOW_SYSTEM_X11;
  if (torvane_backend && *torvane_backend) {
    if (std::strcmp(torvane_backend, "x11") == 0) return WINDOW_SYSTEM_X11;
    if (std::strcmp(torvane_backend, "wayland") == 0) return WINDOW_SYSTEM_WAYLAND;
    std::fprintf(stderr, "torvane: TORVANE_BACKEND is \"%s\"; it can be x11 or wayland\n",
                 torvane_backend);
  }
  bool on_wayland = wayland_display && *wayland_display;
  return on_wayland ? WINDOW_SYSTEM_WAYLAND : WINDOW_SYSTEM_X11;
}

const char *window_system_gdk_name(window_system_kind kind) {
  return kind == WINDOW_SYSTEM_WAYLAND ? "wayland" : "x11";
}
