#include "geometry/vectmath.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

void expect_vector_eq(const vector3 &expected, const vector3 &actual) {
  EXPECT_EQ(expected.x, actual.x);
  EXPECT_EQ(expected.y, actual.y);
  EXPECT_EQ(expected.z, actual.z);
}

// Rotation block from three columns, translation (tx, ty, tz).
void make_matrix(double *m, const vector3 &c0, const vector3 &c1, const vector3 &c2,
                 const vector3 &translation) {
  const vector3 *columns[4] = {&c0, &c1, &c2, &translation};
  for (int j = 0; j < 4; j++) {
    m[4 * j] = columns[j]->x;
    m[4 * j + 1] = columns[j]->y;
    m[4 * j + 2] = columns[j]->z;
    m[4 * j + 3] = j == 3 ? 1.0 : 0.0;
  }
}

const vector3 ex{1, 0, 0};
const vector3 ey{0, 1, 0};
const vector3 ez{0, 0, 1};
const vector3 origin{0, 0, 0};

TEST(CrossProduct, IsRightHandedAndZeroForAVectorWithItself) {
  vector3 c;
  cross_product(&ex, &ey, &c);
  expect_vector_eq({0, 0, 1}, c);
  cross_product(&ey, &ex, &c);
  expect_vector_eq({0, 0, -1}, c);
  vector3 a{0.3, -1.7, 2.9};
  cross_product(&a, &a, &c);
  expect_vector_eq({0, 0, 0}, c);
  vector3 b{4, -5, 6};
  vector3 d{1, 2, 3};
  cross_product(&d, &b, &c);
  expect_vector_eq({2 * 6 - 3 * -5, 3 * 4 - 1 * 6, 1 * -5 - 2 * 4}, c);
}

TEST(DotProduct, SumsComponentProducts) {
  vector3 a{1, 2, 3};
  vector3 b{4, -5, 6};
  EXPECT_EQ(12.0, dot_product(&a, &b));
  // (x + y) + z: summed from the right, the 0.5 would be lost against 1e16.
  vector3 big{1e16, -1e16, 0.5};
  vector3 ones{1, 1, 1};
  EXPECT_EQ(0.5, dot_product(&big, &ones));
}

TEST(PointMapping, TranslationAppliesToPointsOnly) {
  double m[16];
  make_matrix(m, ex, ey, ez, {1, 2, 3});
  vector3 c;
  transform_point(m, &origin, &c);
  expect_vector_eq({1, 2, 3}, c);
  rotate_point(m, &origin, &c);
  expect_vector_eq({0, 0, 0}, c);
}

TEST(PointMapping, QuarterTurnAboutZ) {
  double m[16];
  make_matrix(m, {0, 1, 0}, {-1, 0, 0}, ez, {5, 6, 7});
  vector3 c;
  transform_point(m, &ex, &c);
  expect_vector_eq({5, 7, 7}, c);
  rotate_point(m, &ex, &c);
  expect_vector_eq({0, 1, 0}, c);
  rotate_point(m, &ey, &c);
  expect_vector_eq({-1, 0, 0}, c);
}

TEST(MultiplyMatrices, IgnoresTranslationsAndSetsBottomRow) {
  double a[16];
  double b[16];
  double c[16];
  make_matrix(a, ex, ey, ez, {1, 2, 3});
  make_matrix(b, ex, ey, ez, {4, 5, 6});
  a[3] = b[7] = b[11] = 9.0;  // never read
  for (double &entry : c) {
    entry = -7.0;
  }
  multiply_matrices(a, b, c);
  for (int i = 0; i < 16; i++) {
    double identity = i % 5 == 0 ? 1.0 : 0.0;
    EXPECT_EQ(identity, c[i]) << "index " << i;
  }
}

TEST(MultiplyMatrices, AppliesTheSecondBlockFirst) {
  double quarter_z[16];
  double quarter_x[16];
  double c[16];
  make_matrix(quarter_z, {0, 1, 0}, {-1, 0, 0}, ez, origin);
  make_matrix(quarter_x, ex, {0, 0, 1}, {0, -1, 0}, origin);
  multiply_matrices(quarter_z, quarter_x, c);
  // x then z: y -> z -> z; z -> -y -> x.
  vector3 r;
  rotate_point(c, &ey, &r);
  expect_vector_eq({0, 0, 1}, r);
  rotate_point(c, &ez, &r);
  expect_vector_eq({1, 0, 0}, r);
}

TEST(MultiplyMatrices, EntriesCarrySinglePrecision) {
  double a[16];
  double b[16];
  double c[16];
  make_matrix(a, ex, ey, ez, origin);
  make_matrix(b, ex, ey, ez, origin);
  b[0] = 0.1;
  multiply_matrices(a, b, c);
  EXPECT_EQ(0.10000000149011612, c[0]);
}

TEST(MultiplyMatrices, RoundsTheSumAfterEveryAddition) {
  // Row 0 of a is (1, 4e-8, 4e-8), column 0 of b is (1, 1, 1). Each addition
  // of 4e-8 to 1.0f is below half a float step and is lost; summed in double
  // first, the 8e-8 would round up to the next float above 1.
  double a[16];
  double b[16];
  double c[16];
  make_matrix(a, ex, {4e-8, 1, 0}, {4e-8, 0, 1}, origin);
  make_matrix(b, {1, 1, 1}, ey, ez, origin);
  multiply_matrices(a, b, c);
  EXPECT_EQ(1.0, c[0]);
  EXPECT_NE(static_cast<double>(static_cast<float>(1.0 + 8e-8)), c[0]);
}

TEST(MakeUnitVector, ScalesAnyNonZeroLength) {
  vector3 a{3, 0, 4};
  EXPECT_EQ(1, make_unit_vector(&a));
  EXPECT_DOUBLE_EQ(0.6, a.x);
  EXPECT_EQ(0.0, a.y);
  EXPECT_DOUBLE_EQ(0.8, a.z);

  vector3 tiny{0, 1e-30, 0};
  EXPECT_EQ(1, make_unit_vector(&tiny));
  expect_vector_eq({0, 1, 0}, tiny);
}

TEST(MakeUnitVector, LeavesZeroAndNotANumberAlone) {
  vector3 zero{0, 0, 0};
  EXPECT_EQ(0, make_unit_vector(&zero));
  expect_vector_eq({0, 0, 0}, zero);

  const double nan = std::numeric_limits<double>::quiet_NaN();
  vector3 broken{1, nan, 2};
  EXPECT_EQ(0, make_unit_vector(&broken));
  EXPECT_EQ(1.0, broken.x);
  EXPECT_TRUE(std::isnan(broken.y));
  EXPECT_EQ(2.0, broken.z);
}

}  // namespace
