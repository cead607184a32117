// A plain X window for drawing the tube into, outside the saver's window
// procedure: what the pixel check and the frame-rate run draw on.
#pragma once

#include <X11/Xlib.h>

// Creates a width x height top-level window and waits until it is mapped.
Window open_test_window(Display *display, int width, int height);
