#include "geometry/frame.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "geometry/curves.h"
#include "geometry/tube_math.h"
#include "support/reset_modules.h"

namespace {

class Frame : public ::testing::Test {
 protected:
  void SetUp() override { reset_geometry(); }
};

vector3 column(const double *mat, int j) {
  return {mat[4 * j], mat[4 * j + 1], mat[4 * j + 2]};
}

void expect_near(const vector3 &expected, const vector3 &actual, double tolerance) {
  EXPECT_NEAR(expected.x, actual.x, tolerance);
  EXPECT_NEAR(expected.y, actual.y, tolerance);
  EXPECT_NEAR(expected.z, actual.z, tolerance);
}

void expect_eq(const vector3 &expected, const vector3 &actual) {
  EXPECT_EQ(expected.x, actual.x);
  EXPECT_EQ(expected.y, actual.y);
  EXPECT_EQ(expected.z, actual.z);
}

// Bottom row 0, 0, 0, 1 and the curve point at t as translation.
void expect_placed_at(const double *mat, double t) {
  EXPECT_EQ(0.0, mat[3]);
  EXPECT_EQ(0.0, mat[7]);
  EXPECT_EQ(0.0, mat[11]);
  EXPECT_EQ(1.0, mat[15]);
  vector3 p;
  curve_func(now_time, t, &p);
  expect_eq(p, {mat[12], mat[13], mat[14]});
}

// Columns of unit length, mutually orthogonal, column 0 x column 1 = column 2.
void expect_right_handed_orthonormal(const double *mat, double tolerance) {
  vector3 axes[3] = {column(mat, 0), column(mat, 1), column(mat, 2)};
  for (int a = 0; a < 3; a++) {
    for (int b = 0; b < 3; b++) {
      EXPECT_NEAR(a == b ? 1.0 : 0.0, dot_product(&axes[a], &axes[b]), tolerance);
    }
  }
  vector3 normal;
  cross_product(&axes[0], &axes[1], &normal);
  expect_near(axes[2], normal, tolerance);
}

void identity(double *mat) {
  for (int i = 0; i < 16; i++) {
    mat[i] = i % 5 == 0 ? 1.0 : 0.0;
  }
}

// Test curves for make_mat: straight lines along y and z, and a point.
void line_along_y(double time, double t, vector3 *v) { *v = {0, t, 0}; }
void line_along_z(double time, double t, vector3 *v) { *v = {1, 2, t}; }
void standing_point(double time, double t, vector3 *v) { *v = {4, 5, 6}; }

TEST_F(Frame, FirstFrameOfFunc2) {
  curve_func = func2;
  double mat[16];
  vector3 d1;
  make_first_mat(0.0, mat, &d1);
  expect_near({0.143, 0.486, -0.862}, column(mat, 0), 5e-4);
  expect_near({-0.982, 0.180, -0.061}, column(mat, 1), 5e-4);
  expect_near({0.126, 0.855, 0.503}, column(mat, 2), 5e-4);
  expect_eq(d1, column(mat, 2));
  expect_placed_at(mat, 0.0);
  expect_right_handed_orthonormal(mat, 1e-12);
}

TEST_F(Frame, FirstFrameOfFunc1) {
  double mat[16];
  vector3 d1;
  make_first_mat(0.0, mat, &d1);
  expect_near({1, 0, 0}, column(mat, 2), 5e-6);
  expect_near({0, 0.998, -0.062}, column(mat, 1), 5e-4);
  expect_near({0, -0.062, -0.998}, column(mat, 0), 5e-4);
  expect_eq(d1, column(mat, 2));
  expect_placed_at(mat, 0.0);
  expect_right_handed_orthonormal(mat, 1e-12);
}

TEST_F(Frame, FirstFrameOfFunc3IsRightHanded) {
  curve_func = func3;
  double mat[16];
  vector3 d1;
  make_first_mat(0.0, mat, &d1);
  expect_right_handed_orthonormal(mat, 1e-12);
  expect_placed_at(mat, 0.0);
}

TEST_F(Frame, QuarterTurnInSinglePrecision) {
  curve_func = line_along_y;
  double mat[16];
  identity(mat);
  vector3 prev_d1{1, 0, 0};
  make_mat(0.5, mat, &prev_d1);

  // The angle -pi/2 held as a float is -1.5707963705062866, whose cosine
  // (as a float) is not 0; sine -1 and 1 - cosine = 1 in single precision.
  const double c = -4.3711388286737929e-08;
  expect_eq({c, 1, 0}, column(mat, 0));
  expect_eq({-1, c, 0}, column(mat, 1));
  expect_eq({0, 0, static_cast<float>(1 + c)}, column(mat, 2));
  expect_eq({0, 1, 0}, prev_d1);
  expect_placed_at(mat, 0.5);

  vector3 turned;
  vector3 ex{1, 0, 0};
  rotate_point(mat, &ex, &turned);
  expect_near({0, 1, 0}, turned, 1e-7);
}

// A straight line leaving the origin at the angle 0x1.ffffcep-1 (about
// 0.99999851) from the x axis, in the x-y plane.
const float tilt = 0x1.ffffcep-1f;
void line_at_tilt(double time, double t, vector3 *v) {
  *v = {t * tube_cos(static_cast<double>(tilt)), t * tube_sin(static_cast<double>(tilt)), 0};
}

TEST_F(Frame, SineAndCosineOfTheFloatAngleAreTakenInDouble) {
  curve_func = line_at_tilt;
  double mat[16];
  identity(mat);
  vector3 prev_d1{1, 0, 0};
  make_mat(0.0, mat, &prev_d1);

  // The angle is -tilt as a float; its sine and cosine come from the double
  // functions, rounded to float afterwards. For this angle the float
  // functions give another cosine with some libraries.
  // volatile: GCC 12's vectorizer (-O2 and up) would hand the second
  // expect_eq the unrounded doubles.
  const double angle = -static_cast<double>(tilt);
  const volatile float s = static_cast<float>(tube_sin(angle));
  const volatile float c = static_cast<float>(tube_cos(angle));
  expect_eq({c, -s, 0}, column(mat, 0));
  expect_eq({s, c, 0}, column(mat, 1));
}

// A rotation block of float-exact entries, tilted about x; a turn by the
// identity must give it back bit for bit.
void tilted_frame(double *mat) {
  identity(mat);
  mat[5] = 0.875f;
  mat[6] = 0.5f;
  mat[9] = -0.5f;
  mat[10] = 0.875f;
}

void expect_same_rotation(const double *expected, const double *actual) {
  for (int j = 0; j < 3; j++) {
    expect_eq(column(expected, j), column(actual, j));
  }
}

// make_mat from the tilted frame with prev_d1 at t: the rotation must stay as
// it was, the tangent become kept_tangent and the frame move to the curve.
void expect_turn_free_step(double t, vector3 prev_d1, const vector3 &kept_tangent) {
  double before[16];
  tilted_frame(before);
  double mat[16];
  tilted_frame(mat);
  make_mat(t, mat, &prev_d1);
  expect_same_rotation(before, mat);
  expect_eq(kept_tangent, prev_d1);
  expect_placed_at(mat, t);
}

TEST_F(Frame, ParallelTangentsOnlyMoveTheFrame) {
  // func1's closing stretch runs along +z.
  expect_turn_free_step(0.97, {0, 0, 1}, {0, 0, 1});
}

TEST_F(Frame, CosineRoundedPastOneGivesNoTurn) {
  curve_func = line_along_z;
  // Dot product with (0, 0, 1) is just above 1 while the cross product is not
  // zero: an unclamped arc-cosine would fill the frame with NaN.
  expect_turn_free_step(0.3, {1e-9, 0, std::nextafter(1.0, 2.0)}, {0, 0, 1});
}

TEST_F(Frame, TangentThatIsNotANumberKeepsTheFrameFinite) {
  curve_func = line_along_z;
  const double nan = std::numeric_limits<double>::quiet_NaN();
  expect_turn_free_step(0.3, {nan, nan, nan}, {0, 0, 1});
}

TEST_F(Frame, StandingCurveKeepsRotationAndTangent) {
  curve_func = standing_point;
  expect_turn_free_step(0.3, {0.6, 0, 0.8}, {0.6, 0, 0.8});
}

// A whole pass of 170 rings as the frame driver walks it.
class FramePass : public Frame, public ::testing::WithParamInterface<curve_function> {};

TEST_P(FramePass, StaysCloseToOrthonormalAndFollowsTheTangent) {
  curve_func = GetParam();
  const int rings = 170;
  double mat[16];
  vector3 prev_d1;
  make_first_mat(0.0, mat, &prev_d1);
  for (int i = 1; i < rings; i++) {
    float t = static_cast<float>(i) / rings;
    make_mat(t, mat, &prev_d1);
    SCOPED_TRACE(i);
    for (double entry : mat) {
      ASSERT_TRUE(std::isfinite(entry));
    }
    expect_right_handed_orthonormal(mat, 1e-5);
    expect_near(prev_d1, column(mat, 2), 1e-5);
    vector3 pos;
    vector3 d1;
    vector3 d2;
    func_diff(t, &pos, &d1, &d2);
    make_unit_vector(&d1);
    expect_eq(d1, prev_d1);
    expect_placed_at(mat, t);
  }
}

INSTANTIATE_TEST_SUITE_P(EveryCurve, FramePass, ::testing::Values(func1, func2, func3));

TEST_F(Frame, Func1TurnsALittleOverAQuarterAtTheLowerPole) {
  const int rings = 170;
  double mat[16];
  vector3 prev_d1;
  make_first_mat(0.0, mat, &prev_d1);
  for (int i = 1; i < 162; i++) {
    make_mat(static_cast<float>(i) / rings, mat, &prev_d1);
  }
  vector3 arriving = prev_d1;
  make_mat(static_cast<float>(162) / rings, mat, &prev_d1);
  double degrees = std::acos(dot_product(&arriving, &prev_d1)) * 180 / 3.141592653589793;
  EXPECT_GT(degrees, 90.0);
  EXPECT_LT(degrees, 91.0);
  expect_near({0, 0, 1}, prev_d1, 1e-12);
  expect_right_handed_orthonormal(mat, 1e-5);
}

TEST_F(Frame, PointArrays) {
  double mat[16];
  identity(mat);
  mat[14] = 10.0;
  const vector3 src[3] = {{1, 2, 3}, {-4, 0.5, 0}, {0, 0, -10}};
  const vector3 untouched{-99, -99, -99};
  vector3 dst[3] = {untouched, untouched, untouched};

  transform_points(mat, src, dst, 0);
  rotate_points(mat, src, dst, 0);
  rotate_points(mat, src, dst, -1);
  for (const vector3 &d : dst) {
    expect_eq(untouched, d);
  }

  transform_points(mat, src, dst, 2);
  expect_eq({1, 2, 13}, dst[0]);
  expect_eq({-4, 0.5, 10}, dst[1]);
  expect_eq(untouched, dst[2]);

  rotate_points(mat, src, dst, 3);
  for (int i = 0; i < 3; i++) {
    expect_eq(src[i], dst[i]);
  }
}

}  // namespace
