// The reductions, polynomials and coefficients are those of Sun's fdlibm:
// Copyright (C) 1993 by Sun Microsystems, Inc. All rights reserved.
// Developed at SunSoft, a Sun Microsystems, Inc. business. Permission to
// use, copy, modify, and distribute this software is freely granted,
// provided that this notice is preserved.
#include "geometry/portable_math.h"

#include <cmath>
#include <cstdint>
#include <cstring>

namespace {

std::uint64_t bits_of(double x) {
  std::uint64_t bits;
  std::memcpy(&bits, &x, sizeof bits);
  return bits;
}

double from_bits(std::uint64_t bits) {
  double x;
  std::memcpy(&x, &bits, sizeof x);
  return x;
}

int exponent_of(double x) { return static_cast<int>(bits_of(x) >> 52) & 0x7ff; }

// sin(x + y) and cos(x + y) for |x| <= pi/4, y the tail of a reduced
// argument (|y| below half an ulp of x).
double kernel_sin(double x, double y) {
  const double s1 = -1.66666666666666324348e-01, s2 = 8.33333333332248946124e-03,
               s3 = -1.98412698298579493134e-04, s4 = 2.75573137070700676789e-06,
               s5 = -2.50507602534068634195e-08, s6 = 1.58969099521155010221e-10;
  double z = x * x;
  double v = z * x;
  double r = s2 + z * (s3 + z * (s4 + z * (s5 + z * s6)));
  return x - ((z * (0.5 * y - v * r) - y) - v * s1);
}

double kernel_cos(double x, double y) {
  const double c1 = 4.16666666666666019037e-02, c2 = -1.38888888888741095749e-03,
               c3 = 2.48015872894767294178e-05, c4 = -2.75573143513906633035e-07,
               c5 = 2.08757232129817482790e-09, c6 = -1.13596475577881948265e-11;
  double z = x * x;
  double r = z * (c1 + z * (c2 + z * (c3 + z * (c4 + z * (c5 + z * c6)))));
  double hz = 0.5 * z;
  double w = 1.0 - hz;
  return w + (((1.0 - w) - hz) + (z * r - x * y));
}

// 0 <= x <= 2^30 as n pi/2 + (head + tail), |head + tail| <= pi/4, with pi/2 in
// three parts of 33 bits and a second or third round where the first one
// cancels; good to the last bit up to 2^20 pi/2 (a week of the fastest
// animation), to a few bits less up to 2^30. Returns n mod 4.
int reduce_half_pi(double x, double *head, double *tail) {
  const double inv_half_pi = 6.36619772367581382433e-01;
  const double p1 = 1.57079632673412561417e+00, p1t = 6.07710050650619224932e-11,
               p2 = 6.07710050630396597660e-11, p2t = 2.02226624879595063154e-21,
               p3 = 2.02226624871116645580e-21, p3t = 8.47842766036889956997e-32;
  // x is below 2^30: n fits an int, and truncation rounds it to nearest.
  int quadrants = static_cast<int>(x * inv_half_pi + 0.5);
  double n = quadrants;
  double r = x - n * p1;
  double w = n * p1t;
  double y = r - w;
  int e = exponent_of(x);
  if (e - exponent_of(y) > 16) {
    double t = r;
    w = n * p2;
    r = t - w;
    w = n * p2t - ((t - r) - w);
    y = r - w;
    if (e - exponent_of(y) > 49) {
      t = r;
      w = n * p3;
      r = t - w;
      w = n * p3t - ((t - r) - w);
      y = r - w;
    }
  }
  *head = y;
  *tail = (r - y) - w;
  return quadrants & 3;
}

// sin (cosine false) or cos of x
double sin_or_cos(double x, bool cosine) {
  if (!std::isfinite(x)) {
    return x - x;
  }
  double ax = std::fabs(x);
  // Past 2^30 (years of animation) only the same bits everywhere matter:
  // the argument is first taken modulo the double nearest 2 pi, exactly.
  if (ax > 1073741824.0) {
    ax = std::fmod(ax, 6.283185307179586);
  }
  double head = ax, tail = 0.0;
  int quadrant = ax <= 0.7853981633974483 ? 0 : reduce_half_pi(ax, &head, &tail);
  if (cosine) {
    quadrant += 1;
  }
  double v;
  switch (quadrant & 3) {
    case 0: v = kernel_sin(head, tail); break;
    case 1: v = kernel_cos(head, tail); break;
    case 2: v = -kernel_sin(head, tail); break;
    default: v = -kernel_cos(head, tail); break;
  }
  // sin is odd, cos even; cos(x) = sin(|x| + pi/2).
  return !cosine && std::signbit(x) ? -v : v;
}

// (asin(sqrt(z)) - sqrt(z)) / sqrt(z)^3 as a rational function, z <= 0.5
double asin_ratio(double z) {
  const double p0 = 1.66666666666666657415e-01, p1 = -3.25565818622400915405e-01,
               p2 = 2.01212532134862925881e-01, p3 = -4.00555345006794114027e-02,
               p4 = 7.91534994289814532176e-04, p5 = 3.47933107596021167570e-05;
  const double q1 = -2.40339491173441421878e+00, q2 = 2.02094576023350569471e+00,
               q3 = -6.88283971605453293030e-01, q4 = 7.70381505559019352791e-02;
  double p = z * (p0 + z * (p1 + z * (p2 + z * (p3 + z * (p4 + z * p5)))));
  double q = 1.0 + z * (q1 + z * (q2 + z * (q3 + z * q4)));
  return p / q;
}

// x * y as head + tail exactly (Dekker's product, without fused operations)
void exact_product(double x, double y, double *head, double *tail) {
  const double splitter = 134217729.0;  // 2^27 + 1
  double cx = splitter * x, cy = splitter * y;
  double xh = cx - (cx - x), xl = x - xh;
  double yh = cy - (cy - y), yl = y - yh;
  *head = x * y;
  *tail = ((xh * yh - *head) + xh * yl + xl * yh) + xl * yl;
}

}  // namespace

double portable_sin(double x) { return sin_or_cos(x, false); }

double portable_cos(double x) { return sin_or_cos(x, true); }

double portable_acos(double x) {
  const double pi = 3.14159265358979311600e+00;
  const double half_pi_hi = 1.57079632679489655800e+00, half_pi_lo = 6.12323399573676603587e-17;
  double ax = std::fabs(x);
  if (!(ax <= 1.0)) {
    return (x - x) / (x - x);  // NaN, also for NaN
  }
  if (ax == 1.0) {
    return x > 0 ? 0.0 : pi + 2.0 * half_pi_lo;
  }
  if (ax < 0.5) {
    return half_pi_hi - (x - (half_pi_lo - x * asin_ratio(x * x)));
  }
  double z = (1.0 - ax) * 0.5;
  double s = std::sqrt(z);
  if (x < 0) {
    double w = asin_ratio(z) * s - half_pi_lo;
    return pi - 2.0 * (s + w);
  }
  // s as head (its upper 32 bits) + tail, for the last bits of 2 asin(s)
  double head = from_bits(bits_of(s) & 0xffffffff00000000ull);
  double tail = (z - head * head) / (s + head);
  return 2.0 * (head + (asin_ratio(z) * s + tail));
}

double portable_exp10(double y) {
  const double ln10_hi = 2.302585092994046, ln10_lo = -2.1707562233822494e-16;
  const double inv_ln2 = 1.44269504088896338700e+00;
  // ln2_hi has 32 bits, so k * ln2_hi is exact
  const double ln2_hi = 6.93147180369123816490e-01, ln2_lo = 1.90821492927058770002e-10;
  const double e1 = 1.66666666666666019037e-01, e2 = -2.77777777770155933842e-03,
               e3 = 6.61375632143793436117e-05, e4 = -1.65339022054652515390e-06,
               e5 = 4.13813679705723846039e-08;
  if (std::isnan(y)) {
    return y;
  }
  if (y > 309) {
    return HUGE_VAL;
  }
  if (y < -324) {
    return 0.0;
  }
  // y ln 10 = x_hi + x_lo, nearly to twice double precision
  double x_hi, x_lo;
  exact_product(y, ln10_hi, &x_hi, &x_lo);
  x_lo += y * ln10_lo;
  // e^x = 2^k e^r, |r| <= ln2 / 2
  double k = std::floor(x_hi * inv_ln2 + 0.5);
  double hi = x_hi - k * ln2_hi;
  double lo = k * ln2_lo - x_lo;
  double r = hi - lo;
  double t = r * r;
  double c = r - t * (e1 + t * (e2 + t * (e3 + t * (e4 + t * e5))));
  return std::ldexp(1.0 - ((lo - (r * c) / (2.0 - c)) - hi), static_cast<int>(k));
}
