// The frame driver's tube written out as one straight loop: the same
// arithmetic as the saver's geometry, step by step and in the same
// precision, with nothing shared but the curve functions and the
// cross-section that start-up built. The geometry benchmark times the
// saver's frame against it, and the render tests hold the saver's frame to
// it number for number.
#pragma once

#include "platform/win32.h"

// One whole frame as ss_draw draws it on `hwnd` with the context hRC (the
// animation time, the device context and context, the scene set-up, the
// tube, the swap), for the first-pass-only drawing: OPT_ENV_LIGHTING clear.
// Returns 1 without a context, as ss_draw does.
int straight_line_frame(HWND hwnd);
