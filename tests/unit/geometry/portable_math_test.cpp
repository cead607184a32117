#include "geometry/portable_math.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace {

// How many doubles lie between a and b (0 when equal, or both NaN).
std::int64_t ulps_apart(double a, double b) {
  if (a == b || (std::isnan(a) && std::isnan(b))) {
    return 0;
  }
  auto ordered = [](double x) {
    std::int64_t bits;
    std::memcpy(&bits, &x, sizeof bits);
    return bits < 0 ? INT64_MIN - bits : bits;
  };
  std::int64_t d = ordered(a) - ordered(b);
  return d < 0 ? -d : d;
}

const double pi = 3.141592653589793;

// Close to every runtime's library where the tube needs them: within two
// ulps, but for the x87's sine, which loses bits next to multiples of pi
// (sine and cosine are held to two ulps of 1), and MinGW-w64's pow, up to
// six ulps off for these powers of ten (glibc's: one at most).
TEST(PortableMath, AgreesWithTheLibrary) {
  double worst_sin = 0, worst_cos = 0;
  std::int64_t worst_acos = 0, worst_exp10 = 0;
  for (int i = -200000; i <= 200000; i++) {
    double x = i * 1e-4 + 1.2345e-6;  // [-20, 20], across many octants
    worst_sin = std::max(worst_sin, std::fabs(portable_sin(x) - std::sin(x)));
    worst_cos = std::max(worst_cos, std::fabs(portable_cos(x) - std::cos(x)));
    double c = i * 5e-6;  // [-1, 1]
    worst_acos = std::max(worst_acos, ulps_apart(portable_acos(c), std::acos(c)));
    double y = -4 - i * 2e-5;  // [-8, 0]: the bumps' powers of ten among them
    worst_exp10 = std::max(worst_exp10, ulps_apart(portable_exp10(y), std::pow(10.0, y)));
  }
  EXPECT_LE(worst_sin, 0x1p-52) << "sin";
  EXPECT_LE(worst_cos, 0x1p-52) << "cos";
  EXPECT_LE(worst_acos, 2) << "acos";
  EXPECT_LE(worst_exp10, 8) << "exp10";
}

// Far from zero the x87's own reduction loses bits; these are the values to
// the last bit.
TEST(PortableMath, LargeArgumentsReduceExactly) {
  EXPECT_EQ(-0.34999350217129294, portable_sin(1e6));
  EXPECT_EQ(0.9367521275331447, portable_cos(1e6));
  EXPECT_EQ(-0.9986640823432246, portable_sin(123456.789));
  EXPECT_EQ(-3.014435335948845e-05, portable_sin(355.0));
  EXPECT_EQ(-0.999999999545659, portable_cos(355.0));
  // Next to a multiple of pi/2 where the first part of the reduction cancels.
  EXPECT_EQ(-6.420676210313675e-11, portable_sin(1647099.3291652855));
  // Past years of animation: not the exact value any more, but a sine.
  EXPECT_LE(std::fabs(portable_sin(1e22)), 1.0);
  EXPECT_LE(std::fabs(portable_cos(1e300)), 1.0);
}

TEST(PortableMath, ExactPointsSignsAndInvalidArguments) {
  EXPECT_EQ(0.0, portable_sin(0.0));
  EXPECT_TRUE(std::signbit(portable_sin(-0.0)));
  EXPECT_EQ(1.0, portable_cos(0.0));
  EXPECT_EQ(-portable_sin(0.7), portable_sin(-0.7));
  EXPECT_EQ(portable_cos(2.5), portable_cos(-2.5));
  EXPECT_EQ(1.2246467991473532e-16, portable_sin(pi));
  EXPECT_EQ(-1.0, portable_cos(pi));
  EXPECT_TRUE(std::isnan(portable_sin(INFINITY)));
  EXPECT_TRUE(std::isnan(portable_cos(NAN)));

  EXPECT_EQ(0.0, portable_acos(1.0));
  EXPECT_EQ(pi, portable_acos(-1.0));
  EXPECT_EQ(pi / 2, portable_acos(0.0));
  EXPECT_EQ(1.0471975511965979, portable_acos(0.5));
  EXPECT_EQ(2.0943951023931957, portable_acos(-0.5));
  EXPECT_TRUE(std::isnan(portable_acos(1.0000000000000002)));
  EXPECT_TRUE(std::isnan(portable_acos(NAN)));

  EXPECT_EQ(1.0, portable_exp10(0.0));
  EXPECT_EQ(10.0, portable_exp10(1.0));
  EXPECT_EQ(1000.0, portable_exp10(3.0));
  EXPECT_EQ(0.1, portable_exp10(-1.0));
  EXPECT_EQ(1e-4, portable_exp10(-4.0));
  EXPECT_EQ(INFINITY, portable_exp10(400.0));
  EXPECT_EQ(0.0, portable_exp10(-400.0));
  EXPECT_TRUE(std::isnan(portable_exp10(NAN)));
}

}  // namespace
