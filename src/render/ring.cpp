// One band of the tube, between two rings: a triangle strip with normals,
// skin coordinates and reflection coordinates taken from the normals.
#include <algorithm>
#include <vector>

#include "geometry/curves.h"
#include "geometry/shape.h"
#include "platform/win32.h"
#include "render/colors.h"
#include "render/multitex.h"
#include "render/torvane.h"
#include "settings/settings.h"

namespace {

const vector3 &position(const vector3 *ring, int j) { return ring[j]; }
const vector3 &normal(const vector3 *ring, int j) { return ring[shape_points + j]; }

void send_normal(const vector3 &n) {
  glNormal3f(static_cast<float>(n.x), static_cast<float>(n.y), static_cast<float>(n.z));
}

void send_vertex(const vector3 &p) {
  glVertex3f(static_cast<float>(p.x), static_cast<float>(p.y), static_cast<float>(p.z));
}

// Position j around the cross-section, j / (shape_points - 1): 0 at the
// first point, 1 at the repeated last one, so the skin wraps once around the
// tube. Every vertex needs it, so each point's quotient is worked out once,
// by the same division, when the count is set, rather than at each vertex.
std::vector<double> around_table;

const double *around() {
  if (around_table.size() != static_cast<size_t>(std::max(shape_points, 0))) prepare_ring_drawing();
  return around_table.data();
}

// The x and y of a vertex's normal address the reflection map; a vector3
// starts with x and y, so its address serves as two doubles.
const GLdouble *reflection_coords(const vector3 &n) { return &n.x; }

void select_unit(GLenum unit, GLuint texture, GLint env_mode) {
  glActiveTextureARB(unit);
  glEnable(GL_TEXTURE_2D);
  glBindTexture(GL_TEXTURE_2D, texture);
  glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, env_mode);
}

// One vertex of a skinned strip: normal, skin coordinates (on unit 0 with
// the reflection coordinates on unit 1 when multitextured), position.
template <bool multitextured>
void skinned_vertex(const vector3 &p, const vector3 &n, float ring_t, double around_j) {
  send_normal(n);
  double texcoords[2];
  texcoord_func(now_time, ring_t, around_j, texcoords);
  if constexpr (multitextured) {
    glMultiTexCoord2dvARB(GL_TEXTURE0_ARB, texcoords);
    glMultiTexCoord2dvARB(GL_TEXTURE1_ARB, reflection_coords(n));
  } else {
    glTexCoord2dv(texcoords);
  }
  send_vertex(p);
}

// Point j of the previous ring, then point j of the current one, point 0
// first; the band closes on the repeated last point. One loop for each
// kind of strip, so that neither asks at every vertex which it is.
template <bool multitextured>
void skinned_strip(const vector3 *prev_buf, const vector3 *cur_buf, float prev_t, float t) {
  const int n = shape_points;
  const double *around_j = around();
  glBegin(GL_TRIANGLE_STRIP);
  for (int j = 0; j < n; j++) {
    skinned_vertex<multitextured>(prev_buf[j], prev_buf[n + j], prev_t, around_j[j]);
    skinned_vertex<multitextured>(cur_buf[j], cur_buf[n + j], t, around_j[j]);
  }
  glEnd();
}

// The reflection map added over the band just drawn.
void add_reflection(const vector3 *prev_buf, const vector3 *cur_buf) {
  begin_reflection_pass();
  glBegin(GL_TRIANGLE_STRIP);
  for (int j = 0; j < shape_points; j++) {
    glTexCoord2d(normal(prev_buf, j).x, normal(prev_buf, j).y);
    send_vertex(position(prev_buf, j));
    glTexCoord2d(normal(cur_buf, j).x, normal(cur_buf, j).y);
    send_vertex(position(cur_buf, j));
  }
  glEnd();
  end_reflection_pass();
}

}  // namespace

void prepare_ring_drawing() {
  around_table.resize(static_cast<size_t>(std::max(shape_points, 0)));
  for (int j = 0; j < shape_points; j++) around_table[j] = static_cast<double>(j) / (shape_points - 1);
}

bool one_multitexture_pass() {
  return multitexturing_enabled && (user_options & OPT_MULTITEXTURE) && (user_options & OPT_ENV_LIGHTING);
}

// Skin as a decal on unit 0 (it replaces the lit colour), reflection
// blended on unit 1.
void set_multitexture_units() {
  select_unit(GL_TEXTURE0_ARB, 0, GL_DECAL);
  select_unit(GL_TEXTURE1_ARB, 1, GL_BLEND);
  glTexEnvfv(GL_TEXTURE_ENV, GL_TEXTURE_ENV_COLOR, light_color);
}

// Unlit, black material, pulled towards the viewer so that it passes the
// depth test on the first pass's equal depths, and added.
void begin_reflection_pass() {
  glDisable(GL_LIGHTING);
  glBindTexture(GL_TEXTURE_2D, 1);
  glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE, black_color);
  glEnable(GL_POLYGON_OFFSET_FILL);
  glPolygonOffset(0.0f, -3.0f);
  glEnable(GL_BLEND);
  glBlendFunc(GL_ONE, GL_ONE);
}

void end_reflection_pass() {
  glDisable(GL_BLEND);
  glEnable(GL_TEXTURE_2D);
  glDisable(GL_POLYGON_OFFSET_FILL);
  glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE, mat_color);
  glBindTexture(GL_TEXTURE_2D, 0);
  glEnable(GL_LIGHTING);
}

// Skin and reflection in one pass when the extension allows it. Everything
// is set again on every call, and nothing is restored.
void draw_ring(const vector3 *prev_buf, const vector3 *cur_buf, float prev_t, float t) {
  if (!one_multitexture_pass()) {
    _draw_ring(prev_buf, cur_buf, prev_t, t);
    return;
  }
  set_multitexture_units();
  skinned_strip<true>(prev_buf, cur_buf, prev_t, t);
}

// A lit, skinned pass, then the reflection added on top when asked for.
void _draw_ring(const vector3 *prev_buf, const vector3 *cur_buf, float prev_t, float t) {
  skinned_strip<false>(prev_buf, cur_buf, prev_t, t);
  if (user_options & OPT_ENV_LIGHTING) add_reflection(prev_buf, cur_buf);
}
