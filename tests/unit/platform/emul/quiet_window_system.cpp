#include "quiet_window_system.h"

namespace {

UINT_PTR next_handle = 0x100;

bool connect() { return true; }
const char *display_name() { return "quiet"; }
int screen_metric(int) { return 0; }
void pump() {}
void wait_for_events(long long) {}
HWND create_window(window_record *) { return reinterpret_cast<HWND>(next_handle++); }
void show_window(window_record *) {}
void destroy_window(window_record *, bool) {}
bool window_rect(HWND, RECT *) { return false; }
bool client_size(HWND, int *, int *) { return false; }
void set_cursor_visible(window_record *, bool) {}
bool cursor_pos(POINT *) { return false; }

}  // namespace

window_system quiet_window_system() {
  // Windows without GL: the GL entries, from bits_per_pixel on, are null.
  return {connect,        display_name,    screen_metric, pump,
          wait_for_events, create_window,  show_window,   destroy_window,
          window_rect,    client_size,     set_cursor_visible, cursor_pos,
          nullptr,        nullptr,         nullptr,       nullptr,
          nullptr,        nullptr,         nullptr,       nullptr,
          nullptr,        nullptr,         nullptr};
}
