// The two-part spiral shell: upper and lower halves of the tube with their own
// vertical stretch and their own number of lines.
#pragma once

// Draws the upper half (NUMLINESUP strips, DELTA from 0 to pi, stretch
// HEIGHTTUBESUP) and then the lower half (NUMLINEINF strips, DELTA from pi to
// 2 pi, stretch HEIGHTTUBEINF), each inside its own render-state bracket.
void SPIRALSHELL3(float SIZE, float ANG, float VERSE, float ADGIUST, float RADIUS,
                  float RADIUSTUBE, float SCALETUBE, float MINHEIGHT, float H,
                  float HEIGHTTUBEINF, float HEIGHTTUBESUP, int NUMCIRCLE, int NUMLINEINF,
                  int NUMLINESUP, float TSIZE);
