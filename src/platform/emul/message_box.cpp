// MessageBoxA: an OK-only box through the dialog toolkit; without a display
// the message goes to stderr. Closing it answers IDOK, as the close box of an
// OK-only box does on Windows.
#include <cstdio>

#include "platform/emul/dialog_toolkit.h"
#include "platform/emul/modal_loop.h"

namespace {

bool box_open;
bool quit_came;

}  // namespace

bool quit_message_box() {
  if (!box_open) return false;
  quit_came = true;
  dialog_toolkit_in_use()->end_message_box();
  return true;
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
  quit_came = false;
  toolkit->message_box(text, caption);
  box_open = false;
  return quit_came ? 0 : IDOK;
}
