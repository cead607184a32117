#define GL_GLEXT_PROTOTYPES 1

#include "ceiling_frame.h"

#include <algorithm>
#include <cstddef>
#include <vector>

#include "geometry/ring.h"
#include "geometry/shape.h"
#include "platform/emul/window_system.h"
#include "render/torvane.h"
#include "settings/settings.h"

namespace {

// texcoord is unit 0's: the skin, or the reflection map in the reflection
// pass; reflection is unit 1's in the single multitexture pass.
struct vertex {
  float position[3];
  float normal[3];
  float texcoord[2];
  float reflection[2];
};

enum drawing_path { SKIN_ONLY, TWO_PASSES, ONE_MULTITEXTURE_PASS };

HWND window;
HDC dc;
ceiling_kind kind;
drawing_path path;
GLuint buffer;
int strip_length;              // 2 x shape_points
std::vector<vertex> rings;     // rings 0 to N: N + 1 rings of n points
std::vector<vertex> vertices;  // band by band: its skin strip, then its reflection strip if any
std::vector<GLint> skin_firsts, reflection_firsts;
std::vector<GLsizei> counts;

// As draw_ring chooses.
drawing_path path_of_options() {
  if (one_multitexture_pass()) return ONE_MULTITEXTURE_PASS;
  return (user_options & OPT_ENV_LIGHTING) ? TWO_PASSES : SKIN_ONLY;
}

// Ring i's n points at curve parameter t, from positions and normals laid
// out as the saver's ring buffers.
void store_ring(int i, float t, const vector3 *ring) {
  const int n = shape_points;
  for (int j = 0; j < n; j++) {
    const vector3 &p = ring[j], &normal = ring[n + j];
    double tds[2];
    texcoord_func(now_time, t, static_cast<double>(j) / (n - 1), tds);
    rings[static_cast<size_t>(i) * n + j] =
        vertex{{float(p.x), float(p.y), float(p.z)},
               {float(normal.x), float(normal.y), float(normal.z)},
               {float(tds[0]), float(tds[1])},
               {float(normal.x), float(normal.y)}};
  }
}

// Rings 0 to N-1 along the curve and ring N, the first again with the
// closing band's parameter; then band b (1 to N) as the strip through rings
// b-1 and b, point j of the earlier ring first, as draw_ring sends it, and
// for two passes the same strip with the reflection coordinates for unit 0.
void build_strips() {
  const int segments = curve_segments, n = shape_points;
  const float delta_t = 1.0f / static_cast<float>(segments);
  double mat[16];
  vector3 prev_d1;
  float t = 0;
  for (int i = 0; i < segments; i++) {
    t = static_cast<float>(static_cast<double>(i) / segments);
    place_ring(i, t, mat, &prev_d1, warped_def, vector_buf);
    if (i == 0) std::copy(vector_buf, vector_buf + 2 * n, first_shape);
    store_ring(i, t, vector_buf);
  }
  store_ring(segments, t + delta_t, first_shape);
  size_t k = 0;
  for (int b = 1; b <= segments; b++) {
    for (int j = 0; j < n; j++) {
      vertices[k++] = rings[static_cast<size_t>(b - 1) * n + j];
      vertices[k++] = rings[static_cast<size_t>(b) * n + j];
    }
    if (path != TWO_PASSES) continue;
    for (int v = 0; v < strip_length; v++, k++) {
      vertices[k] = vertices[k - strip_length];
      std::copy(vertices[k].reflection, vertices[k].reflection + 2, vertices[k].texcoord);
    }
  }
}

void draw_per_band() {
  for (size_t b = 0; b < skin_firsts.size(); b++) {
    if (path == ONE_MULTITEXTURE_PASS) set_multitexture_units();
    glDrawArrays(GL_TRIANGLE_STRIP, skin_firsts[b], strip_length);
    if (path != TWO_PASSES) continue;
    begin_reflection_pass();
    glDrawArrays(GL_TRIANGLE_STRIP, reflection_firsts[b], strip_length);
    end_reflection_pass();
  }
}

void draw_one_buffer() {
  const GLsizei bands = static_cast<GLsizei>(counts.size());
  if (path == ONE_MULTITEXTURE_PASS) set_multitexture_units();
  glMultiDrawArrays(GL_TRIANGLE_STRIP, skin_firsts.data(), counts.data(), bands);
  if (path != TWO_PASSES) return;
  begin_reflection_pass();
  glMultiDrawArrays(GL_TRIANGLE_STRIP, reflection_firsts.data(), counts.data(), bands);
  end_reflection_pass();
}

void point_arrays_at(GLenum unit, size_t offset) {
  glClientActiveTexture(unit);
  glEnableClientState(GL_TEXTURE_COORD_ARRAY);
  glTexCoordPointer(2, GL_FLOAT, sizeof(vertex), reinterpret_cast<const void *>(offset));
}

void stop_texcoord_array(GLenum unit) {
  glClientActiveTexture(unit);
  glDisableClientState(GL_TEXTURE_COORD_ARRAY);
}

}  // namespace

void begin_ceiling(HWND hwnd, ceiling_kind chosen) {
  window = hwnd;
  kind = chosen;
  dc = GetDC(hwnd);
  wglMakeCurrent(dc, hRC);
  path = path_of_options();
  const int segments = curve_segments, strips_per_band = path == TWO_PASSES ? 2 : 1;
  strip_length = 2 * shape_points;
  rings.resize(static_cast<size_t>(segments + 1) * shape_points);
  vertices.resize(static_cast<size_t>(segments) * strips_per_band * strip_length);
  skin_firsts.clear();
  reflection_firsts.clear();
  for (int b = 0; b < segments; b++) {
    skin_firsts.push_back(b * strips_per_band * strip_length);
    reflection_firsts.push_back(skin_firsts.back() + strip_length);
  }
  counts.assign(segments, strip_length);
  glGenBuffers(1, &buffer);
  glBindBuffer(GL_ARRAY_BUFFER, buffer);
  glEnableClientState(GL_VERTEX_ARRAY);
  glEnableClientState(GL_NORMAL_ARRAY);
  glVertexPointer(3, GL_FLOAT, sizeof(vertex), reinterpret_cast<const void *>(offsetof(vertex, position)));
  glNormalPointer(GL_FLOAT, sizeof(vertex), reinterpret_cast<const void *>(offsetof(vertex, normal)));
  if (path == ONE_MULTITEXTURE_PASS) point_arrays_at(GL_TEXTURE1, offsetof(vertex, reflection));
  point_arrays_at(GL_TEXTURE0, offsetof(vertex, texcoord));
}

void draw_ceiling_frame() {
  advance_animation_time();
  set_up_scene();
  build_strips();
  glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(vertices.size() * sizeof(vertex)),
               vertices.data(), GL_STREAM_DRAW);
  if (kind == CEILING_PER_BAND)
    draw_per_band();
  else
    draw_one_buffer();
  glDisable(GL_TEXTURE_2D);
  connected_window_system()->swap_buffers(find_window(window));
}

void end_ceiling() {
  glDisableClientState(GL_VERTEX_ARRAY);
  glDisableClientState(GL_NORMAL_ARRAY);
  if (path == ONE_MULTITEXTURE_PASS) stop_texcoord_array(GL_TEXTURE1);
  stop_texcoord_array(GL_TEXTURE0);
  glBindBuffer(GL_ARRAY_BUFFER, 0);
  glDeleteBuffers(1, &buffer);
  wglMakeCurrent(nullptr, nullptr);
  ReleaseDC(window, dc);
}
