#include "frame_geometry.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "geometry/curves.h"
#include "geometry/ring.h"
#include "geometry/shape.h"
#include "settings/settings.h"

namespace {

std::vector<vector3> warped_def;
std::vector<vector3> vector_buf;
std::vector<vector3> first_shape;

// Skin coordinates of a band's 2 x shape_points vertices, as the ring
// drawing asks for them; the ring positions and normals join the sum too.
double band(const vector3 *prev_buf, const vector3 *cur_buf, float prev_t, float t) {
  double sum = 0.0;
  double tds[2];
  for (int j = 0; j < shape_points; j++) {
    double cx = static_cast<double>(j) / (shape_points - 1);
    texcoord_func(now_time, prev_t, cx, tds);
    sum += tds[0] + tds[1] + prev_buf[j].x + prev_buf[shape_points + j].y;
    texcoord_func(now_time, t, cx, tds);
    sum += tds[0] + tds[1] + cur_buf[j].z + cur_buf[shape_points + j].x;
  }
  return sum;
}

}  // namespace

void prepare_frame_geometry() {
  warped_def.assign(shape_points, vector3{});
  vector_buf.assign(4 * shape_points, vector3{});
  first_shape.assign(2 * shape_points, vector3{});
  init_shape();
}

double compute_frame_geometry() {
  const int n = shape_points;
  double mat[16];
  vector3 prev_d1;
  vector3 *prev_buf = vector_buf.data();
  vector3 *cur_buf = prev_buf + 2 * n;
  float delta_t = static_cast<float>(1.0 / curve_segments);
  float t = 0.0f;
  double sum = 0.0;
  for (int i = 0; i < curve_segments; i++) {
    t = static_cast<float>(static_cast<double>(i) / curve_segments);
    place_ring(i, t, mat, &prev_d1, warped_def.data(), cur_buf);
    if (i == 0) {
      std::copy(cur_buf, cur_buf + 2 * n, first_shape.begin());
    } else {
      sum += band(prev_buf, cur_buf, static_cast<float>(t - delta_t), t);
    }
    std::swap(prev_buf, cur_buf);
  }
  return sum + band(prev_buf, first_shape.data(), t, static_cast<float>(t + delta_t));
}
