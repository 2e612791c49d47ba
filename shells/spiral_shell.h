// The plain spiral shell: a tube of elliptic cross-section swept along a
// spiral that narrows, rises and turns, drawn as textured, lit quad strips.
#pragma once

// Draws 2 * NUMCIRCLE * NUMLINE vertices in NUMLINE quad strips, inside a
// bracket that turns two-sided lighting on and culling off, pushes the matrix
// and scales by SIZE, and undoes all of it at the end (leaving two-sided
// lighting off and culling on). Angles are in radians.
void SPIRALSHELL(float SIZE, float ANG, float VERSE, float ADGIUST, float RADIUS,
                 float RADIUSTUBE, float SCALETUBE, float MINHEIGHT, float H, float HEIGHTTUBE,
                 int NUMCIRCLE, int NUMLINE, float TSIZE);
