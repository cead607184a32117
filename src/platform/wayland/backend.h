// What the Wayland backend's files share. A saver window is a wl_surface: a
// layer surface over its output where the compositor has wlroots' layer
// shell, else an xdg_toplevel; Wayland has no window ids a client could
// share, so a window handle is a number handed out here. GL draws on the
// surface through wayland-egl (egl.cpp), in the output's own pixels.
#pragma once

#include <wayland-client.h>

#include <cstdint>

#include "platform/emul/input_messages.h"
#include "platform/emul/window_system.h"
#include "wlr-layer-shell-unstable-v1-client-protocol.h"
#include "xdg-shell-client-protocol.h"

// The Wayland implementation of the window system.
const window_system *wayland_window_system();

// saver_output.cpp. For a saver its supervisor placed, before the
// connection is made: it covers the output whose global the compositor
// names `key` (decimal, as output_list.h writes it), and takes the keyboard
// only with take_input. False when the key is no such name.
bool wayland_place_on_output(const char *key, bool take_input);
bool wayland_takes_input();
// display.cpp's registry offers an output: the saver's is bound.
void wayland_output_offered(wl_registry *registry, uint32_t name, uint32_t version);
// The saver's output; null before it is bound, and when the compositor
// offers none (or not the one named).
wl_output *wayland_saver_output();
// Whether the output a supervisor named is not there (it went already).
bool wayland_output_lost();
// Pixels per unit of the compositor's (logical) coordinates on that output.
int wayland_output_scale();
// SM_CXSCREEN and SM_CYSCREEN: the output's current mode.
int wayland_screen_metric(int index);

struct native_window {
  wl_surface *surface;
  xdg_surface *xdg;              // a toplevel's; null for a layer surface
  xdg_toplevel *toplevel;
  zwlr_layer_surface_v1 *layer;  // a layer surface's; null for a toplevel
  bool configured;               // the compositor has sized it once: it may show
  bool closed;                   // the compositor took it away (its output went)
  // The latest configure's size, in the compositor's coordinates; 0 leaves
  // it to us.
  int next_width, next_height;
  int buffer_scale;  // the scale its buffers are drawn at
  bool cursor_hidden;
};

// windows.cpp
HWND wayland_create_window(window_record *w);
void wayland_show_window(window_record *w);
void wayland_destroy_window(window_record *w, bool gone);
bool wayland_window_rect(HWND hWnd, RECT *rect);
bool wayland_client_size(HWND hWnd, int *width, int *height);
// The saver window showing `surface`; null for any other surface.
window_record *wayland_window_of(const wl_surface *surface);
// A shell's configure, acknowledged, with its size in n: the window follows.
void wayland_configured(native_window *n);
// The output's scale changed: every window follows in pixels.
void wayland_output_rescaled();

// layer_shell.cpp: n's surface as a layer surface covering `output` (null:
// the compositor's choice), above everything; with the keyboard only when
// `keyboard`.
void wayland_make_layer_surface(native_window *n, wl_output *output, bool keyboard);

// input.cpp: the seat's pointer and keyboard, as they come and go.
void wayland_seat_added(wl_seat *seat);
// The surface the pointer is over; null when it is over none of ours.
wl_surface *wayland_pointer_surface();
// After each pump: the keyboard that has stayed away from the saver's
// surface long enough is the window's deactivation.
void wayland_settle_keyboard_focus();

// translate.cpp: native input as window messages; false for input the
// saver has no message for. Positions are in surface coordinates.
bool wayland_button_message(uint32_t button, bool pressed, int x, int y, MSG *msg);
MSG wayland_axis_message(wl_fixed_t value, int x, int y);
// `key` is the kernel's key code, as wl_keyboard gives it.
MSG wayland_key_message(uint32_t key, bool alt);

// keyboard.cpp: the keymap and modifiers, to tell an Alt key.
void wayland_keymap(uint32_t format, int fd, uint32_t size);
void wayland_modifiers(uint32_t depressed, uint32_t latched, uint32_t locked, uint32_t group);
bool wayland_alt_down();

// cursor.cpp
// The pointer came over `surface` (null: it left, or the seat lost it); over
// a saver window it gets the cursor that window wants.
void wayland_pointer_over(wl_pointer *pointer, uint32_t serial, wl_surface *surface);
void wayland_set_cursor_visible(window_record *w, bool visible);
// No position outside the saver's own windows is ever told to a client.
bool wayland_cursor_pos(POINT *point);

// egl.cpp
int egl_bits_per_pixel();
int egl_choose_pixel_format(const window_record *, const PIXELFORMATDESCRIPTOR &pfd);
gl_surface *egl_create_surface(window_record *w, int format);
void egl_resize_surface(window_record *w);
void egl_destroy_surface(gl_surface *surface);
HGLRC egl_create_context(window_record *w);
bool egl_make_current(window_record *w, HGLRC context);
bool egl_delete_context(HGLRC context);
void egl_flush(window_record *w);
bool egl_swap_buffers(window_record *w);
PROC egl_proc_address(const char *name);
