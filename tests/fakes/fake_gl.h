// A recording OpenGL 1.1: every gl* call the saver makes appends one line to
// call_log, with its arguments ("glBindTexture(GL_TEXTURE_2D, 1)"). Enums are
// written by name, arrays as {a, b, c, d}, pixel data by its address, the
// rest as call_log.h says. Nothing is drawn.
#pragma once

#include "fakes/call_log.h"
#include "platform/win32.h"

// What glGetString(GL_EXTENSIONS) returns; null (the start value) means the
// implementation reports no extension string at all.
extern const char *fake_gl_extensions;

// Back to no extension string.
void fake_gl_reset();

// The GL_ARB_multitexture entry points the fake wglGetProcAddress hands out.
// They log like the core calls ("glActiveTextureARB(GL_TEXTURE1_ARB)").
void APIENTRY fake_glActiveTextureARB(GLenum texture);
void APIENTRY fake_glMultiTexCoord2fARB(GLenum target, GLfloat s, GLfloat t);
void APIENTRY fake_glMultiTexCoord2fvARB(GLenum target, const GLfloat *v);
void APIENTRY fake_glMultiTexCoord2dvARB(GLenum target, const GLdouble *v);

// The name call_log uses for a GL enum value ("GL_TEXTURE_2D"), or its
// number in hex when the fake does not know it.
std::string gl_enum_name(GLenum value);
