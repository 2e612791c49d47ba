#include "framework/render/vector_math.h"

#include <cmath>

double FNORMAL[4] = {0.0, 0.0, 0.0, 0.0};

float DEGTORAD(float DEGREE) {
  return static_cast<float>(static_cast<double>(DEGREE) * M_PI / 180.0);
}

namespace {

void set_identity_border(TGLMATRIX& m) {
  for (int i = 0; i < 3; ++i) {
    m[i][3] = 0.0f;
    m[3][i] = 0.0f;
  }
  m[3][3] = 1.0f;
}

}  // namespace

TGLMATRIX MATRIXEULERDEG(const TGLVECTOR& ANG) {
  const double CR = static_cast<float>(std::cos(static_cast<double>(ANG.X)));
  const double SR = static_cast<float>(std::sin(static_cast<double>(ANG.X)));
  const double CP = static_cast<float>(std::cos(static_cast<double>(ANG.Y)));
  const double SP = static_cast<float>(std::sin(static_cast<double>(ANG.Y)));
  const double CY = static_cast<float>(std::cos(static_cast<double>(ANG.Z)));
  const double SY = static_cast<float>(std::sin(static_cast<double>(ANG.Z)));

  TGLMATRIX m;
  m[0][0] = static_cast<float>(CY * CP);
  m[0][1] = static_cast<float>(SY * CP);
  m[0][2] = static_cast<float>(-SP);
  if (m[0][2] == 0.0f) m[0][2] = 0.0f;  // never -0

  const double SRSP = static_cast<float>(SP * SR);
  const double CRSP = static_cast<float>(SP * CR);

  m[1][0] = static_cast<float>(CY * SRSP - SY * CR);
  m[1][1] = static_cast<float>(SY * SRSP + CY * CR);
  m[1][2] = static_cast<float>(CP * SR);
  m[2][0] = static_cast<float>(CY * CRSP + SY * SR);
  m[2][1] = static_cast<float>(SY * CRSP - CY * SR);
  m[2][2] = static_cast<float>(CP * CR);
  set_identity_border(m);
  return m;
}

TGLMATRIX MATRIXEULERRAD(const TGLVECTOR& ANG) {
  const TGLVECTOR VEC{DEGTORAD(ANG.X), DEGTORAD(ANG.Y), DEGTORAD(ANG.Z)};
  return MATRIXEULERDEG(VEC);
}

TGLVECTOR MATRIXVECROT(const TGLVECTOR& VEC, const TGLMATRIX& ANG) {
  const double x = VEC.X, y = VEC.Y, z = VEC.Z;
  TGLVECTOR r;
  r.X = static_cast<float>(double(ANG[0][0]) * x + double(ANG[1][0]) * y + double(ANG[2][0]) * z);
  r.Y = static_cast<float>(double(ANG[0][1]) * x + double(ANG[1][1]) * y + double(ANG[2][1]) * z);
  r.Z = static_cast<float>(double(ANG[0][2]) * x + double(ANG[1][2]) * y + double(ANG[2][2]) * z);
  return r;
}

void FINDNORMAL(double V1X, double V1Y, double V1Z, double V2X, double V2Y, double V2Z,
                double V3X, double V3Y, double V3Z) {
  enum { X = 1, Y = 2, Z = 3 };

  // Scales three doubles to unit length; a zero vector stays zero.
  auto REDUCETOUNIT = [](double& x, double& y, double& z) {
    float LENGTH = static_cast<float>(std::sqrt(x * x + y * y + z * z));
    if (LENGTH == 0.0f) LENGTH = 1.0f;
    x = x / LENGTH;
    y = y / LENGTH;
    z = z / LENGTH;
  };

  double TEMP_V1[4] = {0.0, V1X - V2X, V1Y - V2Y, V1Z - V2Z};
  double TEMP_V2[4] = {0.0, V2X - V3X, V2Y - V3Y, V2Z - V3Z};

  FNORMAL[X] = TEMP_V1[Y] * TEMP_V2[Z] - TEMP_V1[Z] * TEMP_V2[Y];
  FNORMAL[Y] = TEMP_V1[Z] * TEMP_V2[X] - TEMP_V1[X] * TEMP_V2[Z];
  FNORMAL[Z] = TEMP_V1[X] * TEMP_V2[Y] - TEMP_V1[Y] * TEMP_V2[X];
  REDUCETOUNIT(FNORMAL[X], FNORMAL[Y], FNORMAL[Z]);
}
