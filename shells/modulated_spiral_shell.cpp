#include "shells/modulated_spiral_shell.h"

#include "shells/shell_mesh.h"
#include "shells/undulated_points.h"

void SPIRALSHELL2(float SIZE, float ANG, float VERSE, float ADGIUST, float RADIUS,
                  float RADIUSTUBE, float SCALETUBE, float MINHEIGHT, float H, float HEIGHTTUBE,
                  int NUMCIRCLE, int NUMLINE, float MIN, float MAX, float NUMCORNER,
                  float SMOOTHCORNER, float TSIZE) {
  const shell_mesh::Params p{SIZE, ANG,       VERSE,     ADGIUST, RADIUS,
                             RADIUSTUBE, SCALETUBE, MINHEIGHT, H,       HEIGHTTUBE,
                             NUMCIRCLE,  NUMLINE,   TSIZE};
  // The curve point at DELTA stands where the circle has (cos, sin) DELTA.
  shell_mesh::draw_tube(p, [&](int k) {
    const float DELTA = shell_mesh::full_turn_delta(k, NUMLINE);
    const TGLVECTOR MODOLATE = UNDULATEDPOINTS(MIN, MAX, NUMCORNER, SMOOTHCORNER, DELTA);
    return shell_mesh::Line{MODOLATE.X, MODOLATE.Y,
                            shell_mesh::texture_s(TSIZE, DELTA, HEIGHTTUBE)};
  });
}
