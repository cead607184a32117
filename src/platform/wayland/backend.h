// What the Wayland backend's files share. A saver window is a wl_surface
// with an xdg_toplevel; Wayland has no window ids a client could share, so
// a window handle is a number handed out here. GL draws on the surface
// through wayland-egl (egl.cpp).
#pragma once

#include <wayland-client.h>

#include <cstdint>

#include "platform/emul/input_messages.h"
#include "platform/emul/window_system.h"
#include "xdg-shell-client-protocol.h"

// The Wayland implementation of the window system.
const window_system *wayland_window_system();

struct native_window {
  wl_surface *surface;
  xdg_surface *xdg;
  xdg_toplevel *toplevel;
  bool configured;              // the compositor has sized it once: it may show
  int next_width, next_height;  // the latest configure's size; 0 leaves it to us
  bool cursor_hidden;
};

// windows.cpp
HWND wayland_create_window(window_record *w);
void wayland_show_window(window_record *w);
void wayland_destroy_window(window_record *w, bool gone);
bool wayland_window_rect(HWND hWnd, RECT *rect);
bool wayland_client_size(HWND hWnd, int *width, int *height);
int wayland_screen_metric(int index);
// The saver window showing `surface`; null for any other surface.
window_record *wayland_window_of(const wl_surface *surface);

// input.cpp: the seat's pointer and keyboard, as they come and go.
void wayland_seat_added(wl_seat *seat);
// The surface the pointer is over; null when it is over none of ours.
wl_surface *wayland_pointer_surface();

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
