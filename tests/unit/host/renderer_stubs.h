// Stand-ins for what the host calls outside the window system: the
// renderer's entry points, the configuration dialog, and the GDI, WGL and
// kernel calls of the resize path and the main loop. Each call is added to
// windows_log, so one sequence shows the host's whole conversation.
#pragma once

#include <functional>

#include "platform/win32.h"

// Runs inside every ss_draw; a test uses it to feed input to the main loop.
extern std::function<void(int frame)> on_frame;
extern int frames_drawn;

// Sets hRC to a context (or to none) and clears the stubs' state.
void renderer_stubs_reset(bool with_context);
