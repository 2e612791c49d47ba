// The modulated spiral shell: the spiral shell with the undulated
// (superformula) cross-section in place of the circle.
#pragma once

// As SPIRALSHELL, with the cross-section point of line DELTA taken from
// UNDULATEDPOINTS(MIN, MAX, NUMCORNER, SMOOTHCORNER, DELTA).
void SPIRALSHELL2(float SIZE, float ANG, float VERSE, float ADGIUST, float RADIUS,
                  float RADIUSTUBE, float SCALETUBE, float MINHEIGHT, float H, float HEIGHTTUBE,
                  int NUMCIRCLE, int NUMLINE, float MIN, float MAX, float NUMCORNER,
                  float SMOOTHCORNER, float TSIZE);
