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
GLuint buffers[2];  // vertices, indices
std::vector<vertex> vertices;
std::vector<GLsizei> counts;
std::vector<const void *> offsets;

// Ring i's n points at curve parameter t, from positions and normals laid
// out as the saver's ring buffers.
void store_ring(int i, float t, const vector3 *ring) {
  const int n = shape_points;
  for (int j = 0; j < n; j++) {
    vertex &v = vertices[static_cast<size_t>(i) * n + j];
    const vector3 &p = ring[j], &normal = ring[n + j];
    v = vertex{{float(p.x), float(p.y), float(p.z)}, {float(normal.x), float(normal.y), float(normal.z)}, {}};
    double tds[2];
    texcoord_func(now_time, t, static_cast<double>(j) / (n - 1), tds);
    v.texcoord[0] = static_cast<float>(tds[0]);
    v.texcoord[1] = static_cast<float>(tds[1]);
  }
}

// Rings 0 to N-1 along the curve and ring N, the first again with the
// closing band's parameter: band b joins rings b-1 and b.
void build_rings() {
  const int segments = curve_segments;
  const float delta_t = 1.0f / static_cast<float>(segments);
  double mat[16];
  vector3 prev_d1;
  vector3 *ring = vector_buf;
  float t = 0;
  for (int i = 0; i < segments; i++) {
    t = static_cast<float>(static_cast<double>(i) / segments);
    place_ring(i, t, mat, &prev_d1, warped_def, ring);
    if (i == 0) std::copy(ring, ring + 2 * shape_points, first_shape);
    store_ring(i, t, ring);
  }
  store_ring(segments, t + delta_t, first_shape);
}

// Each band a strip through rings b-1 and b, point j of the earlier ring
// first, as draw_ring sends it.
void build_indices() {
  const int n = shape_points, segments = curve_segments;
  std::vector<GLuint> indices;
  counts.assign(segments, 2 * n);
  offsets.clear();
  for (int b = 1; b <= segments; b++) {
    offsets.push_back(reinterpret_cast<const void *>(indices.size() * sizeof(GLuint)));
    for (int j = 0; j < n; j++) {
      indices.push_back(static_cast<GLuint>((b - 1) * n + j));
      indices.push_back(static_cast<GLuint>(b * n + j));
    }
  }
  glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, buffers[1]);
  glBufferData(GL_ELEMENT_ARRAY_BUFFER, static_cast<GLsizeiptr>(indices.size() * sizeof(GLuint)),
               indices.data(), GL_STATIC_DRAW);
}

}  // namespace

void begin_ceiling(HWND hwnd) {
  window = hwnd;
  dc = GetDC(hwnd);
  wglMakeCurrent(dc, hRC);
  vertices.resize(static_cast<size_t>(curve_segments + 1) * shape_points);
  glGenBuffers(2, buffers);
  build_indices();
  glBindBuffer(GL_ARRAY_BUFFER, buffers[0]);
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
  build_rings();
  glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(vertices.size() * sizeof(vertex)),
               vertices.data(), GL_STREAM_DRAW);
  glMultiDrawElements(GL_TRIANGLE_STRIP, counts.data(), GL_UNSIGNED_INT, offsets.data(),
                      static_cast<GLsizei>(counts.size()));
  glDisable(GL_TEXTURE_2D);
  connected_window_system()->swap_buffers(find_window(window));
}

void end_ceiling() {
  glDisableClientState(GL_VERTEX_ARRAY);
  glDisableClientState(GL_NORMAL_ARRAY);
  glDisableClientState(GL_TEXTURE_COORD_ARRAY);
  glBindBuffer(GL_ARRAY_BUFFER, 0);
  glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, 0);
  glDeleteBuffers(2, buffers);
  wglMakeCurrent(nullptr, nullptr);
  ReleaseDC(window, dc);
}
