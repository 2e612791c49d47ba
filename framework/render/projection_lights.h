// Fixed OpenGL set-up: perspective and orthographic projection with the
// common render state, back-face culling, and the light source calls with
// their process-wide colours and position.
#pragma once

// Light colours (red, green, blue, alpha) that SETGLLIGHT hands to OpenGL;
// an application may change them before calling it.
extern float AMBIENTLIGHT[4];
extern float DIFFUSELIGHT[4];
extern float SPECULARLIGHT[4];
// The last light position (x, y, z, w) stored by SETGLLIGHT or
// PUTGLPOINTLIGHT, shared by all lights.
extern float LIGHTPOSITION[4];

// Perspective projection (45 degrees, window aspect, near 0.1, far DEPTH),
// identity model-view matrix, clear colour and depth, depth test, hints and
// normalisation.
void OPENGL_INIT(double DEPTH, double A, double R, double G, double B);
// Orthographic projection 4 units wide for 2D drawing, identity model-view.
void OPENGL_I2D(double A, double R, double G, double B);
// Back faces (clockwise on screen) culled, smooth shading.
void SETGLREFRACTIVE();
// Switches lighting and the light NLIGHT on with the light colours and puts
// it at (L0, L1, L2, L3).
void SETGLLIGHT(unsigned int NLIGHT, float L0, float L1, float L2, float L3);
// Moves light NLIGHT to (LX, LY, LZ, LVAL); a non-zero SIZE also draws a
// point of that many pixels at (LX, LY, LZ).
void PUTGLPOINTLIGHT(unsigned int NLIGHT, float SIZE, float LX, float LY, float LZ, float LVAL);
