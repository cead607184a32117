// Vectors and 4x4 matrices for building the tube on the CPU.
#include "geometry/vectmath.h"

#include <cmath>

#include "geometry/tube_math.h"

void cross_product(const vector3 *a, const vector3 *b, vector3 *c) {
  c->x = a->y * b->z - a->z * b->y;
  c->y = a->z * b->x - a->x * b->z;
  c->z = a->x * b->y - a->y * b->x;
}

double dot_product(const vector3 *a, const vector3 *b) {
  return (a->x * b->x + a->y * b->y) + a->z * b->z;
}

// Only the rotation blocks are multiplied. The sums are kept in a float, so
// every entry of the product carries single precision: each product is formed
// in double and the running sum is rounded to float after every addition.
void multiply_matrices(const double *a, const double *b, double *c) {
  for (int i = 0; i < 3; i++) {
    for (int j = 0; j < 3; j++) {
      float accum = 0.0f;
      for (int k = 0; k < 3; k++) {
        accum = static_cast<float>(a[i + 4 * k] * b[k + 4 * j] + static_cast<double>(accum));
      }
      c[i + 4 * j] = accum;
    }
  }
  c[3] = 0.0;
  c[7] = 0.0;
  c[11] = 0.0;
  c[12] = 0.0;
  c[13] = 0.0;
  c[14] = 0.0;
  c[15] = 1.0;
}

// Returns 0 and leaves the vector alone when its length is zero or not a
// number; any other length, however small, is divided out.
int make_unit_vector(vector3 *a) {
  double mag = tube_root(a->x * a->x + a->y * a->y + a->z * a->z);
  if (mag == 0.0 || std::isnan(mag)) {
    return 0;
  }
  a->x = a->x / mag;
  a->y = a->y / mag;
  a->z = a->z / mag;
  return 1;
}
