// Between the window and GL areas. X fixes a window's visual at creation,
// while Win32 sets the pixel format afterwards: SetPixelFormat therefore
// creates a GL child window with the chosen visual that fills the saver
// window. The window area reports size changes so the child follows.
#pragma once

#include <X11/Xlib.h>

void gl_surface_follow(Window parent, int width, int height);
