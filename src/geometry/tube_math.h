// The elementary functions the tube is computed with. The tube's finite
// differences (a step of 1e-7) magnify the last bit of every sine and
// cosine, so each home takes one set for all its builds. Linux computes
// with its C library's. The Windows builds take portable_math.h's (CMake
// defines TORVANE_PORTABLE_MATH there): the 32-bit and 64-bit runtimes
// differ in the last bit (pow by route, acos by architecture, the x87's
// fsin by processor and emulator), and both builds must draw the same tube.
#pragma once

#include <cmath>

#include "geometry/portable_math.h"

#if TORVANE_PORTABLE_MATH
inline double tube_sin(double x) { return portable_sin(x); }
inline double tube_cos(double x) { return portable_cos(x); }
inline double tube_acos(double x) { return portable_acos(x); }
inline double tube_exp10(double y) { return portable_exp10(y); }
// The power 0.5 as the square root, which every build rounds alike.
inline double tube_root(double x) { return std::sqrt(x); }
#else
inline double tube_sin(double x) { return std::sin(x); }
inline double tube_cos(double x) { return std::cos(x); }
inline double tube_acos(double x) { return std::acos(x); }
inline double tube_exp10(double y) { return std::pow(10.0, y); }
inline double tube_root(double x) { return std::pow(x, 0.5); }
#endif
