// Pixel formats, contexts and presenting over EGL with desktop OpenGL, for
// the window systems that draw through it. A window system brings its
// native display and makes the native windows and their surfaces; choosing
// a config for a descriptor, the contexts and the swap are the same for all.
//
// Pixel format n is the n-th EGL config of the display. EGL keeps the
// buffering with the surface rather than the config: on a display that
// offers single-buffered surfaces, format (config count + n) is config n
// drawn single-buffered, so that, as on Win32, the format says both.
#pragma once

#include <EGL/egl.h>

#include "platform/win32.h"

// Initialises EGL on the native display for desktop OpenGL; EGL_NO_DISPLAY
// when it cannot (no EGL for that display, no OpenGL through it).
EGLDisplay egl_open_display(EGLenum platform, void *native_display);

// What a window system allows for a window's formats.
struct egl_format_rules {
  bool single_buffering;  // it can show single-buffered drawing
  EGLint visual_type;     // every config's native visual type, or 0 for any
  EGLint visual;          // every config's native visual, or 0 for any
};

// The format that best meets the descriptor (as emul/format_request.h
// reads it); 0 when none does. EGL has no colour-index configs. Double
// buffering is a wish: where the display has no single-buffered formats,
// every format is double-buffered.
int egl_choose_format(EGLDisplay display, const PIXELFORMATDESCRIPTOR &pfd,
                      const egl_format_rules &rules);

struct egl_format {
  EGLConfig config;
  bool single_buffered;
};
// Format n; false when there is no such format.
bool egl_format_of(EGLDisplay display, int format, const egl_format_rules &rules, egl_format *out);

EGLint egl_config_attribute(EGLDisplay display, EGLConfig config, EGLint attribute);
// The attributes a window surface of the format is made with.
const EGLAttrib *egl_surface_attributes(const egl_format &format);

// An OpenGL context that asks for no version is a compatibility one: the
// fixed pipeline and immediate mode of OpenGL 1.1, with its extensions.
HGLRC egl_new_context(EGLDisplay display, EGLConfig config);
// EGL_NO_SURFACE: no context current.
bool egl_bind(EGLDisplay display, EGLSurface surface, HGLRC context);
bool egl_destroy_context(EGLDisplay display, HGLRC context);
// Shows the frame drawn on the surface, its context current: the back
// buffer comes to the window; single-buffered drawing is finished, which is
// what makes it appear.
bool egl_present(EGLDisplay display, EGLSurface surface, bool single_buffered);
PROC egl_function(const char *name);
