// The cursor: ShowCursor keeps the display counter; below zero the pointer
// does not show over the saver's windows.
#include "platform/emul/internal.h"

namespace {

int display_counter;

}  // namespace

void apply_cursor_state(window_record *w) {
  if (const window_system *backend = connected_window_system())
    backend->set_cursor_visible(w, display_counter >= 0);
}

int WINAPI ShowCursor(BOOL bShow) {
  display_counter += bShow ? 1 : -1;
  int count;
  window_record *const *windows = all_windows(&count);
  for (int i = 0; i < count; i++) apply_cursor_state(windows[i]);
  return display_counter;
}

BOOL WINAPI GetCursorPos(LPPOINT lpPoint) {
  const window_system *backend = connected_window_system();
  return backend && backend->cursor_pos(lpPoint);
}
