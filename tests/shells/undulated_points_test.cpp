#include "shells/undulated_points.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

const double kPi = M_PI;

struct CurveCase {
  const char* what;
  float MIN, MAX, NUMCORNER, SMOOTHCORNER;
  double PHI;
  double x, y;
  double tolerance;
};

TEST(UndulatedPoints, PointsOfKnownCurves) {
  const double four_places = 6e-5, exact_ish = 1e-6;
  const double r_min2 = std::pow(2.0, -1.0 / 2.0);
  const CurveCase cases[] = {
      // The gallery's first set, to the four places printed.
      {"ribbed 0", 2, 1, 20, 10, 0, 1, 0, four_places},
      {"ribbed pi/20", 2, 1, 20, 10, kPi / 20, 1.1494, 0.1821, four_places},
      {"ribbed pi/10", 2, 1, 20, 10, kPi / 10, 0.9511, 0.309, four_places},
      {"ribbed pi/6", 2, 1, 20, 10, kPi / 6, 0.9301, 0.537, four_places},
      {"ribbed pi/4", 2, 1, 20, 10, kPi / 4, 0.8229, 0.8229, four_places},
      {"ribbed pi/2", 2, 1, 20, 10, kPi / 2, 0, 1, four_places},
      // |x| + |y| = 1, a square on a corner.
      {"square pi/4", 1, 1, 4, 1, kPi / 4, 0.5, 0.5, exact_ish},
      {"square pi/2", 1, 1, 4, 1, kPi / 2, 0, 1, exact_ish},
      // Angle 0 is (1, 0) for any valid exponents.
      {"phi 0", 3.5f, 0.7f, 7, 2.5f, 0, 1, 0, exact_ish},
      // NUMCORNER 0 and the 2/2/4/2 set are the unit circle.
      {"no corners", 2, 1, 0, 10, 1.0, std::cos(1.0), std::sin(1.0), exact_ish},
      {"no corners, far angle", 0.5f, 3, 0, 4, 4.0, std::cos(4.0), std::sin(4.0), exact_ish},
      {"circle 2/2/4/2", 2, 2, 4, 2, 0.7, std::cos(0.7), std::sin(0.7), exact_ish},
      {"circle 2/2/4/2 at 2.5", 2, 2, 4, 2, 2.5, std::cos(2.5), std::sin(2.5), exact_ish},
      // Zero exponents make both terms 1: r = 2^(-1/MIN) at every angle.
      {"flat exponents", 2, 0, 6, 0, 1.0, r_min2 * std::cos(1.0), r_min2 * std::sin(1.0),
       exact_ish},
      {"flat exponents at 0", 2, 0, 6, 0, 0, r_min2, 0, exact_ish},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const TGLVECTOR p =
        UNDULATEDPOINTS(c.MIN, c.MAX, c.NUMCORNER, c.SMOOTHCORNER, static_cast<float>(c.PHI));
    EXPECT_NEAR(p.X, c.x, c.tolerance);
    EXPECT_NEAR(p.Y, c.y, c.tolerance);
  }
}

TEST(UndulatedPoints, RadiusOfRibbedCurveMatchesTable) {
  const struct { double phi, r; } rows[] = {
      {kPi / 20, 1.1638}, {kPi / 10, 1}, {kPi / 6, 1.074}, {kPi / 4, 1.1638}};
  for (const auto& row : rows) {
    const TGLVECTOR p = UNDULATEDPOINTS(2, 1, 20, 10, static_cast<float>(row.phi));
    EXPECT_NEAR(std::hypot(p.X, p.Y), row.r, 6e-5) << "phi " << row.phi;
  }
}

TEST(UndulatedPoints, PowerRoundingToZeroGivesTheOrigin) {
  const TGLVECTOR p = UNDULATEDPOINTS(0.1f, 200, 4, 200, static_cast<float>(kPi / 4));
  EXPECT_EQ(p.X, 0.0f);
  EXPECT_EQ(p.Y, 0.0f);
  EXPECT_EQ(p.Z, 0.0f);
}

}  // namespace
