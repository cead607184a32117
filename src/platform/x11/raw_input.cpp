// Input that reaches a full-screen saver while another client holds the
// keyboard and pointer (another full-screen saver): without it, the saver
// would outlast the input that ended the other. XInput 2 raw key and button
// events reach every client that asks for them, grabs or not (from XInput
// 2.1 on); the pointer's position is polled, as not every device reports its
// moves as raw motion (absolute ones do not).
#include <X11/extensions/XInput2.h>

#include "platform/x11/backend.h"
#include "platform/x11/display.h"

namespace {

int xinput_opcode;
bool hearing;
POINT last_pointer;

bool has_xinput_2_1(Display *display) {
  static const bool available = [display] {
    int first_event, first_error;
    if (!XQueryExtension(display, "XInputExtension", &xinput_opcode, &first_event, &first_error))
      return false;
    int major = 2, minor = 1;
    return XIQueryVersion(display, &major, &minor) == Success && (major > 2 || minor >= 1);
  }();
  return available;
}

}  // namespace

void x11_hear_raw_input(bool on) {
  Display *display = x11_display();
  if (!has_xinput_2_1(display)) return;
  unsigned char bits[XIMaskLen(XI_LASTEVENT)] = {};
  if (on)
    for (int type : {XI_RawKeyPress, XI_RawButtonPress, XI_RawButtonRelease}) XISetMask(bits, type);
  XIEventMask mask = {XIAllMasterDevices, sizeof bits, bits};
  XISelectEvents(display, DefaultRootWindow(display), &mask, 1);
  unsigned int state;
  hearing = on && x11_query_pointer(&last_pointer, &state);
  XFlush(display);
}

bool x11_raw_input_event(XEvent &event, XEvent *input) {
  Display *display = x11_display();
  if (event.type != GenericEvent || event.xcookie.extension != xinput_opcode ||
      !XGetEventData(display, &event.xcookie))
    return false;
  int type = event.xcookie.evtype;
  const auto *raw = static_cast<const XIRawEvent *>(event.xcookie.data);
  auto detail = static_cast<unsigned int>(raw->detail);
  XFreeEventData(display, &event.xcookie);

  // Raw events carry neither position nor modifiers: the pointer tells both.
  POINT at;
  unsigned int state;
  if (!x11_query_pointer(&at, &state)) return false;
  *input = XEvent{};
  switch (type) {
    case XI_RawKeyPress:
      input->xkey.type = KeyPress;
      input->xkey.keycode = detail;
      input->xkey.state = state;
      return true;
    case XI_RawButtonPress:
    case XI_RawButtonRelease:
      input->xbutton.type = type == XI_RawButtonPress ? ButtonPress : ButtonRelease;
      input->xbutton.button = detail;
      input->xbutton.x = input->xbutton.x_root = at.x;
      input->xbutton.y = input->xbutton.y_root = at.y;
      input->xbutton.state = state;
      return true;
    default:
      return false;
  }
}

bool x11_raw_pointer_moved(XEvent *input) {
  POINT at;
  unsigned int state;
  if (!hearing || !x11_query_pointer(&at, &state)) return false;
  if (at.x == last_pointer.x && at.y == last_pointer.y) return false;
  last_pointer = at;
  *input = XEvent{};
  input->xmotion.type = MotionNotify;
  input->xmotion.x = input->xmotion.x_root = at.x;
  input->xmotion.y = input->xmotion.y_root = at.y;
  input->xmotion.state = state;
  return true;
}
