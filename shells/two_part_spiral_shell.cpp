#include "shells/two_part_spiral_shell.h"

#include "shells/shell_mesh.h"

namespace {

// One half of the tube: DELTA = pi k / NUMLINE (+ pi for the lower half), and
// s twice the plain shell's value when the stretch is positive.
void draw_half(bool lower, float SIZE, float ANG, float VERSE, float ADGIUST, float RADIUS,
               float RADIUSTUBE, float SCALETUBE, float MINHEIGHT, float H, float HEIGHTTUBE,
               int NUMCIRCLE, int NUMLINE, float TSIZE) {
  const shell_mesh::Params p{SIZE, ANG,       VERSE,     ADGIUST, RADIUS,
                             RADIUSTUBE, SCALETUBE, MINHEIGHT, H,       HEIGHTTUBE,
                             NUMCIRCLE,  NUMLINE,   TSIZE};
  shell_mesh::draw_tube(p, [&](int k) {
    const double half_turn = M_PI * double(k) / double(NUMLINE);
    const float DELTA = static_cast<float>(lower ? half_turn + M_PI : half_turn);
    const double s = double(TSIZE) * double(DELTA) / 2.0;
    const float tex_s = HEIGHTTUBE > 0 ? static_cast<float>(s / double(HEIGHTTUBE) * 2.0)
                                       : static_cast<float>(s);
    return shell_mesh::Line{std::cos(double(DELTA)), std::sin(double(DELTA)), tex_s};
  });
}

void SHELLSUP(float SIZE, float ANG, float VERSE, float ADGIUST, float RADIUS, float RADIUSTUBE,
              float SCALETUBE, float MINHEIGHT, float H, float HEIGHTTUBE, int NUMCIRCLE,
              int NUMLINE, float TSIZE) {
  draw_half(false, SIZE, ANG, VERSE, ADGIUST, RADIUS, RADIUSTUBE, SCALETUBE, MINHEIGHT, H,
            HEIGHTTUBE, NUMCIRCLE, NUMLINE, TSIZE);
}

void SHELLINF(float SIZE, float ANG, float VERSE, float ADGIUST, float RADIUS, float RADIUSTUBE,
              float SCALETUBE, float MINHEIGHT, float H, float HEIGHTTUBE, int NUMCIRCLE,
              int NUMLINE, float TSIZE) {
  draw_half(true, SIZE, ANG, VERSE, ADGIUST, RADIUS, RADIUSTUBE, SCALETUBE, MINHEIGHT, H,
            HEIGHTTUBE, NUMCIRCLE, NUMLINE, TSIZE);
}

}  // namespace

void SPIRALSHELL3(float SIZE, float ANG, float VERSE, float ADGIUST, float RADIUS,
                  float RADIUSTUBE, float SCALETUBE, float MINHEIGHT, float H,
                  float HEIGHTTUBEINF, float HEIGHTTUBESUP, int NUMCIRCLE, int NUMLINEINF,
                  int NUMLINESUP, float TSIZE) {
  SHELLSUP(SIZE, ANG, VERSE, ADGIUST, RADIUS, RADIUSTUBE, SCALETUBE, MINHEIGHT, H, HEIGHTTUBESUP,
           NUMCIRCLE, NUMLINESUP, TSIZE);
  SHELLINF(SIZE, ANG, VERSE, ADGIUST, RADIUS, RADIUSTUBE, SCALETUBE, MINHEIGHT, H, HEIGHTTUBEINF,
           NUMCIRCLE, NUMLINEINF, TSIZE);
}
