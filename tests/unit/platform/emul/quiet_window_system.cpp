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
HWND root_window() { return nullptr; }

}  // namespace

window_system quiet_window_system() {
  window_system quiet = {};
  quiet.name = "quiet";
  quiet.connect = connect;
  quiet.display_name = display_name;
  quiet.screen_metric = screen_metric;
  quiet.pump = pump;
  quiet.wait_for_events = wait_for_events;
  quiet.create_window = create_window;
  quiet.show_window = show_window;
  quiet.destroy_window = destroy_window;
  quiet.window_rect = window_rect;
  quiet.client_size = client_size;
  quiet.set_cursor_visible = set_cursor_visible;
  quiet.cursor_pos = cursor_pos;
  quiet.root_window = root_window;
  return quiet;
}
