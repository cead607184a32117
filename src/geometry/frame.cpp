// The moving frame that carries the cross-section along the curve.
//
// Columns 0 and 1 of a frame are the cross-section's x and y axes, column 2
// the unit tangent and the translation the curve point.
#include "geometry/frame.h"

#include <algorithm>
#include <cmath>

#include "geometry/curves.h"
#include "geometry/tube_math.h"

namespace {

void set_column(double *mat, int column, const vector3 *v) {
  mat[4 * column] = v->x;
  mat[4 * column + 1] = v->y;
  mat[4 * column + 2] = v->z;
  mat[4 * column + 3] = 0.0;
}

void set_translation(double *mat, const vector3 *pos) {
  mat[12] = pos->x;
  mat[13] = pos->y;
  mat[14] = pos->z;
  mat[15] = 1.0;
}

}  // namespace

// The first frame comes from the curve's own bending: column 0 is the
// reversed binormal, column 1 the principal normal (towards the centre of
// curvature), column 2 the tangent. A point without bending leaves columns 0
// and 1 zero.
void make_first_mat(double t, double *mat, vector3 *d1) {
  vector3 pos;
  vector3 d2;
  vector3 vc;
  func_diff(t, &pos, d1, &d2);
  cross_product(d1, &d2, &vc);
  make_unit_vector(d1);
  make_unit_vector(&vc);
  cross_product(d1, &vc, &d2);

  set_column(mat, 0, &vc);
  set_column(mat, 1, &d2);
  set_column(mat, 2, d1);
  set_translation(mat, &pos);
}

// Turns the previous frame by the smallest rotation that takes the previous
// tangent onto the new one, so the cross-section does not spin about the
// tube. The angle, its sine and cosine are kept in single precision.
void make_mat(double t0, double *oldmat, vector3 *prev_d1) {
  vector3 pos;
  vector3 d1;
  vector3 d2;
  func_diff(t0, &pos, &d1, &d2);

  if (make_unit_vector(&d1)) {
    vector3 v;
    cross_product(prev_d1, &d1, &v);
    make_unit_vector(&v);
    // Rounding can push the cosine just past +-1, where the arc-cosine is
    // undefined: clamped, nearly parallel tangents turn by nothing. A tangent
    // that is not a number turns nothing either, so the frame stays finite.
    double cosine = dot_product(prev_d1, &d1);
    if (std::isnan(cosine)) {
      v = vector3{0.0, 0.0, 0.0};
      cosine = 1.0;
    }
    float angle = static_cast<float>(-tube_acos(std::clamp(cosine, -1.0, 1.0)));
    // The sine and cosine of the float angle are taken in double and only
    // then stored as floats; sinf and cosf round differently.
    float s = static_cast<float>(tube_sin(static_cast<double>(angle)));
    float c = static_cast<float>(tube_cos(static_cast<double>(angle)));
    float t = 1.0f - c;

    double mat[16];
    mat[0] = t * v.x * v.x + c;
    mat[1] = t * v.x * v.y - s * v.z;
    mat[2] = t * v.x * v.z + s * v.y;
    mat[3] = 0.0;
    mat[4] = t * v.x * v.y + s * v.z;
    mat[5] = t * v.y * v.y + c;
    mat[6] = t * v.y * v.z - s * v.x;
    mat[7] = 0.0;
    mat[8] = t * v.x * v.z - s * v.y;
    mat[9] = t * v.y * v.z + s * v.x;
    mat[10] = t * v.z * v.z + c;
    mat[11] = 0.0;
    mat[12] = 0.0;
    mat[13] = 0.0;
    mat[14] = 0.0;
    mat[15] = 1.0;

    double newmat[16];
    multiply_matrices(mat, oldmat, newmat);
    *prev_d1 = d1;
    for (int i = 0; i < 16; i++) {
      oldmat[i] = newmat[i];
    }
  }
  set_translation(oldmat, &pos);
}

// The arrays do not overlap each other or the matrix, so the matrix and each
// source point are read into locals first: the compiler can then keep them
// in registers instead of reading them again after every store.
void transform_points(const double *mat, const vector3 *src, vector3 *dst, int cnt) {
  double frame[16];
  std::copy(mat, mat + 16, frame);
  for (int i = 0; i < cnt; i++) {
    const vector3 point = src[i];
    transform_point(frame, &point, &dst[i]);
  }
}

void rotate_points(const double *mat, const vector3 *src, vector3 *dst, int cnt) {
  double frame[16];
  std::copy(mat, mat + 16, frame);
  for (int i = 0; i < cnt; i++) {
    const vector3 normal = src[i];
    rotate_point(frame, &normal, &dst[i]);
  }
}
