#include "platform/emul/input_messages.h"

namespace {

const int wheel_delta = 120;

MSG message(UINT number, WPARAM wParam, LPARAM lParam) {
  MSG msg = {};
  msg.message = number;
  msg.wParam = wParam;
  msg.lParam = lParam;
  return msg;
}

}  // namespace

MSG key_down_message(unsigned keycode, bool alt) {
  LPARAM lParam = 1 | static_cast<LPARAM>((keycode & 0xff) << 16) | (alt ? (1 << 29) : 0);
  return message(alt ? WM_SYSKEYDOWN : WM_KEYDOWN, keycode, lParam);
}

MSG button_message(mouse_button button, bool press, int x, int y) {
  static const UINT down[] = {WM_LBUTTONDOWN, WM_MBUTTONDOWN, WM_RBUTTONDOWN};
  static const UINT up[] = {WM_LBUTTONUP, WM_MBUTTONUP, WM_RBUTTONUP};
  return message(press ? down[button] : up[button], 0, MAKELPARAM(x, y));
}

MSG wheel_message(bool forward, int x, int y) {
  return message(WM_MOUSEWHEEL, MAKEWPARAM(0, forward ? wheel_delta : -wheel_delta),
                 MAKELPARAM(x, y));
}

MSG mouse_move_message(int x, int y) { return message(WM_MOUSEMOVE, 0, MAKELPARAM(x, y)); }

MSG activation_message(bool active) { return message(WM_ACTIVATEAPP, active ? 1 : 0, 0); }
