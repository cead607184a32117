// A window system with no display behind it, for the tests of the window
// table and its loops: it connects, has no events, makes windows numbered
// from 0x100 and knows no window's size or place. It has no GL; a test that
// draws, or that scripts events, fills in those entries of a copy.
#pragma once

#include "platform/emul/window_system.h"

window_system quiet_window_system();
