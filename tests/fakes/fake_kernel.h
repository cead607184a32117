// Fake kernel services: a tick count the test sets, Sleep that moves it on,
// and the debug output collected. GetTickCount and Sleep are logged in
// call_log, OutputDebugStringA too (with its text).
#pragma once

#include <string>

#include "fakes/call_log.h"
#include "platform/win32.h"

extern DWORD fake_tick_count;    // what GetTickCount returns
extern std::string fake_debug_output;  // everything OutputDebugStringA wrote

// Tick count 0, no debug output.
void fake_kernel_reset();
