// The three closed path curves of the tube and their finite differences.
#include "geometry/curves.h"

#include "geometry/tube_math.h"

double now_time = 0.0;
curve_function curve_func = func1;

namespace {

const double pi = 3.141592653589793;
const double two_pi = 6.283185307179586;
// Step of the finite differences in func_diff.
const double diff_step = 1e-7;

}  // namespace

// A spiral of four turns over the sphere of radius 10 from the north pole to
// the south pole (t in [0, 0.95)), closed by the diameter along z. Below 0 the
// spiral formula goes on, so the backward sample at t = 0 stays on the spiral.
void func1(double time, double t, vector3 *v) {
  if (t >= 0.95) {
    double u = (t - 0.95) * 20;
    v->x = 0.0;
    v->y = 0.0;
    v->z = (u - 0.5) * 20;
    return;
  }
  double t_spiral = t * 1.0526315789473684;  // t / 0.95
  double r = t_spiral * pi;
  double theta = t_spiral * pi * 8;
  double radius = tube_sin(r);
  v->x = tube_cos(theta) * (10 * radius);
  v->y = tube_sin(theta) * (10 * radius);
  v->z = tube_cos(r) * 10;
}

// Four turns about the z axis at a swinging distance, one sine period in z.
void func2(double time, double t, vector3 *v) {
  double u = two_pi * t;
  double k = (tube_sin(u) + 1.7) * 2.4;
  v->x = tube_cos(4 * u) * k;
  v->y = tube_sin(4 * u) * k;
  v->z = tube_sin(u) * 9.6;
}

// A great circle through both poles of the sphere of radius 10 whose
// longitude weaves between pi - 2 and pi four times per loop.
void func3(double time, double t, vector3 *v) {
  double angle = (t * 2) * pi;
  double r = tube_cos(4 * angle) + 2.141592653589793;  // pi - 1
  double radius = tube_cos(angle);
  v->x = tube_cos(r) * (10 * radius);
  v->y = tube_sin(r) * (10 * radius);
  v->z = tube_sin(angle) * 10;
}

void func_diff(double t, vector3 *pos, vector3 *d1, vector3 *d2) {
  vector3 before;
  vector3 after;
  curve_func(now_time, t - diff_step, &before);
  curve_func(now_time, t, pos);
  curve_func(now_time, t + diff_step, &after);

  d1->x = after.x - pos->x;
  d1->y = after.y - pos->y;
  d1->z = after.z - pos->z;

  d2->x = (2 * pos->x - before.x) - after.x;
  d2->y = (2 * pos->y - before.y) - after.y;
  d2->z = (2 * pos->z - before.z) - after.z;
}
