// X input events as the saver's window messages.
#include "platform/emul/input_messages.h"
#include "platform/x11/backend.h"

namespace {

// wParam carries the X keycode.
bool key_message(const XKeyEvent &key, MSG *msg) {
  *msg = key_down_message(key.keycode, key.state & Mod1Mask);
  return true;
}

// Buttons 1-3 are left, middle and right; 4-7 are the wheels' steps.
bool mouse_button_message(const XButtonEvent &button, bool press, MSG *msg) {
  switch (button.button) {
    case Button1:
      *msg = button_message(BUTTON_LEFT, press, button.x, button.y);
      return true;
    case Button2:
      *msg = button_message(BUTTON_MIDDLE, press, button.x, button.y);
      return true;
    case Button3:
      *msg = button_message(BUTTON_RIGHT, press, button.x, button.y);
      return true;
    case Button4:
    case Button5:
    case 6:
    case 7:
      if (!press) return false;
      *msg = wheel_message(button.button == Button4 || button.button == 6, button.x_root,
                           button.y_root);
      return true;
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
  *msg = activation_message(focus.type == FocusIn);
  return true;
}

}  // namespace

bool x_input_message(const XEvent &event, MSG *msg) {
  switch (event.type) {
    case KeyPress:
      return key_message(event.xkey, msg);
    case ButtonPress:
    case ButtonRelease:
      return mouse_button_message(event.xbutton, event.type == ButtonPress, msg);
    case MotionNotify:
      *msg = mouse_move_message(event.xmotion.x, event.xmotion.y);
      return true;
    case FocusIn:
    case FocusOut:
      return focus_message(event.xfocus, msg);
    default:
      return false;
  }
}
