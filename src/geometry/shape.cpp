// The tube's cross-section, its bumps and its skin coordinates.
#include "geometry/shape.h"

#include <cmath>
#include <cstdint>
#include <cstring>

#include "geometry/curves.h"
#include "geometry/portable_math.h"
#include "settings/settings.h"

vector3 *shape_def = nullptr;
vector3 *shape_norm = nullptr;

namespace {

const double pi = 3.141592653589793;

// Bumps along the whole closed tube; a whole number, so the pattern runs on
// without a jump across the closing band.
const double bumps_per_loop = 18;

// How far the bumps have travelled by `time`, in bump periods.
double bump_travel(double time) { return bump_speed * time * 0.1; }

// The unwrapped bump phase: one unit per bump, travelling with time.
double bump_phase(double time, double t) { return bump_travel(time) + bumps_per_loop * t; }

// GL narrows texture coordinates to float, which past some thousands of
// repeats rounds the skin's travel to a visible share of one repeat and the
// skin streaks. The skin repeats once per bump period, so whole periods
// can go: taken off in steps of this many (fmod is exact), the travel keeps
// float's precision for good, and is the plain value, bit for bit, until
// the first step.
const double skin_travel_span = 1024;

// sin(now_time) for the swaying skin, taken once per value of the animation
// time instead of once per vertex. The value is recognised by its bits, so
// whoever sets now_time gets the sine of what was set. It starts as the
// exact sine of +0.0 (all bits clear), which is +0.0.
std::uint64_t sine_time_bits = 0;
double sine_of_time = 0.0;

double sine_of_animation_time() {
  std::uint64_t bits;
  std::memcpy(&bits, &now_time, sizeof bits);
  if (bits != sine_time_bits) {
    sine_time_bits = bits;
    sine_of_time = portable_sin(now_time);
  }
  return sine_of_time;
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
    shape_def[i] = vector3{portable_cos(a), portable_sin(a), 0.0};
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
  return 0.5 * (2 * portable_exp10(-(e * e)) + 1);
}

// tds[0] runs along the tube, tds[1] around the cross-section. A moving skin
// travels with the bumps, one repeat per bump (less whole repeats of
// travel); otherwise the skin repeats 30 times along the tube and sways
// slowly with the animation time.
void texcoord_func(double time, double t, double cx, double *tds) {
  tds[1] = cx;
  if (user_options & OPT_MOVE_TEXTURE) {
    tds[0] = std::fmod(bump_travel(time), skin_travel_span) + bumps_per_loop * t;
  } else {
    tds[0] = 30 * (t + 0.01 * sine_of_animation_time());
  }
}
