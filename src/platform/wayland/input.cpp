// The seat's pointer and keyboard: their events as input for the saver
// window under the pointer or with the keyboard focus. The pointer's
// position is only ever told relative to the surface it is over, in the
// compositor's coordinates; the window measures it in its pixels.
#include <time.h>
#include <unistd.h>

#include "platform/wayland/backend.h"

namespace {

wl_pointer *pointer;
wl_keyboard *keyboard;
wl_surface *pointer_surface;  // where the pointer is; null when over none of ours
int pointer_x, pointer_y;
wl_surface *keyboard_surface;
// The keyboard left this surface, at left_at_ms; it may come straight back.
wl_surface *left_surface;
long long left_at_ms;
const long long focus_return_ms = 100;

long long monotonic_ms() {
  timespec now;
  clock_gettime(CLOCK_MONOTONIC, &now);
  return now.tv_sec * 1000LL + now.tv_nsec / 1000000;
}

void report(wl_surface *surface, const MSG &msg) {
  if (window_record *w = wayland_window_of(surface))
    window_input(w, msg.message, msg.wParam, msg.lParam);
}

void move_to(wl_fixed_t x, wl_fixed_t y) {
  int scale = wayland_output_scale();
  pointer_x = static_cast<int>(wl_fixed_to_double(x) * scale);
  pointer_y = static_cast<int>(wl_fixed_to_double(y) * scale);
  report(pointer_surface, mouse_move_message(pointer_x, pointer_y));
}

// As on Windows, the pointer coming over a window is a move to where it is.
void on_pointer_enter(void *, wl_pointer *p, uint32_t serial, wl_surface *surface, wl_fixed_t x,
                      wl_fixed_t y) {
  pointer_surface = surface;
  wayland_pointer_over(p, serial, surface);
  move_to(x, y);
}

void on_pointer_leave(void *, wl_pointer *p, uint32_t serial, wl_surface *) {
  pointer_surface = nullptr;
  wayland_pointer_over(p, serial, nullptr);
}

void on_pointer_motion(void *, wl_pointer *, uint32_t, wl_fixed_t x, wl_fixed_t y) {
  move_to(x, y);
}

void on_pointer_button(void *, wl_pointer *, uint32_t, uint32_t, uint32_t button, uint32_t state) {
  MSG msg;
  if (wayland_button_message(button, state == WL_POINTER_BUTTON_STATE_PRESSED, pointer_x, pointer_y,
                             &msg))
    report(pointer_surface, msg);
}

void on_pointer_axis(void *, wl_pointer *, uint32_t, uint32_t, wl_fixed_t value) {
  if (value != 0) report(pointer_surface, wayland_axis_message(value, pointer_x, pointer_y));
}

// Events of later versions than the one bound never come: null.
const wl_pointer_listener pointer_listener = {
    on_pointer_enter, on_pointer_leave, on_pointer_motion, on_pointer_button, on_pointer_axis,
    nullptr,          nullptr,          nullptr,           nullptr,           nullptr};

void on_keymap(void *, wl_keyboard *, uint32_t format, int fd, uint32_t size) {
  wayland_keymap(format, fd, size);
  close(fd);
}

// The keyboard focus coming and going is the application's activation:
// that of the saver that takes the input. Of several savers the others
// never ask for the keyboard; should the compositor hand it to one of them
// anyway (a full-screen toplevel coming up), it has only passed among the
// savers, and the one that takes the input counts its going. A compositor
// may also take the keyboard away and hand it straight back (sway does, to
// a layer surface, when an output comes or the workspace changes): its
// going counts once it has stayed away a moment.
void on_keyboard_enter(void *, wl_keyboard *, uint32_t, wl_surface *surface, wl_array *) {
  keyboard_surface = surface;
  if (!wayland_takes_input()) return;
  bool back = surface == left_surface;
  left_surface = nullptr;
  if (!back) report(surface, activation_message(true));
}

void on_keyboard_leave(void *, wl_keyboard *, uint32_t, wl_surface *surface) {
  keyboard_surface = nullptr;
  if (!wayland_takes_input()) return;
  left_surface = surface;
  left_at_ms = monotonic_ms();
}

void on_key(void *, wl_keyboard *, uint32_t, uint32_t, uint32_t key, uint32_t state) {
  if (state == WL_KEYBOARD_KEY_STATE_PRESSED)
    report(keyboard_surface, wayland_key_message(key, wayland_alt_down()));
}

void on_modifiers(void *, wl_keyboard *, uint32_t, uint32_t depressed, uint32_t latched,
                  uint32_t locked, uint32_t group) {
  wayland_modifiers(depressed, latched, locked, group);
}

const wl_keyboard_listener keyboard_listener = {on_keymap, on_keyboard_enter, on_keyboard_leave,
                                                on_key,    on_modifiers,      nullptr};

// A seat gains and loses its pointer and keyboard as devices come and go.
void on_capabilities(void *, wl_seat *seat, uint32_t capabilities) {
  bool has_pointer = capabilities & WL_SEAT_CAPABILITY_POINTER;
  if (has_pointer && !pointer) {
    pointer = wl_seat_get_pointer(seat);
    wl_pointer_add_listener(pointer, &pointer_listener, nullptr);
  } else if (!has_pointer && pointer) {
    wl_pointer_release(pointer);
    pointer = nullptr;
    pointer_surface = nullptr;
    wayland_pointer_over(nullptr, 0, nullptr);
  }
  bool has_keyboard = capabilities & WL_SEAT_CAPABILITY_KEYBOARD;
  if (has_keyboard && !keyboard) {
    keyboard = wl_seat_get_keyboard(seat);
    wl_keyboard_add_listener(keyboard, &keyboard_listener, nullptr);
  } else if (!has_keyboard && keyboard) {
    wl_keyboard_release(keyboard);
    keyboard = nullptr;
    keyboard_surface = nullptr;
  }
}

void on_seat_name(void *, wl_seat *, const char *) {}

const wl_seat_listener seat_listener = {on_capabilities, on_seat_name};

}  // namespace

void wayland_settle_keyboard_focus() {
  if (!left_surface || monotonic_ms() - left_at_ms < focus_return_ms) return;
  report(left_surface, activation_message(false));
  left_surface = nullptr;
}

void wayland_seat_added(wl_seat *seat) { wl_seat_add_listener(seat, &seat_listener, nullptr); }

wl_surface *wayland_pointer_surface() { return pointer_surface; }
