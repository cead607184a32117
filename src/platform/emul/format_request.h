// How ChoosePixelFormat reads a descriptor, the same over every window
// system's GL configs (GLX's and EGL's): the sizes it asks for, and which
// of the configs that a window system's own chooser found it takes.
//
// The GL APIs read sizes as minimums and rank more bits first; a Win32
// driver gives the sizes asked for where it has them. That matters above
// all for alpha, none unless asked for (a compositor would let what lies
// below show through the saver's black), and for depth (the reflection
// pass is pulled forward by a few depth units, which a 32-bit float depth
// buffer swallows).
#pragma once

#include <vector>

#include "platform/win32.h"

struct format_request {
  bool rgba;             // colour-index formats are offered nowhere
  int channel;           // bits of red, green and blue each
  int alpha, depth, stencil;
  bool double_buffered;  // a wish: without a format of that buffering, any
};
format_request read_format_request(const PIXELFORMATDESCRIPTOR &pfd);

struct config_sizes {
  int red, green, blue, alpha, depth;
};
// Of the configs a chooser found, in its order of preference and each
// fit for the window: the first with exactly the sizes asked for, else the
// first. -1 when none was found.
int preferred_config(const std::vector<config_sizes> &found, const format_request &request);
