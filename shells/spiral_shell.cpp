#include "shells/spiral_shell.h"

#include "shells/shell_mesh.h"

void SPIRALSHELL(float SIZE, float ANG, float VERSE, float ADGIUST, float RADIUS,
                 float RADIUSTUBE, float SCALETUBE, float MINHEIGHT, float H, float HEIGHTTUBE,
                 int NUMCIRCLE, int NUMLINE, float TSIZE) {
  const shell_mesh::Params p{SIZE, ANG,       VERSE,     ADGIUST, RADIUS,
                             RADIUSTUBE, SCALETUBE, MINHEIGHT, H,       HEIGHTTUBE,
                             NUMCIRCLE,  NUMLINE,   TSIZE};
  // Circular cross-section: line k lies at angle DELTA around the tube.
  shell_mesh::draw_tube(p, [&](int k) {
    const float DELTA = shell_mesh::full_turn_delta(k, NUMLINE);
    return shell_mesh::Line{std::cos(double(DELTA)), std::sin(double(DELTA)),
                            shell_mesh::texture_s(TSIZE, DELTA, HEIGHTTUBE)};
  });
}
