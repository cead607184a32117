// Drawing a program puts over every frame before it is shown (the figures
// of XScreenSaver's -fps): SwapBuffers calls it with the frame's context
// current on its window, after the frame and before the frame goes to the
// rasterizer and the screen. It must leave the GL state as it found it. A
// SwapBuffers with no context of the program drawing on the window calls
// nothing.
#pragma once

// Null: nothing (and no GL call at all).
void set_frame_overlay(void (*draw)());
