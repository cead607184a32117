#include "platform/x11/monitor_list.h"

#include <X11/extensions/Xrandr.h>

#include <algorithm>

#include "platform/x11/display.h"

namespace {

bool has_monitors;  // RandR 1.5

struct monitor {
  int x, y, width, height;
  bool primary;
};

bool same_place(const monitor &a, const monitor &b) {
  return a.x == b.x && a.y == b.y && a.width == b.width && a.height == b.height;
}

std::vector<monitor> randr_monitors(Display *display) {
  std::vector<monitor> found;
  int count = 0;
  XRRMonitorInfo *info = XRRGetMonitors(display, DefaultRootWindow(display), True, &count);
  for (int i = 0; info && i < count; i++) {
    monitor m = {info[i].x, info[i].y, info[i].width, info[i].height, info[i].primary != 0};
    if (m.width <= 0 || m.height <= 0) continue;
    // Mirrored outputs show one picture: one saver serves them.
    auto twin = std::find_if(found.begin(), found.end(),
                             [&m](const monitor &other) { return same_place(m, other); });
    if (twin == found.end())
      found.push_back(m);
    else
      twin->primary = twin->primary || m.primary;
  }
  if (info) XRRFreeMonitors(info);
  std::stable_partition(found.begin(), found.end(), [](const monitor &m) { return m.primary; });
  return found;
}

}  // namespace

bool x11_follow_monitors() {
  Display *display = x11_display();
  if (!display) return false;
  int event_base, error_base, major = 0, minor = 0;
  has_monitors = XRRQueryExtension(display, &event_base, &error_base) &&
                 XRRQueryVersion(display, &major, &minor) && (major > 1 || minor >= 5);
  Window root = DefaultRootWindow(display);
  // A new screen size comes as RandR's screen change; new monitors (also
  // those of --setmonitor) as a ConfigureNotify of the root window.
  if (has_monitors) XRRSelectInput(display, root, RRScreenChangeNotifyMask);
  XSelectInput(display, root, StructureNotifyMask);
  XFlush(display);
  return true;
}

int x11_monitor_fd() { return ConnectionNumber(x11_display()); }

bool x11_read_monitors(bool round_trip) {
  Display *display = x11_display();
  if (round_trip) XSync(display, False);
  bool changed = false;
  while (XPending(display)) {
    XEvent event;
    XNextEvent(display, &event);
    XRRUpdateConfiguration(&event);
    changed = true;
  }
  return changed;
}

std::vector<std::string> x11_monitor_keys() {
  Display *display = x11_display();
  std::vector<monitor> monitors;
  if (has_monitors) monitors = randr_monitors(display);
  if (monitors.empty()) {
    int screen = DefaultScreen(display);
    monitors.push_back({0, 0, DisplayWidth(display, screen), DisplayHeight(display, screen), true});
  }
  std::vector<std::string> keys;
  for (const monitor &m : monitors)
    keys.push_back(std::to_string(m.x) + "," + std::to_string(m.y) + "," + std::to_string(m.width) +
                   "," + std::to_string(m.height));
  return keys;
}
