// The window messages a backend makes of native input, laid out as Win32
// lays them out, so every window system reports the same messages.
#pragma once

#include "platform/win32.h"

enum mouse_button { BUTTON_LEFT, BUTTON_MIDDLE, BUTTON_RIGHT };

// A key press: wParam the native key code, lParam a repeat count of 1, the
// code where the scan code goes and the Alt bit; with Alt a system key.
MSG key_down_message(unsigned keycode, bool alt);
MSG button_message(mouse_button button, bool press, int x, int y);
// One wheel step; `forward` is away from the user (up, or left for a
// sideways wheel).
MSG wheel_message(bool forward, int x, int y);
// Pointer positions go as 16-bit client coordinates.
MSG mouse_move_message(int x, int y);
// The application gaining or losing the input focus.
MSG activation_message(bool active);
