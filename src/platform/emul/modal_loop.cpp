// What a modal loop does besides waiting for its user, as on Windows: it
// dispatches the thread's messages (PeekMessageA takes in the window
// system's events too, so a preview whose parent went is destroyed), and
// WM_QUIT ends it and is posted again, so each loop outside ends in turn and
// the main loop last.
#include "platform/emul/dialog_toolkit.h"
#include "platform/emul/modal_loop.h"

void modal_loop_tick() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      if (!quit_message_box()) quit_innermost_dialog();
      return;
    }
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}
