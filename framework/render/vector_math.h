// Vector and matrix math of the rendering toolkit: single-precision records,
// double-precision arithmetic, results rounded to single where stored.
#pragma once

struct TGLVECTOR {
  float X, Y, Z;
};

// Same fields as TGLVECTOR, but a type of its own (the mouse state holds one).
struct TGLVERTEX {
  float X, Y, Z;
};

// Indexed [row][column]; matrices act on a vector written as a row.
typedef float TGLBASEMATRIX[4][4];

// Wrapper so a matrix can be returned by value.
struct TGLMATRIX {
  TGLBASEMATRIX M;
  const float* operator[](int row) const { return M[row]; }
  float* operator[](int row) { return M[row]; }
};

// Unit normal left by the last FINDNORMAL, elements 1..3 (index 0 unused).
extern double FNORMAL[4];

// Rounds each component to the nearest single. Inline: the shell generators
// build two vectors per vertex with it.
inline TGLVECTOR GLVECTOR(double X, double Y, double Z) {
  return TGLVECTOR{static_cast<float>(X), static_cast<float>(Y), static_cast<float>(Z)};
}
float DEGTORAD(float DEGREE);
// Takes radians despite its name.
TGLMATRIX MATRIXEULERDEG(const TGLVECTOR& ANG);
// Takes degrees despite its name.
TGLMATRIX MATRIXEULERRAD(const TGLVECTOR& ANG);
TGLVECTOR MATRIXVECROT(const TGLVECTOR& VEC, const TGLMATRIX& ANG);
void FINDNORMAL(double V1X, double V1Y, double V1Z, double V2X, double V2Y, double V2Z,
                double V3X, double V3Y, double V3Z);
