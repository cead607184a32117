#include "geometry/curves.h"

#include <gtest/gtest.h>

#include <cmath>

#include "support/reset_modules.h"

namespace {

class Curves : public ::testing::Test {
 protected:
  void SetUp() override { reset_geometry(); }
};

void expect_near(const vector3 &expected, const vector3 &actual, double tolerance) {
  EXPECT_NEAR(expected.x, actual.x, tolerance);
  EXPECT_NEAR(expected.y, actual.y, tolerance);
  EXPECT_NEAR(expected.z, actual.z, tolerance);
}

vector3 point(curve_function curve, double t) {
  vector3 v;
  curve(0.0, t, &v);
  return v;
}

TEST_F(Curves, Func1SpiralsFromPoleToPole) {
  vector3 start = point(func1, 0.0);
  EXPECT_EQ(0.0, start.x);
  EXPECT_EQ(0.0, start.y);
  EXPECT_EQ(10.0, start.z);
  expect_near({7.86445, 6.12115, -0.825793}, point(func1, 0.5), 5e-6);
}

TEST_F(Curves, Func1ClosesAlongTheZAxis) {
  vector3 bottom = point(func1, 0.95);
  EXPECT_EQ(0.0, bottom.x);
  EXPECT_EQ(0.0, bottom.y);
  EXPECT_EQ(-10.0, bottom.z);
  expect_near({0, 0, 0}, point(func1, 0.975), 1e-12);
  expect_near({0, 0, 10}, point(func1, std::nextafter(1.0, 0.0)), 1e-12);
  // Just below the switch the spiral is still arriving at the lower pole.
  expect_near({0, 0, -10}, point(func1, std::nextafter(0.95, 0.0)), 1e-6);
}

TEST_F(Curves, Func1BelowZeroContinuesTheSpiral) {
  vector3 v = point(func1, -1e-7);
  EXPECT_NEAR(10.0, v.z, 1e-9);
  EXPECT_LT(v.x, 0.0);
  EXPECT_NEAR(-3.30694e-6, v.x, 1e-10);
}

TEST_F(Curves, Func2) {
  expect_near({4.08, 0, 0}, point(func2, 0.0), 1e-14);
  expect_near({6.48, 0, 9.6}, point(func2, 0.25), 1e-13);
}

TEST_F(Curves, Func3) {
  expect_near({-10, 0, 0}, point(func3, 0.0), 1e-13);
  expect_near({0, 0, 10}, point(func3, 0.25), 1e-13);
  expect_near({1.90907, 7.86170, 5.87785}, point(func3, 0.1), 5e-6);
}

TEST_F(Curves, EveryCurveIsClosedAndIgnoresTime) {
  for (curve_function curve : {func1, func2, func3}) {
    expect_near(point(curve, 0.0), point(curve, std::nextafter(1.0, 0.0)), 1e-12);
    for (double t : {0.0, 0.1, 0.37, 0.5, 0.96}) {
      vector3 at_rest = point(curve, t);
      vector3 later;
      curve(123.456, t, &later);
      EXPECT_EQ(at_rest.x, later.x);
      EXPECT_EQ(at_rest.y, later.y);
      EXPECT_EQ(at_rest.z, later.z);
    }
  }
  for (curve_function periodic : {func2, func3}) {
    expect_near(point(periodic, 0.3), point(periodic, 1.3), 1e-12);
  }
}

// A curve that records how it is called and answers from a table.
struct recorded_call {
  double time;
  double t;
};
recorded_call calls[4];
int call_count = 0;
const vector3 table[3] = {{1, 2, 3}, {10, 20, 30}, {100, 250, 400}};

void recording_curve(double time, double t, vector3 *v) {
  if (call_count < 4) {
    calls[call_count] = {time, t};
  }
  *v = table[call_count % 3];
  call_count++;
}

TEST_F(Curves, FuncDiffSamplesBeforeAtAndAfterWithTheAnimationTime) {
  curve_func = recording_curve;
  now_time = 42.5;
  call_count = 0;
  vector3 pos;
  vector3 d1;
  vector3 d2;
  func_diff(0.25, &pos, &d1, &d2);

  ASSERT_EQ(3, call_count);
  EXPECT_EQ(0.25 - 1e-7, calls[0].t);
  EXPECT_EQ(0.25, calls[1].t);
  EXPECT_EQ(0.25 + 1e-7, calls[2].t);
  for (int i = 0; i < 3; i++) {
    EXPECT_EQ(42.5, calls[i].time);
  }
  // P(t - h) = (1, 2, 3), P(t) = (10, 20, 30), P(t + h) = (100, 250, 400).
  EXPECT_EQ(10.0, pos.x);
  EXPECT_EQ(20.0, pos.y);
  EXPECT_EQ(30.0, pos.z);
  EXPECT_EQ(90.0, d1.x);
  EXPECT_EQ(230.0, d1.y);
  EXPECT_EQ(370.0, d1.z);
  EXPECT_EQ(-81.0, d2.x);
  EXPECT_EQ(-212.0, d2.y);
  EXPECT_EQ(-343.0, d2.z);
}

// P(t - h) = 1e16, P(t) = 0.25, P(t + h) = -1e16 in every component.
void far_apart_curve(double time, double t, vector3 *v) {
  double c = t < 0.5 ? 1e16 : t > 0.5 ? -1e16 : 0.25;
  *v = {c, c, c};
}

TEST_F(Curves, FuncDiffFormsTheSecondDifferenceFromTheLeft) {
  curve_func = far_apart_curve;
  vector3 pos;
  vector3 d1;
  vector3 d2;
  func_diff(0.5, &pos, &d1, &d2);
  // (2 P(t) - P(t - h)) - P(t + h): the 0.5 is lost against 1e16 first.
  // Adding the two neighbours first would keep it.
  EXPECT_EQ(0.0, d2.x);
  EXPECT_EQ(0.0, d2.y);
  EXPECT_EQ(0.0, d2.z);
}

TEST_F(Curves, FuncDiffOnTheStraightClosingStretch) {
  vector3 pos;
  vector3 d1;
  vector3 d2;
  func_diff(0.97, &pos, &d1, &d2);
  expect_near({0, 0, -2}, pos, 1e-12);
  expect_near({0, 0, 4e-5}, d1, 1e-12);
  EXPECT_EQ(0.0, d2.x);
  EXPECT_EQ(0.0, d2.y);
}

TEST_F(Curves, FuncDiffOnFunc2) {
  curve_func = func2;
  vector3 pos;
  vector3 d1;
  vector3 d2;
  func_diff(0.0, &pos, &d1, &d2);
  expect_near({4.08, 0, 0}, pos, 1e-14);
  double length = std::sqrt(d1.x * d1.x + d1.y * d1.y + d1.z * d1.z);
  expect_near({0.126, 0.855, 0.503}, {d1.x / length, d1.y / length, d1.z / length}, 5e-4);
  // 1e-7 times the curve's speed, about 119.9 units per unit of t here.
  EXPECT_NEAR(1.199e-5, length, 1e-8);
}

}  // namespace
