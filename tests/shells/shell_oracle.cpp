#include "tests/shells/shell_oracle.h"

#include <GL/gl.h>

#include <cmath>

namespace shell_oracle {
namespace {

// Widens a single to double, so that no float overload of the maths is used.
double d(float x) { return x; }

enum class Section { CIRCLE, UNDULATED, UPPER_HALF, LOWER_HALF };

struct Tube {
  float SIZE, ANG, VERSE, ADGIUST, RADIUS, RADIUSTUBE, SCALETUBE, MINHEIGHT, H, HEIGHTTUBE;
  int NUMCIRCLE, NUMLINE;
  float TSIZE;
  Section section;
  float MIN, MAX, NUMCORNER, SMOOTHCORNER;
};

// Everything about vertex (N, J) of ring I, evaluated from the formulas.
void vertex(const Tube& p, int N, int J, int I) {
  const float RATIO = static_cast<float>(double(I) / double(p.NUMCIRCLE));
  const float ANGLE = static_cast<float>(d(p.ANG) * d(p.VERSE) * d(RATIO));
  const float TMPRADIUS =
      static_cast<float>(d(p.RADIUS) - (d(p.RADIUS) + d(p.ADGIUST) / 30) * d(RATIO));
  const TGLVECTOR CENTER = GLVECTOR(
      std::cos(d(ANGLE)) * d(TMPRADIUS),
      d(p.MINHEIGHT) * d(RATIO) - (d(p.MINHEIGHT) * d(RATIO) / 2) * d(RATIO) + d(p.RADIUSTUBE) / 5,
      std::sin(d(ANGLE)) * d(TMPRADIUS));

  float DELTA;
  switch (p.section) {
    case Section::UPPER_HALF:
      DELTA = static_cast<float>(M_PI * double(N + J) / double(p.NUMLINE));
      break;
    case Section::LOWER_HALF:
      DELTA = static_cast<float>(M_PI * double(N + J) / double(p.NUMLINE) + M_PI);
      break;
    default:
      DELTA = static_cast<float>(2 * M_PI * double(N + J) / double(p.NUMLINE));
      break;
  }
  const float TMPRADIUSTUBE =
      static_cast<float>(d(p.RADIUSTUBE) - (d(p.RADIUSTUBE) - d(p.ADGIUST)) * d(RATIO));
  const float TMPSCALETUBE = static_cast<float>(d(p.SCALETUBE) - (d(p.SCALETUBE) / 2) * d(RATIO));

  TGLVECTOR SHIFT;
  if (p.section == Section::UNDULATED) {
    const TGLVECTOR MODOLATE =
        undulated_point(p.MIN, p.MAX, p.NUMCORNER, p.SMOOTHCORNER, DELTA);
    SHIFT = GLVECTOR(std::cos(d(ANGLE)) * d(TMPRADIUSTUBE) * d(MODOLATE.X),
                     d(MODOLATE.Y) * d(TMPRADIUSTUBE),
                     std::sin(d(ANGLE)) * d(TMPRADIUSTUBE) * d(MODOLATE.X));
  } else {
    SHIFT = GLVECTOR(std::cos(d(ANGLE)) * d(TMPRADIUSTUBE) * std::cos(d(DELTA)),
                     std::sin(d(DELTA)) * d(TMPRADIUSTUBE),
                     std::sin(d(ANGLE)) * d(TMPRADIUSTUBE) * std::cos(d(DELTA)));
  }
  const TGLVECTOR TEMP =
      GLVECTOR(d(SHIFT.X) * d(TMPSCALETUBE) + d(CENTER.X),
               (d(p.HEIGHTTUBE) + d(TMPSCALETUBE)) * d(SHIFT.Y) + d(CENTER.Y) + d(RATIO) * d(p.H),
               d(SHIFT.Z) * d(TMPSCALETUBE) + d(CENTER.Z));

  const bool half = p.section == Section::UPPER_HALF || p.section == Section::LOWER_HALF;
  double s;
  if (p.HEIGHTTUBE <= 0)
    s = d(p.TSIZE) * d(DELTA) / 2;
  else if (half)
    s = d(p.TSIZE) * d(DELTA) / 2 / d(p.HEIGHTTUBE) * 2;
  else
    s = d(p.TSIZE) * d(DELTA) / 2 / d(p.HEIGHTTUBE);
  const double t = (double(I) / 2 * d(p.TSIZE)) / 2;

  glTexCoord2f(static_cast<float>(s), static_cast<float>(t));
  if (p.VERSE == 1) {
    const GLfloat n[3] = {SHIFT.X, SHIFT.Y, SHIFT.Z};
    glNormal3fv(n);
  } else {
    glNormal3f(-SHIFT.X, -SHIFT.Y, -SHIFT.Z);
  }
  const GLfloat v[3] = {TEMP.X, TEMP.Y, TEMP.Z};
  glVertex3fv(v);
}

void tube(const Tube& p) {
  glLightModeli(GL_LIGHT_MODEL_TWO_SIDE, 1);
  glDisable(GL_CULL_FACE);
  glPushMatrix();
  glScalef(p.SIZE, p.SIZE, p.SIZE);
  for (int N = 0; N < p.NUMLINE; ++N) {
    glBegin(GL_QUAD_STRIP);
    for (int I = 0; I < p.NUMCIRCLE; ++I)
      for (int J = 0; J <= 1; ++J) vertex(p, N, J, I);
    glEnd();
  }
  glPopMatrix();
  glEnable(GL_CULL_FACE);
  glLightModeli(GL_LIGHT_MODEL_TWO_SIDE, 0);
}

}  // namespace

TGLVECTOR undulated_point(float MIN, float MAX, float NUMCORNER, float SMOOTHCORNER, float PHI) {
  float T1 = static_cast<float>(std::fabs(std::cos(d(PHI) * d(NUMCORNER) / 4) / 1.0));
  T1 = static_cast<float>(std::pow(d(T1), d(MAX)));
  float T2 = static_cast<float>(std::fabs(std::sin(d(PHI) * d(NUMCORNER) / 4) / 1.0));
  T2 = static_cast<float>(std::pow(d(T2), d(SMOOTHCORNER)));
  float R = static_cast<float>(std::pow(d(T2) + d(T1), 1 / d(MIN)));
  if (R == 0) return GLVECTOR(0, 0, 0);
  R = static_cast<float>(1 / d(R));
  return GLVECTOR(std::cos(d(PHI)) * d(R), std::sin(d(PHI)) * d(R), 0);
}

void spiral_shell(float SIZE, float ANG, float VERSE, float ADGIUST, float RADIUS,
                  float RADIUSTUBE, float SCALETUBE, float MINHEIGHT, float H, float HEIGHTTUBE,
                  int NUMCIRCLE, int NUMLINE, float TSIZE) {
  tube(Tube{SIZE, ANG, VERSE, ADGIUST, RADIUS, RADIUSTUBE, SCALETUBE, MINHEIGHT, H, HEIGHTTUBE,
            NUMCIRCLE, NUMLINE, TSIZE, Section::CIRCLE, 0, 0, 0, 0});
}

void spiral_shell2(float SIZE, float ANG, float VERSE, float ADGIUST, float RADIUS,
                   float RADIUSTUBE, float SCALETUBE, float MINHEIGHT, float H,
                   float HEIGHTTUBE, int NUMCIRCLE, int NUMLINE, float MIN, float MAX,
                   float NUMCORNER, float SMOOTHCORNER, float TSIZE) {
  tube(Tube{SIZE, ANG, VERSE, ADGIUST, RADIUS, RADIUSTUBE, SCALETUBE, MINHEIGHT, H, HEIGHTTUBE,
            NUMCIRCLE, NUMLINE, TSIZE, Section::UNDULATED, MIN, MAX, NUMCORNER, SMOOTHCORNER});
}

void spiral_shell3(float SIZE, float ANG, float VERSE, float ADGIUST, float RADIUS,
                   float RADIUSTUBE, float SCALETUBE, float MINHEIGHT, float H,
                   float HEIGHTTUBEINF, float HEIGHTTUBESUP, int NUMCIRCLE, int NUMLINEINF,
                   int NUMLINESUP, float TSIZE) {
  tube(Tube{SIZE, ANG, VERSE, ADGIUST, RADIUS, RADIUSTUBE, SCALETUBE, MINHEIGHT, H,
            HEIGHTTUBESUP, NUMCIRCLE, NUMLINESUP, TSIZE, Section::UPPER_HALF, 0, 0, 0, 0});
  tube(Tube{SIZE, ANG, VERSE, ADGIUST, RADIUS, RADIUSTUBE, SCALETUBE, MINHEIGHT, H,
            HEIGHTTUBEINF, NUMCIRCLE, NUMLINEINF, TSIZE, Section::LOWER_HALF, 0, 0, 0, 0});
}

void draw_shape(const ShellShape& s) {
  switch (s.generator) {
    case ShellGenerator::SPIRALSHELL:
      spiral_shell(s.SIZE, s.ANG, s.VERSE, s.ADGIUST, s.RADIUS, s.RADIUSTUBE, s.SCALETUBE,
                   s.MINHEIGHT, s.H, s.HEIGHTTUBE, s.NUMCIRCLE, s.NUMLINE, s.TSIZE);
      break;
    case ShellGenerator::SPIRALSHELL2:
      spiral_shell2(s.SIZE, s.ANG, s.VERSE, s.ADGIUST, s.RADIUS, s.RADIUSTUBE, s.SCALETUBE,
                    s.MINHEIGHT, s.H, s.HEIGHTTUBE, s.NUMCIRCLE, s.NUMLINE, s.MIN, s.MAX,
                    s.NUMCORNER, s.SMOOTHCORNER, s.TSIZE);
      break;
    case ShellGenerator::SPIRALSHELL3:
      spiral_shell3(s.SIZE, s.ANG, s.VERSE, s.ADGIUST, s.RADIUS, s.RADIUSTUBE, s.SCALETUBE,
                    s.MINHEIGHT, s.H, s.HEIGHTTUBEINF, s.HEIGHTTUBESUP, s.NUMCIRCLE,
                    s.NUMLINEINF, s.NUMLINESUP, s.TSIZE);
      break;
  }
}

}  // namespace shell_oracle
