// A platform that does nothing and costs nothing, for measuring the
// renderer's own work: every gl* call it makes, the GL_ARB_multitexture
// entry points (the extension is offered), and the GDI, WGL, kernel and
// window calls of its start-up and frames are empty functions or fixed
// answers. Nothing is logged or kept, unless a benchmark asks for the
// vertices' numbers (below). Link it in place of the platform's kernel,
// windows and GL areas (the settings store and the resources stay real).
#pragma once

#include <initializer_list>
#include <vector>

#include "platform/win32.h"

// What GetTickCount returns; a test or benchmark moves it on.
extern DWORD null_tick_count;

// When set, the calls that carry a vertex's numbers (glNormal3f, glTexCoord2d,
// glTexCoord2dv, glVertex3f, glMultiTexCoord2dvARB) append their arguments
// here, so that two ways of drawing a frame can be compared number for
// number. Null (the start) keeps nothing.
extern std::vector<double> *null_gl_vertex_data;

// Appends to null_gl_vertex_data, which must be set. Each call tests the
// pointer itself first, so that without it nothing is even read.
void null_gl_keep(std::initializer_list<double> numbers);
