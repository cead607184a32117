// The -fps overlay's font, built in: a plain, bold, fixed-width face with
// an outline two pixels wide, drawn with glBitmap (OpenGL 1.1; nothing of
// the window system's). Each character is designed on a grid of 6 x 12
// cells, 9 of them above the baseline, and drawn at two pixels a cell:
// capitals 18 pixels high and 15 pixels from one character to the next,
// the size in which XScreenSaver's own hacks write their -fps figures,
// whatever the size of the screen.
#pragma once

#include <string>

const int overlay_font_advance = 15;  // pixels from one character to the next

// Draws the text's face, or its outline, in the current raster colour, its
// baseline starting at the current raster position, which must be valid
// (inside the viewport). Characters the font does not have are left blank.
// The unpacking of bitmaps must be GL's default but for an alignment of 1.
void draw_overlay_text(const std::string &text, bool outline);
