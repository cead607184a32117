// The GL_ARB_multitexture extension, looked up at start-up.
#pragma once

#include "platform/win32.h"

#ifndef GL_TEXTURE0_ARB
#define GL_TEXTURE0_ARB 0x84C0
#define GL_TEXTURE1_ARB 0x84C1
#endif

typedef void(APIENTRY *active_texture_fn)(GLenum texture);
typedef void(APIENTRY *multi_tex_coord_2f_fn)(GLenum target, GLfloat s, GLfloat t);
typedef void(APIENTRY *multi_tex_coord_2fv_fn)(GLenum target, const GLfloat *v);
typedef void(APIENTRY *multi_tex_coord_2dv_fn)(GLenum target, const GLdouble *v);

extern int multitexturing_enabled;
extern active_texture_fn glActiveTextureARB;
extern multi_tex_coord_2f_fn glMultiTexCoord2fARB;
extern multi_tex_coord_2fv_fn glMultiTexCoord2fvARB;
extern multi_tex_coord_2dv_fn glMultiTexCoord2dvARB;

void initialize_multitexturing();
