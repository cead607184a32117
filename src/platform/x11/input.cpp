// X input events as the saver's window messages.
#include "platform/x11/backend.h"

namespace {

const int wheel_delta = 120;

void set(MSG *msg, UINT message, WPARAM wParam, LPARAM lParam) {
  msg->message = message;
  msg->wParam = wParam;
  msg->lParam = lParam;
}

// wParam carries the X keycode; lParam a repeat count of 1, the keycode
// where the scan code goes, and the Alt bit.
bool key_message(const XKeyEvent &key, MSG *msg) {
  bool alt = key.state & Mod1Mask;
  LPARAM lParam = 1 | static_cast<LPARAM>((key.keycode & 0xff) << 16) | (alt ? (1 << 29) : 0);
  set(msg, alt ? WM_SYSKEYDOWN : WM_KEYDOWN, key.keycode, lParam);
  return true;
}

// Buttons 1-3 are left, middle and right; 4-7 are the wheels' steps.
bool button_message(const XButtonEvent &button, bool press, MSG *msg) {
  LPARAM client = MAKELPARAM(button.x, button.y);
  switch (button.button) {
    case Button1:
      set(msg, press ? WM_LBUTTONDOWN : WM_LBUTTONUP, 0, client);
      return true;
    case Button2:
      set(msg, press ? WM_MBUTTONDOWN : WM_MBUTTONUP, 0, client);
      return true;
    case Button3:
      set(msg, press ? WM_RBUTTONDOWN : WM_RBUTTONUP, 0, client);
      return true;
    case Button4:
    case Button5:
    case 6:
    case 7: {
      if (!press) return false;
      int delta = (button.button == Button4 || button.button == 6) ? wheel_delta : -wheel_delta;
      set(msg, WM_MOUSEWHEEL, MAKEWPARAM(0, delta), MAKELPARAM(button.x_root, button.y_root));
      return true;
    }
    default:
      return false;
  }
}

// Focus moving into or out of the saver's own windows. Not the passing
// changes a keyboard grab makes, nor moves between its child windows; and
// while the saver holds the keyboard (NotifyWhileGrabbed) a window manager
// moving the focus elsewhere takes nothing from it: keys still come here.
bool focus_message(const XFocusChangeEvent &focus, MSG *msg) {
  if (focus.mode != NotifyNormal) return false;
  if (focus.detail == NotifyInferior || focus.detail == NotifyPointer) return false;
  set(msg, WM_ACTIVATEAPP, focus.type == FocusIn ? 1 : 0, 0);
  return true;
}

}  // namespace

bool x_input_message(const XEvent &event, MSG *msg) {
  switch (event.type) {
    case KeyPress:
      return key_message(event.xkey, msg);
    case ButtonPress:
    case ButtonRelease:
      return button_message(event.xbutton, event.type == ButtonPress, msg);
    case MotionNotify:
      set(msg, WM_MOUSEMOVE, 0, MAKELPARAM(event.xmotion.x, event.xmotion.y));
      return true;
    case FocusIn:
    case FocusOut:
      return focus_message(event.xfocus, msg);
    default:
      return false;
  }
}
