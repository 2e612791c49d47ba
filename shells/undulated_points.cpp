#include "shells/undulated_points.h"

#include <cmath>

TGLVECTOR UNDULATEDPOINTS(float MIN, float MAX, float NUMCORNER, float SMOOTHCORNER, float PHI) {
  const float A = 1, B = 1;
  const double angle = double(PHI) * double(NUMCORNER) / 4.0;

  float T1 = static_cast<float>(std::fabs(std::cos(angle) / double(A)));
  T1 = static_cast<float>(std::pow(double(T1), double(MAX)));
  float T2 = static_cast<float>(std::fabs(std::sin(angle) / double(B)));
  T2 = static_cast<float>(std::pow(double(T2), double(SMOOTHCORNER)));

  float R = static_cast<float>(std::pow(double(T2) + double(T1), 1.0 / double(MIN)));
  if (R == 0.0f) return GLVECTOR(0, 0, 0);
  R = static_cast<float>(1.0 / double(R));
  // Z carries nothing; 0 keeps the result fully defined.
  return GLVECTOR(std::cos(double(PHI)) * double(R), std::sin(double(PHI)) * double(R), 0);
}
