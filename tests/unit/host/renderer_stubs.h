// Stand-ins for the renderer's entry points and the configuration dialog,
// which the host calls; each call is logged in call_log beside the fake
// window system's, GDI's and kernel's, so one sequence shows the host's
// whole conversation.
#pragma once

#include <functional>

#include "platform/win32.h"

// Runs inside every ss_draw; a test uses it to feed input to the main loop.
extern std::function<void(int frame)> on_frame;
extern int frames_drawn;

// Sets hRC to a context (or to none) and clears the stubs' state.
void renderer_stubs_reset(bool with_context);
