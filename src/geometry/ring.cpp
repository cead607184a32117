#include "geometry/ring.h"

#include "geometry/curves.h"
#include "geometry/frame.h"
#include "geometry/shape.h"
#include "settings/settings.h"

void place_ring(int i, float t, double *mat, vector3 *prev_d1, vector3 *warped, vector3 *ring) {
  float warp_scale = static_cast<float>(scale_func(now_time, t));
  for (int j = 0; j < shape_points; j++) {
    warped[j].x = warp_scale * shape_def[j].x;
    warped[j].y = warp_scale * shape_def[j].y;
    warped[j].z = warp_scale * shape_def[j].z;
  }
  if (i == 0)
    make_first_mat(t, mat, prev_d1);
  else
    make_mat(t, mat, prev_d1);
  transform_points(mat, warped, ring, shape_points);
  // Normals of the unbumped cross-section: the bumps do not tilt them.
  rotate_points(mat, shape_norm, ring + shape_points, shape_points);
}
