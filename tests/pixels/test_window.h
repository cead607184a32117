// A window for drawing the tube into outside the saver's window procedure:
// what the pixel check and the frame-rate run draw on. It is made through
// the platform's own CreateWindowExA (on the X11 window system), so GL
// finds it in the window table.
#pragma once

#include <X11/Xlib.h>

#include "platform/win32.h"

// Puts the program on the X11 window system; the X display, or null.
Display *open_test_display();

// Creates a width x height top-level window and waits until it shows.
HWND open_test_window(int width, int height);

// Closes it and handles the messages that brings.
void close_test_window(HWND hwnd);

// Handles the messages waiting now; true when one of them was `message`.
bool pump_messages(UINT message);

// The X window behind a window handle.
Window x_window_of(HWND hwnd);
