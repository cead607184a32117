/* close_request WINDOW: asks the window to close as a window manager does,
   with a WM_DELETE_WINDOW client message. */
#include "open_display.h"

int main(int argc, char **argv) {
  Display *display = open_display(argc, 1, "close_request WINDOW");
  XEvent event = {0};
  event.xclient.type = ClientMessage;
  event.xclient.window = strtoul(argv[1], NULL, 0);
  event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
  event.xclient.format = 32;
  event.xclient.data.l[0] = XInternAtom(display, "WM_DELETE_WINDOW", False);
  event.xclient.data.l[1] = CurrentTime;
  XSendEvent(display, event.xclient.window, False, NoEventMask, &event);
  XCloseDisplay(display);
  return 0;
}
