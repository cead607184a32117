#include "geometry/shape.h"

#include <gtest/gtest.h>

#include <cmath>

#include "geometry/curves.h"
#include "geometry/tube_math.h"
#include "geometry/ring.h"
#include "settings/settings.h"
#include "support/reset_modules.h"

namespace {

// Each test starts from the default settings and sets what it needs.
class Shape : public ::testing::Test {
 protected:
  void SetUp() override {
    reset_settings();
    reset_geometry();
  }
};

const int step_bumps = OPT_ANIMATED_BUMPS;
const int smooth_bumps = OPT_ANIMATED_BUMPS | OPT_SMOOTH_BUMPS;

TEST_F(Shape, CrossSectionIsAClosedPolygonOnTheUnitCircle) {
  init_shape();
  EXPECT_DOUBLE_EQ(-0.5, shape_def[3].x);
  EXPECT_DOUBLE_EQ(0.8660254037844386, shape_def[3].y);
  EXPECT_EQ(1.0, shape_def[0].x);
  EXPECT_EQ(0.0, shape_def[0].y);
  EXPECT_DOUBLE_EQ(shape_def[0].x, shape_def[9].x);
  EXPECT_NEAR(shape_def[0].y, shape_def[9].y, 1e-15);
  for (int i = 0; i < 10; i++) {
    SCOPED_TRACE(i);
    EXPECT_EQ(0.0, shape_def[i].z);
    EXPECT_NEAR(1.0, std::hypot(shape_def[i].x, shape_def[i].y), 1e-15);
    EXPECT_EQ(shape_def[i].x, shape_norm[i].x);
    EXPECT_EQ(shape_def[i].y, shape_norm[i].y);
    EXPECT_EQ(shape_def[i].z, shape_norm[i].z);
  }
  for (int i = 0; i + 1 < 9; i++) {
    // Counter-clockwise seen from +z.
    const vector3 &a = shape_def[i];
    const vector3 &b = shape_def[i + 1];
    EXPECT_GT(a.x * b.y - a.y * b.x, 0.0) << i;
  }
}

TEST_F(Shape, CountBelowTwoIsBuiltAsTwoPoints) {
  for (int count : {1, 0, -3}) {
    shape_points = count;
    init_shape();
    for (int i = 0; i < 2; i++) {
      EXPECT_NEAR(1.0, shape_def[i].x, 1e-15);
      EXPECT_NEAR(0.0, shape_def[i].y, 1e-15);
      EXPECT_EQ(shape_def[i].x, shape_norm[i].x);
    }
  }
}

TEST_F(Shape, DefaultOptionsHaveNoBumpsAndASwayingSkin) {
  now_time = 2.5;
  double tds[2];
  for (double t : {0.0, 0.123, 0.5, 1.0}) {
    for (double time : {0.0, 2.5, 1000.0}) {
      EXPECT_EQ(1.0, scale_func(time, t));
    }
    texcoord_func(now_time, t, 0.25, tds);
    EXPECT_NEAR(30 * t + 0.3 * std::sin(2.5), tds[0], 1e-13);
    EXPECT_EQ(0.25, tds[1]);
  }
  texcoord_func(now_time, 0.0, 0.0, tds);
  double at_start = tds[0];
  texcoord_func(now_time, 1.0, 1.0, tds);
  EXPECT_NEAR(30.0, tds[0] - at_start, 1e-12);
  EXPECT_EQ(1.0, tds[1]);
}

TEST_F(Shape, SwayingSkinReadsTheAnimationTimeAndMovingSkinItsArgument) {
  now_time = 2.5;
  double tds[2];
  texcoord_func(7.0, 0.5, 0.0, tds);
  EXPECT_EQ(30 * (0.5 + 0.01 * tube_sin(2.5)), tds[0]);
  user_options |= OPT_MOVE_TEXTURE;
  texcoord_func(7.0, 0.5, 0.0, tds);
  EXPECT_EQ(60 * 7.0 * 0.1 + 18 * 0.5, tds[0]);
}

TEST_F(Shape, SwayingSkinFollowsEveryNewAnimationTime) {
  double tds[2];
  for (double time : {2.5, 0.75, 2.5, -0.0, 0.0, 1e6}) {
    now_time = time;
    texcoord_func(time, 0.25, 0.0, tds);
    EXPECT_EQ(30 * (0.25 + 0.01 * tube_sin(time)), tds[0]) << time;
  }
}

TEST_F(Shape, MovingSkinSheds1024RepeatsAtATimeOnLongRuns) {
  user_options |= OPT_MOVE_TEXTURE;
  bump_speed = 200;
  double tds[2];
  // Until the first 1024 repeats of travel the value is the plain one.
  const double early = 51.17;  // 1023.4 repeats
  texcoord_func(early, 0.5, 0.0, tds);
  EXPECT_EQ(200 * early * 0.1 + 18 * 0.5, tds[0]);
  // Eight hours at the top speed: 2845183.4 repeats of travel. What is left
  // keeps float's precision, is whole repeats short of the plain value and
  // still runs 18 repeats along the tube.
  const double late = 142259.17;
  const double travel = 200 * late * 0.1;
  texcoord_func(late, 0.0, 0.0, tds);
  const double at_start = tds[0];
  EXPECT_NEAR(travel - 2778 * 1024.0, at_start, 1e-6);
  EXPECT_LT(at_start, 1024);
  texcoord_func(late, 1.0, 0.0, tds);
  EXPECT_NEAR(18.0, tds[0] - at_start, 1e-9);
}

TEST_F(Shape, StepBumpsAreTwiceTheRadiusUpToHalfAPeriod) {
  user_options |= step_bumps;
  bump_speed = 0;
  // Phase 18 t: 0 at t = 0, exactly 4.5 at t = 0.25.
  EXPECT_EQ(2.0, scale_func(7.0, 0.0));
  EXPECT_EQ(2.0, scale_func(7.0, 0.25));
  EXPECT_EQ(1.0, scale_func(7.0, std::nextafter(0.25, 1.0)));
  EXPECT_EQ(2.0, scale_func(7.0, 0.23));
  EXPECT_EQ(1.0, scale_func(7.0, 0.27));
  // Time moves the pattern: 50 x 1 x 0.1 is 5 whole periods; a quarter
  // period more carries t = 0.25 into the thin half.
  bump_speed = 50;
  EXPECT_EQ(2.0, scale_func(1.0, 0.25));
  EXPECT_EQ(1.0, scale_func(1.05, 0.25));
}

TEST_F(Shape, SmoothBumpsAreSymmetricAndBounded) {
  user_options |= smooth_bumps;
  bump_speed = 0;
  const double period = 1.0 / 18;
  EXPECT_DOUBLE_EQ(1.5, scale_func(0.0, 0.5 * period));
  EXPECT_NEAR(0.6, scale_func(0.0, 0.25 * period), 1e-12);
  EXPECT_NEAR(0.6, scale_func(0.0, 0.75 * period), 1e-12);
  EXPECT_NEAR(0.5001, scale_func(0.0, 0.0), 1e-15);
  for (int k = 0; k < 50; k++) {
    double d = k * 0.01;
    double below = scale_func(0.0, (0.5 - d) * period);
    double above = scale_func(0.0, (0.5 + d) * period);
    EXPECT_NEAR(below, above, 1e-9) << d;
    EXPECT_GT(below, 0.5);
    EXPECT_LE(below, 1.5);
  }
}

TEST_F(Shape, RingIsScaledByTheBumpFactorRoundedToFloat) {
  user_options |= smooth_bumps;
  bump_speed = 0;
  init_shape();
  const float t = 0.25f / 18;  // a quarter period: a factor of about 0.6
  const double factor = scale_func(0.0, t);
  const float warp_scale = static_cast<float>(factor);
  ASSERT_NE(factor, static_cast<double>(warp_scale));
  double mat[16];
  vector3 prev_d1;
  vector3 warped[10];
  vector3 ring[20];
  place_ring(0, t, mat, &prev_d1, warped, ring);
  for (int j = 0; j < 10; j++) {
    SCOPED_TRACE(j);
    EXPECT_EQ(warp_scale * shape_def[j].x, warped[j].x);
    EXPECT_EQ(warp_scale * shape_def[j].y, warped[j].y);
    EXPECT_EQ(warp_scale * shape_def[j].z, warped[j].z);
  }
  EXPECT_NE(factor * shape_def[1].x, warped[1].x);
}

TEST_F(Shape, BumpPatternRunsOnAcrossTheClosingRing) {
  for (int options : {step_bumps, smooth_bumps}) {
    user_options = options;
    for (double time : {0.0, 0.37, 12.3, 400.01}) {
      EXPECT_NEAR(scale_func(time, 0.0), scale_func(time, 1.0), 1e-9) << time;
    }
  }
}

TEST_F(Shape, MovingSkinTravelsWithTheBumps) {
  user_options |= OPT_MOVE_TEXTURE;
  double tds[2];
  texcoord_func(2.0, 0.5, 0.125, tds);
  EXPECT_DOUBLE_EQ(60 * 2.0 * 0.1 + 9, tds[0]);
  EXPECT_EQ(0.125, tds[1]);
  texcoord_func(2.0, 0.0, 0.0, tds);
  double at_start = tds[0];
  texcoord_func(2.0, 1.0, 0.0, tds);
  EXPECT_NEAR(18.0, tds[0] - at_start, 1e-12);
  // Without bumps the skin still moves; the tube keeps its radius.
  EXPECT_EQ(1.0, scale_func(2.0, 0.3));
}

TEST_F(Shape, BumpSpeedZeroHoldsThePatternStill) {
  user_options |= smooth_bumps | OPT_MOVE_TEXTURE;
  bump_speed = 0;
  for (double t : {0.0, 0.01, 0.3, 0.77}) {
    EXPECT_EQ(scale_func(0.0, t), scale_func(55.5, t));
    double tds[2];
    texcoord_func(55.5, t, 0.5, tds);
    EXPECT_EQ(18 * t, tds[0]);
  }
  EXPECT_LT(scale_func(0.0, 0.0), 1.0);
  EXPECT_GT(scale_func(0.0, 0.5 / 18), 1.0);
}

}  // namespace
