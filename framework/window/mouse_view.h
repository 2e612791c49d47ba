// The mouse view: turns the view angles and distance kept by the window
// procedure into a model-view transform, once per frame.
#pragma once

#include "framework/render/vector_math.h"

// Axis modes: which axis the distance moves along and which axes the two
// angles turn about.
enum : int { GL_M0 = 0, GL_MX = 1, GL_MY = 2, GL_MZ = 3 };

// The translation applied by the last SETGLMOUSEMOVE.
extern TGLVERTEX MY;

// Sets MSPEED to SPEED, then multiplies the current matrix by a translation
// by -DEPTH and rotations by XROT and YROT, on the axes of mode XYZ. Any
// other mode changes only MSPEED.
void SETGLMOUSEMOVE(int XYZ, int SPEED);
