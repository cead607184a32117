#include "platform/linux/monitor_source.h"

#include "platform/wayland/backend.h"
#include "platform/wayland/output_list.h"
#include "platform/x11/backend.h"
#include "platform/x11/monitor_list.h"

namespace {

const monitor_source x11_monitors = {x11_follow_monitors, x11_monitor_fd, x11_read_monitors,
                                     x11_monitor_keys, x11_place_on_monitor};

const monitor_source wayland_outputs = {wayland_follow_outputs, wayland_output_fd,
                                        wayland_read_outputs, wayland_output_keys,
                                        wayland_place_on_output};

}  // namespace

const monitor_source *monitor_source_of(window_system_kind kind) {
  return kind == WINDOW_SYSTEM_WAYLAND ? &wayland_outputs : &x11_monitors;
}
