// A plain per-vertex evaluation of the shell formulas: every vertex computes
// its ring, its line and its cross-section point from scratch. It makes the
// same OpenGL calls as the generators and serves as the reference they must
// match bit for bit, and as the baseline of the shell benchmark.
#pragma once

#include "framework/render/vector_math.h"
#include "shells/gallery_shells.h"

namespace shell_oracle {

TGLVECTOR undulated_point(float MIN, float MAX, float NUMCORNER, float SMOOTHCORNER, float PHI);

void spiral_shell(float SIZE, float ANG, float VERSE, float ADGIUST, float RADIUS,
                  float RADIUSTUBE, float SCALETUBE, float MINHEIGHT, float H, float HEIGHTTUBE,
                  int NUMCIRCLE, int NUMLINE, float TSIZE);
void spiral_shell2(float SIZE, float ANG, float VERSE, float ADGIUST, float RADIUS,
                   float RADIUSTUBE, float SCALETUBE, float MINHEIGHT, float H,
                   float HEIGHTTUBE, int NUMCIRCLE, int NUMLINE, float MIN, float MAX,
                   float NUMCORNER, float SMOOTHCORNER, float TSIZE);
void spiral_shell3(float SIZE, float ANG, float VERSE, float ADGIUST, float RADIUS,
                   float RADIUSTUBE, float SCALETUBE, float MINHEIGHT, float H,
                   float HEIGHTTUBEINF, float HEIGHTTUBESUP, int NUMCIRCLE, int NUMLINEINF,
                   int NUMLINESUP, float TSIZE);

// Draws the shape with the oracle version of its generator.
void draw_shape(const ShellShape& shape);

}  // namespace shell_oracle
