// The frame-rate ceilings: the saver's frame as the rasterizer's best case.
// The same triangles (the saver's own geometry at the current animation
// time), textures, light, projection and drawing path (user_options), but
// sent from one vertex buffer, the context kept current and the buffers
// swapped at once, with no pause between frames. Two ways of sending them:
//   - one buffer: every pass over the whole tube in one draw call (the
//     reflection pass's state set once around it);
//   - per band: the saver's own order of GL calls, band by band, each band
//     a draw call with the state changes the saver makes around it.
// The difference between the two is what the per-band order itself costs.
#pragma once

#include "platform/win32.h"

enum ceiling_kind { CEILING_ONE_BUFFER, CEILING_PER_BAND };

// Binds the saver's context (hRC, from ss_initialize) to `hwnd` and sets up
// the vertex buffer for curve_segments x shape_points and the drawing path.
void begin_ceiling(HWND hwnd, ceiling_kind kind);
// One frame; begin_ceiling must have run.
void draw_ceiling_frame();
// Lets go of the buffer and the context, leaving GL as the saver expects it.
void end_ceiling();
