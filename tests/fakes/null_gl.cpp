// The gl* calls the renderer makes, each doing nothing.
#include "fakes/null_gl.h"

std::vector<double> *null_gl_vertex_data = nullptr;

void null_gl_keep(std::initializer_list<double> numbers) {
  null_gl_vertex_data->insert(null_gl_vertex_data->end(), numbers);
}

void APIENTRY glViewport(GLint, GLint, GLsizei, GLsizei) {}
void APIENTRY glMatrixMode(GLenum) {}
void APIENTRY glLoadIdentity() {}
void APIENTRY glOrtho(GLdouble, GLdouble, GLdouble, GLdouble, GLdouble, GLdouble) {}
void APIENTRY glBindTexture(GLenum, GLuint) {}
void APIENTRY glTexParameteri(GLenum, GLenum, GLint) {}
void APIENTRY glTexImage2D(GLenum, GLint, GLint, GLsizei, GLsizei, GLint, GLenum, GLenum,
                           const GLvoid *) {}
void APIENTRY glClear(GLbitfield) {}
void APIENTRY glEnable(GLenum) {}
void APIENTRY glDisable(GLenum) {}
void APIENTRY glTranslatef(GLfloat, GLfloat, GLfloat) {}
void APIENTRY glRotatef(GLfloat, GLfloat, GLfloat, GLfloat) {}
void APIENTRY glMateriali(GLenum, GLenum, GLint) {}
void APIENTRY glMaterialfv(GLenum, GLenum, const GLfloat *) {}
void APIENTRY glLightfv(GLenum, GLenum, const GLfloat *) {}
void APIENTRY glBegin(GLenum) {}
void APIENTRY glEnd() {}
void APIENTRY glColor3f(GLfloat, GLfloat, GLfloat) {}
void APIENTRY glVertex3f(GLfloat x, GLfloat y, GLfloat z) {
  if (null_gl_vertex_data) null_gl_keep({x, y, z});
}
void APIENTRY glNormal3f(GLfloat x, GLfloat y, GLfloat z) {
  if (null_gl_vertex_data) null_gl_keep({x, y, z});
}
void APIENTRY glTexCoord2d(GLdouble s, GLdouble t) {
  if (null_gl_vertex_data) null_gl_keep({s, t});
}
void APIENTRY glTexCoord2dv(const GLdouble *v) {
  if (null_gl_vertex_data) null_gl_keep({v[0], v[1]});
}
void APIENTRY glTexEnvi(GLenum, GLenum, GLint) {}
void APIENTRY glTexEnvfv(GLenum, GLenum, const GLfloat *) {}
void APIENTRY glPolygonOffset(GLfloat, GLfloat) {}
void APIENTRY glBlendFunc(GLenum, GLenum) {}

const GLubyte *APIENTRY glGetString(GLenum name) {
  return name == GL_EXTENSIONS ? reinterpret_cast<const GLubyte *>("GL_ARB_multitexture") : nullptr;
}
