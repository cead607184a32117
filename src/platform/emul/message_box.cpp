// MessageBoxA: an OK-only box through the dialog toolkit; without a display
// the message goes to stderr. Closing it answers IDOK, as the close box of an
// OK-only box does on Windows.
#include <cstdio>

#include "platform/emul/dialog_toolkit.h"
#include "platform/posix/termination.h"

namespace {

bool box_open;

}  // namespace

// Nobody is there to answer a box once SIGTERM or SIGINT asked the saver to
// end (XScreenSaver sends one when it is done with a hack): the box goes, and
// the window system then closes the saver as usual.
void modal_loop_tick() {
  if (box_open && termination_pending()) dialog_toolkit_in_use()->end_message_box();
}

int WINAPI MessageBoxA(HWND, LPCSTR lpText, LPCSTR lpCaption, UINT) {
  const char *text = lpText ? lpText : "";
  const char *caption = lpCaption ? lpCaption : "Error";
  const dialog_toolkit *toolkit = dialog_toolkit_in_use();
  if (!toolkit || !toolkit->open()) {
    std::fprintf(stderr, "%s: %s\n", caption, text);
    return IDOK;
  }
  box_open = true;
  toolkit->message_box(text, caption);
  box_open = false;
  return IDOK;
}
