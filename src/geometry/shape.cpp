// The tube's cross-section, its bumps and its skin coordinates.
#include "geometry/shape.h"

#include <cmath>

#include "geometry/tube_math.h"

vector3 *shape_def = nullptr;
vector3 *shape_norm = nullptr;

namespace {

const double pi = 3.141592653589793;

// The unwrapped bump phase: one unit per bump, travelling with time.
double bump_phase(double time, double t) {
  return shape_detail::bump_travel(time) + shape_detail::bumps_per_loop * t;
}

}  // namespace

// A closed polygon on the unit circle in the plane z = 0: the last point
// repeats the first, so shape_points points make shape_points - 1 sides. A
// count below 2 has no polygon and is built as 2 (both points at angle 0).
void init_shape() {
  int count = shape_points < 2 ? 2 : shape_points;
  delete[] shape_def;
  delete[] shape_norm;
  shape_def = new vector3[count];
  shape_norm = new vector3[count];
  for (int i = 0; i < count; i++) {
    double a = i * 2 * pi / (count - 1);
    shape_def[i] = vector3{tube_cos(a), tube_sin(a), 0.0};
    shape_norm[i] = shape_def[i];
  }
}

// Radius factor of the ring at t: 1 without bumps; with step bumps 2 for the
// first half of every bump period and 1 for the second; with smooth bumps
// 0.5 + 10^(-16 (f - 0.5)^2), from about 0.5 up to 1.5 and back.
double scale_func(double time, double t) {
  if (!(user_options & OPT_ANIMATED_BUMPS)) {
    return 1.0;
  }
  double tt = bump_phase(time, t);
  double f = tt - std::floor(tt);
  if (!(user_options & OPT_SMOOTH_BUMPS)) {
    return f <= 0.5 ? 2.0 : 1.0;
  }
  double e = 4 * (f - 0.5);
  return 0.5 * (2 * tube_exp10(-(e * e)) + 1);
}
