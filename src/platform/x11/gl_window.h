// The X side of GL on X11, the same whichever API draws: GLX (glx.cpp) or
// EGL (egl.cpp), chosen when the backend connects (backend.cpp).
//
// X fixes a window's visual when it is created, while Win32 sets the pixel
// format afterwards, so a surface is a child window with the chosen
// config's visual that covers the saver window and follows its size; GL
// draws into that child. The child selects no input, so key, button and
// motion events pass on to the saver window. The root window is drawn on
// itself, as XScreenSaver's hacks do: its formats are those with the root
// window's visual. Configs of other windows have a TrueColor visual, whose
// colours need no colormap of the program's own making.
#pragma once

#include <X11/Xlib.h>

#include "platform/emul/window_system.h"

// What a surface is through either API; each extends it with its own.
struct gl_surface {
  Window drawn;          // the GL child window, or the root window itself
  bool single_buffered;  // GL draws on the front buffer; a finished frame shows
};

// The visual a config must have to draw on w: the root window's own for
// the root window, any (0) for the others.
VisualID x11_required_visual(const window_record *w);
// The window GL draws on for w with a config of `visual`: a new GL child,
// or the root window itself; 0 when the visual cannot draw there.
Window x11_gl_drawable(const window_record *w, VisualID visual);
// Undoes x11_gl_drawable for a surface that could not be made.
void x11_drop_gl_drawable(const window_record *w, Window drawn);
