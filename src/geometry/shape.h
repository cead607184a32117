// The tube's cross-section, its bumps and its skin coordinates.
#pragma once

#include <cmath>
#include <cstdint>
#include <cstring>

#include "geometry/curves.h"
#include "geometry/tube_math.h"
#include "geometry/vectmath.h"
#include "settings/settings.h"

extern vector3 *shape_def;   // shape_points points on the unit circle
extern vector3 *shape_norm;  // their unit normals

void init_shape();
double scale_func(double time, double t);
inline void texcoord_func(double time, double t, double cx, double *tds);

// The skin coordinates are asked for at every vertex of every frame, so
// texcoord_func and what it uses are defined here, where the ring drawing
// compiles them in place.
namespace shape_detail {

// Bumps along the whole closed tube; a whole number, so the pattern runs on
// without a jump across the closing band.
constexpr double bumps_per_loop = 18;

// How far the bumps have travelled by `time`, in bump periods.
inline double bump_travel(double time) { return bump_speed * time * 0.1; }

// GL narrows texture coordinates to float, which past some thousands of
// repeats rounds the skin's travel to a visible share of one repeat and the
// skin streaks. The skin repeats once per bump period, so whole periods
// can go: taken off in steps of this many (fmod is exact), the travel keeps
// float's precision for good, and is the plain value, bit for bit, until
// the first step.
constexpr double skin_travel_span = 1024;

// The swaying skin's 0.01 sin(now_time), worked out once per value of the
// animation time instead of once per vertex. The value is recognised by its
// bits, so whoever sets now_time gets the sway of what was set. It starts as
// that of +0.0 (all bits clear), which is +0.0.
inline std::uint64_t sway_time_bits = 0;
inline double sway_of_time = 0.0;

inline double skin_sway() {
  std::uint64_t bits;
  std::memcpy(&bits, &now_time, sizeof bits);
  if (bits != sway_time_bits) {
    sway_time_bits = bits;
    sway_of_time = 0.01 * tube_sin(now_time);
  }
  return sway_of_time;
}

}  // namespace shape_detail

// tds[0] runs along the tube, tds[1] around the cross-section. A moving skin
// travels with the bumps, one repeat per bump (less whole repeats of
// travel); otherwise the skin repeats 30 times along the tube and sways
// slowly with the animation time.
inline void texcoord_func(double time, double t, double cx, double *tds) {
  using namespace shape_detail;
  tds[1] = cx;
  if (user_options & OPT_MOVE_TEXTURE) {
    tds[0] = std::fmod(bump_travel(time), skin_travel_span) + bumps_per_loop * t;
  } else {
    tds[0] = 30 * (t + skin_sway());
  }
}
