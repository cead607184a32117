// Wayland input as the saver's window messages.
#include <linux/input-event-codes.h>

#include "platform/wayland/backend.h"

namespace {

// xkb and X number keys from 8: the kernel's code plus 8, so a key has the
// code it has on X11.
const uint32_t xkb_keycode_offset = 8;

}  // namespace

bool wayland_button_message(uint32_t button, bool pressed, int x, int y, MSG *msg) {
  switch (button) {
    case BTN_LEFT:
      *msg = button_message(BUTTON_LEFT, pressed, x, y);
      return true;
    case BTN_MIDDLE:
      *msg = button_message(BUTTON_MIDDLE, pressed, x, y);
      return true;
    case BTN_RIGHT:
      *msg = button_message(BUTTON_RIGHT, pressed, x, y);
      return true;
    default:
      return false;
  }
}

// Positive values scroll down or right; a forward step is up or left.
MSG wayland_axis_message(wl_fixed_t value, int x, int y) { return wheel_message(value < 0, x, y); }

MSG wayland_key_message(uint32_t key, bool alt) {
  return key_down_message(key + xkb_keycode_offset, alt);
}
