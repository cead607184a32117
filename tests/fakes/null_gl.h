// A platform that does nothing and costs nothing, for measuring the
// renderer's own work: every gl* call it makes, the GL_ARB_multitexture
// entry points (the extension is offered), and the GDI, WGL, kernel and
// window calls of its start-up and frames are empty functions or fixed
// answers. Nothing is logged or kept. Link it in place of the platform's
// kernel, windows and GL areas (the settings store and the resources stay
// real).
#pragma once

#include "platform/win32.h"

// What GetTickCount returns; a test or benchmark moves it on.
extern DWORD null_tick_count;
