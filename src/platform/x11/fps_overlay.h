// XScreenSaver's -fps: the frames per second in the bottom-left corner,
// drawn over each finished frame in an X font (glXUseXFont). The GL state
// is saved before and restored after, so the frame itself is drawn exactly
// as without it; while it is off, no GL call is made.
#pragma once

#include <X11/Xlib.h>

void show_frame_rate(bool on);

// At the end of a frame, with its context current, before its swap.
void draw_frame_rate(Display *display);

// For the deletion of a context: its font lists go with it (and a new
// context may come at the same address).
void forget_frame_rate_font(const void *context);
