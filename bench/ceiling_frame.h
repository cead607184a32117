// The frame-rate ceiling: the saver's frame as the rasterizer's best case.
// The same triangles (the saver's own geometry at the current animation
// time), texture, light and projection, but sent from one vertex buffer
// with one draw call, the context kept current and the buffers swapped at
// once, with no pause between frames.
#pragma once

#include "platform/win32.h"

// Binds the saver's context (hRC, from ss_initialize) to `hwnd` and sets up
// the vertex and index buffers for curve_segments x shape_points.
void begin_ceiling(HWND hwnd);
// One frame; begin_ceiling must have run.
void draw_ceiling_frame();
// Lets go of the buffers and the context.
void end_ceiling();
