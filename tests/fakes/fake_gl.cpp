#include "fakes/fake_gl.h"

const char *fake_gl_extensions = nullptr;

void fake_gl_reset() { fake_gl_extensions = nullptr; }

namespace {

struct enum_name {
  GLenum value;
  const char *name;
};

// The enums the saver passes outside glBegin and glBlendFunc, whose small
// values (GL_LINES = GL_ONE = 1) would clash with these.
const enum_name enum_names[] = {
    {GL_PROJECTION, "GL_PROJECTION"},
    {GL_MODELVIEW, "GL_MODELVIEW"},
    {GL_TEXTURE_2D, "GL_TEXTURE_2D"},
    {GL_TEXTURE_MIN_FILTER, "GL_TEXTURE_MIN_FILTER"},
    {GL_TEXTURE_MAG_FILTER, "GL_TEXTURE_MAG_FILTER"},
    {GL_TEXTURE_WRAP_S, "GL_TEXTURE_WRAP_S"},
    {GL_TEXTURE_WRAP_T, "GL_TEXTURE_WRAP_T"},
    {GL_LINEAR, "GL_LINEAR"},
    {GL_NEAREST, "GL_NEAREST"},
    {GL_REPEAT, "GL_REPEAT"},
    {GL_RGB, "GL_RGB"},
    {GL_UNSIGNED_BYTE, "GL_UNSIGNED_BYTE"},
    {GL_EXTENSIONS, "GL_EXTENSIONS"},
    {GL_DEPTH_TEST, "GL_DEPTH_TEST"},
    {GL_LIGHTING, "GL_LIGHTING"},
    {GL_LIGHT0, "GL_LIGHT0"},
    {GL_POSITION, "GL_POSITION"},
    {GL_FRONT_AND_BACK, "GL_FRONT_AND_BACK"},
    {GL_SHININESS, "GL_SHININESS"},
    {GL_AMBIENT_AND_DIFFUSE, "GL_AMBIENT_AND_DIFFUSE"},
    {GL_SPECULAR, "GL_SPECULAR"},
    {GL_BLEND, "GL_BLEND"},
    {GL_POLYGON_OFFSET_FILL, "GL_POLYGON_OFFSET_FILL"},
    {GL_TEXTURE_ENV, "GL_TEXTURE_ENV"},
    {GL_TEXTURE_ENV_MODE, "GL_TEXTURE_ENV_MODE"},
    {GL_TEXTURE_ENV_COLOR, "GL_TEXTURE_ENV_COLOR"},
    {GL_MODULATE, "GL_MODULATE"},
    {GL_DECAL, "GL_DECAL"},
    {0x84C0, "GL_TEXTURE0_ARB"},
    {0x84C1, "GL_TEXTURE1_ARB"},
};

std::string primitive_name(GLenum mode) {
  switch (mode) {
    case GL_LINES: return "GL_LINES";
    case GL_TRIANGLE_STRIP: return "GL_TRIANGLE_STRIP";
    default: return log_number(mode);
  }
}

std::string blend_factor_name(GLenum factor) {
  switch (factor) {
    case GL_ZERO: return "GL_ZERO";
    case GL_ONE: return "GL_ONE";
    default: return log_number(factor);
  }
}

std::string clear_mask_name(GLbitfield mask) {
  if (mask == (GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT)) return "GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT";
  return log_number(mask);
}

std::string int_text(long value) { return std::to_string(value); }

std::string floats(const GLfloat *v, int count) {
  std::string text = "{";
  for (int i = 0; i < count; i++) text += (i ? ", " : "") + log_float(v[i]);
  return text + "}";
}

std::string doubles(const GLdouble *v, int count) {
  std::string text = "{";
  for (int i = 0; i < count; i++) text += (i ? ", " : "") + log_double(v[i]);
  return text + "}";
}

}  // namespace

std::string gl_enum_name(GLenum value) {
  for (const enum_name &known : enum_names)
    if (known.value == value) return known.name;
  return log_number(value);
}

void APIENTRY glViewport(GLint x, GLint y, GLsizei width, GLsizei height) {
  log_call("glViewport", {int_text(x), int_text(y), int_text(width), int_text(height)});
}

void APIENTRY glMatrixMode(GLenum mode) { log_call("glMatrixMode", {gl_enum_name(mode)}); }

void APIENTRY glLoadIdentity() { log_call("glLoadIdentity", {}); }

void APIENTRY glOrtho(GLdouble left, GLdouble right, GLdouble bottom, GLdouble top,
                      GLdouble near_val, GLdouble far_val) {
  log_call("glOrtho", {log_double(left), log_double(right), log_double(bottom), log_double(top),
                     log_double(near_val), log_double(far_val)});
}

void APIENTRY glBindTexture(GLenum target, GLuint texture) {
  log_call("glBindTexture", {gl_enum_name(target), int_text(texture)});
}

void APIENTRY glTexParameteri(GLenum target, GLenum pname, GLint param) {
  log_call("glTexParameteri", {gl_enum_name(target), gl_enum_name(pname), gl_enum_name(param)});
}

void APIENTRY glTexImage2D(GLenum target, GLint level, GLint internal_format, GLsizei width,
                           GLsizei height, GLint border, GLenum format, GLenum type,
                           const GLvoid *pixels) {
  log_call("glTexImage2D", {gl_enum_name(target), int_text(level), int_text(internal_format),
                          int_text(width), int_text(height), int_text(border), gl_enum_name(format),
                          gl_enum_name(type), log_pointer(pixels)});
}

const GLubyte *APIENTRY glGetString(GLenum name) {
  log_call("glGetString", {gl_enum_name(name)});
  return name == GL_EXTENSIONS ? reinterpret_cast<const GLubyte *>(fake_gl_extensions) : nullptr;
}

void APIENTRY glClear(GLbitfield mask) { log_call("glClear", {clear_mask_name(mask)}); }

void APIENTRY glEnable(GLenum cap) { log_call("glEnable", {gl_enum_name(cap)}); }

void APIENTRY glDisable(GLenum cap) { log_call("glDisable", {gl_enum_name(cap)}); }

void APIENTRY glTranslatef(GLfloat x, GLfloat y, GLfloat z) {
  log_call("glTranslatef", {log_float(x), log_float(y), log_float(z)});
}

void APIENTRY glRotatef(GLfloat angle, GLfloat x, GLfloat y, GLfloat z) {
  log_call("glRotatef", {log_float(angle), log_float(x), log_float(y), log_float(z)});
}

void APIENTRY glMateriali(GLenum face, GLenum pname, GLint param) {
  log_call("glMateriali", {gl_enum_name(face), gl_enum_name(pname), int_text(param)});
}

void APIENTRY glMaterialfv(GLenum face, GLenum pname, const GLfloat *params) {
  log_call("glMaterialfv", {gl_enum_name(face), gl_enum_name(pname), floats(params, 4)});
}

void APIENTRY glLightfv(GLenum light, GLenum pname, const GLfloat *params) {
  log_call("glLightfv", {gl_enum_name(light), gl_enum_name(pname), floats(params, 4)});
}

void APIENTRY glBegin(GLenum mode) { log_call("glBegin", {primitive_name(mode)}); }

void APIENTRY glEnd() { log_call("glEnd", {}); }

void APIENTRY glColor3f(GLfloat red, GLfloat green, GLfloat blue) {
  log_call("glColor3f", {log_float(red), log_float(green), log_float(blue)});
}

void APIENTRY glVertex3f(GLfloat x, GLfloat y, GLfloat z) {
  log_call("glVertex3f", {log_float(x), log_float(y), log_float(z)});
}

void APIENTRY glNormal3f(GLfloat nx, GLfloat ny, GLfloat nz) {
  log_call("glNormal3f", {log_float(nx), log_float(ny), log_float(nz)});
}

void APIENTRY glTexCoord2d(GLdouble s, GLdouble t) {
  log_call("glTexCoord2d", {log_double(s), log_double(t)});
}

void APIENTRY glTexCoord2dv(const GLdouble *v) { log_call("glTexCoord2dv", {doubles(v, 2)}); }

void APIENTRY glTexEnvi(GLenum target, GLenum pname, GLint param) {
  log_call("glTexEnvi", {gl_enum_name(target), gl_enum_name(pname), gl_enum_name(param)});
}

void APIENTRY glTexEnvfv(GLenum target, GLenum pname, const GLfloat *params) {
  log_call("glTexEnvfv", {gl_enum_name(target), gl_enum_name(pname), floats(params, 4)});
}

void APIENTRY glPolygonOffset(GLfloat factor, GLfloat units) {
  log_call("glPolygonOffset", {log_float(factor), log_float(units)});
}

void APIENTRY glBlendFunc(GLenum sfactor, GLenum dfactor) {
  log_call("glBlendFunc", {blend_factor_name(sfactor), blend_factor_name(dfactor)});
}

void APIENTRY fake_glActiveTextureARB(GLenum texture) {
  log_call("glActiveTextureARB", {gl_enum_name(texture)});
}

void APIENTRY fake_glMultiTexCoord2fARB(GLenum target, GLfloat s, GLfloat t) {
  log_call("glMultiTexCoord2fARB", {gl_enum_name(target), log_float(s), log_float(t)});
}

void APIENTRY fake_glMultiTexCoord2fvARB(GLenum target, const GLfloat *v) {
  log_call("glMultiTexCoord2fvARB", {gl_enum_name(target), floats(v, 2)});
}

void APIENTRY fake_glMultiTexCoord2dvARB(GLenum target, const GLdouble *v) {
  log_call("glMultiTexCoord2dvARB", {gl_enum_name(target), doubles(v, 2)});
}
