#include "framework/render/vector_math.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

namespace {

constexpr float kTol = 1e-6f;

void expect_vec(const TGLVECTOR& v, float x, float y, float z, float tol = kTol) {
  EXPECT_NEAR(v.X, x, tol);
  EXPECT_NEAR(v.Y, y, tol);
  EXPECT_NEAR(v.Z, z, tol);
}

TEST(VectorMath, GlvectorRoundsEachComponentToNearestSingle) {
  const TGLVECTOR v = GLVECTOR(0.1, 0.2, 0.3);
  EXPECT_EQ(v.X, 0.1f);
  EXPECT_EQ(v.Y, 0.2f);
  EXPECT_EQ(v.Z, 0.3f);
}

TEST(VectorMath, DegToRadRoundsTheDoubleQuotient) {
  EXPECT_EQ(DEGTORAD(180.0f), static_cast<float>(M_PI));
  EXPECT_EQ(DEGTORAD(-90.0f), static_cast<float>(-M_PI / 2));
  EXPECT_EQ(DEGTORAD(0.0f), 0.0f);
}

TEST(VectorMath, ZeroAnglesGiveIdentityWithPositiveZero) {
  const TGLMATRIX m = MATRIXEULERDEG(TGLVECTOR{0, 0, 0});
  for (int r = 0; r < 4; ++r)
    for (int c = 0; c < 4; ++c) EXPECT_EQ(m[r][c], r == c ? 1.0f : 0.0f) << r << "," << c;
  EXPECT_FALSE(std::signbit(m[0][2]));
}

TEST(VectorMath, BorderRowAndColumnAreIdentity) {
  const TGLMATRIX m = MATRIXEULERDEG(TGLVECTOR{0.3f, -1.1f, 2.0f});
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(m[3][i], 0.0f);
    EXPECT_EQ(m[i][3], 0.0f);
  }
  EXPECT_EQ(m[3][3], 1.0f);
}

// Right-handed quarter turns about each axis, on a row vector.
TEST(VectorMath, QuarterTurnsAboutEachAxis) {
  const float h = static_cast<float>(M_PI / 2);
  struct Case { TGLVECTOR ang, in, out; } cases[] = {
      {{0, 0, h}, {1, 0, 0}, {0, 1, 0}},  // about Z: +X to +Y
      {{h, 0, 0}, {0, 1, 0}, {0, 0, 1}},  // about X: +Y to +Z
      {{0, h, 0}, {0, 0, 1}, {1, 0, 0}},  // about Y: +Z to +X
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.ang.X << " " << c.ang.Y << " " << c.ang.Z);
    expect_vec(MATRIXVECROT(c.in, MATRIXEULERDEG(c.ang)), c.out.X, c.out.Y, c.out.Z);
  }
}

TEST(VectorMath, RotatesAboutXThenYThenZ) {
  const float a = 0.4f, b = -0.7f, c = 1.3f;
  const TGLMATRIX m = MATRIXEULERDEG(TGLVECTOR{a, b, c});
  expect_vec(MATRIXVECROT(TGLVECTOR{1, 0, 0}, m), std::cos(b) * std::cos(c),
             std::cos(b) * std::sin(c), -std::sin(b));
  // (0, 1, 0): X turns it to (0, cos a, sin a), then Y, then Z.
  const double y1 = std::cos(a), z1 = std::sin(a);
  const double x2 = z1 * std::sin(b), y2 = y1, z2 = z1 * std::cos(b);
  expect_vec(MATRIXVECROT(TGLVECTOR{0, 1, 0}, m), x2 * std::cos(c) - y2 * std::sin(c),
             x2 * std::sin(c) + y2 * std::cos(c), z2);
}

TEST(VectorMath, EulerRadTakesDegrees) {
  const TGLMATRIX a = MATRIXEULERRAD(TGLVECTOR{0, 0, 90});
  const TGLMATRIX b = MATRIXEULERDEG(TGLVECTOR{0, 0, DEGTORAD(90)});
  EXPECT_EQ(std::memcmp(a.M, b.M, sizeof a.M), 0);
  expect_vec(MATRIXVECROT(TGLVECTOR{1, 0, 0}, a), 0, 1, 0);
}

TEST(VectorMath, FindNormalFollowsWindingAndIsUnit) {
  struct Case { double v[9]; double n[3]; } cases[] = {
      {{0, 0, 0, 1, 0, 0, 1, 1, 0}, {0, 0, 1}},
      {{0, 0, 0, 1, 1, 0, 1, 0, 0}, {0, 0, -1}},
      {{0, 0, 0, 0, 0, 4, 3, 0, 4}, {0, 1, 0}},
      {{2, 2, 2, 2, 2, 2, 2, 2, 2}, {0, 0, 0}},    // three equal corners
      {{0, 0, 0, 1, 1, 1, 2, 2, 2}, {0, 0, 0}},    // three corners on a line
  };
  for (const Case& c : cases) {
    FINDNORMAL(c.v[0], c.v[1], c.v[2], c.v[3], c.v[4], c.v[5], c.v[6], c.v[7], c.v[8]);
    EXPECT_DOUBLE_EQ(FNORMAL[1], c.n[0]);
    EXPECT_DOUBLE_EQ(FNORMAL[2], c.n[1]);
    EXPECT_DOUBLE_EQ(FNORMAL[3], c.n[2]);
  }
}

TEST(VectorMath, FindNormalDividesBySinglePrecisionLength) {
  // Cross product (0, 0, 0.1): the length is held as the single nearest 0.1.
  FINDNORMAL(0, 0, 0, 1, 0, 0, 1, 0.1, 0);
  EXPECT_EQ(FNORMAL[3], 0.1 / static_cast<double>(0.1f));
  EXPECT_NE(FNORMAL[3], 1.0);
  FNORMAL[1] = FNORMAL[2] = FNORMAL[3] = 0;
}

}  // namespace
