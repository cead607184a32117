#define GL_GLEXT_PROTOTYPES 1

#include "ceiling_frame.h"

#include <algorithm>
#include <cstddef>
#include <vector>

#include "geometry/curves.h"
#include "geometry/ring.h"
#include "geometry/shape.h"
#include "platform/emul/window_system.h"
#include "render/torvane.h"
#include "settings/settings.h"

namespace {

struct vertex {
  float position[3];
  float normal[3];
  float texcoord[2];
};

HWND window;
HDC dc;
GLuint buffer;
std::vector<vertex> rings;     // rings 0 to N: N + 1 rings of n points
std::vector<vertex> vertices;  // the N bands' strips, one after another
std::vector<GLint> firsts;
std::vector<GLsizei> counts;

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
               {float(tds[0]), float(tds[1])}};
  }
}

// Rings 0 to N-1 along the curve and ring N, the first again with the
// closing band's parameter; then band b (1 to N) as the strip through rings
// b-1 and b, point j of the earlier ring first, as draw_ring sends it.
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
  for (int b = 1; b <= segments; b++)
    for (int j = 0; j < n; j++) {
      vertices[k++] = rings[static_cast<size_t>(b - 1) * n + j];
      vertices[k++] = rings[static_cast<size_t>(b) * n + j];
    }
}

}  // namespace

void begin_ceiling(HWND hwnd) {
  window = hwnd;
  dc = GetDC(hwnd);
  wglMakeCurrent(dc, hRC);
  const int segments = curve_segments, strip = 2 * shape_points;
  rings.resize(static_cast<size_t>(segments + 1) * shape_points);
  vertices.resize(static_cast<size_t>(segments) * strip);
  firsts.clear();
  for (int b = 0; b < segments; b++) firsts.push_back(b * strip);
  counts.assign(segments, strip);
  glGenBuffers(1, &buffer);
  glBindBuffer(GL_ARRAY_BUFFER, buffer);
  glEnableClientState(GL_VERTEX_ARRAY);
  glEnableClientState(GL_NORMAL_ARRAY);
  glEnableClientState(GL_TEXTURE_COORD_ARRAY);
  glVertexPointer(3, GL_FLOAT, sizeof(vertex), reinterpret_cast<const void *>(offsetof(vertex, position)));
  glNormalPointer(GL_FLOAT, sizeof(vertex), reinterpret_cast<const void *>(offsetof(vertex, normal)));
  glTexCoordPointer(2, GL_FLOAT, sizeof(vertex), reinterpret_cast<const void *>(offsetof(vertex, texcoord)));
}

void draw_ceiling_frame() {
  advance_animation_time();
  set_up_scene();
  build_strips();
  glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(vertices.size() * sizeof(vertex)),
               vertices.data(), GL_STREAM_DRAW);
  glMultiDrawArrays(GL_TRIANGLE_STRIP, firsts.data(), counts.data(), static_cast<GLsizei>(counts.size()));
  glDisable(GL_TEXTURE_2D);
  connected_window_system()->swap_buffers(find_window(window));
}

void end_ceiling() {
  glDisableClientState(GL_VERTEX_ARRAY);
  glDisableClientState(GL_NORMAL_ARRAY);
  glDisableClientState(GL_TEXTURE_COORD_ARRAY);
  glBindBuffer(GL_ARRAY_BUFFER, 0);
  glDeleteBuffers(1, &buffer);
  wglMakeCurrent(nullptr, nullptr);
  ReleaseDC(window, dc);
}
