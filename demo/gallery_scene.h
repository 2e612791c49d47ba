// The shell gallery: one complete frame of the scene.
#pragma once

// Clears, sets the projection, places the camera, the user's view and the
// light, draws the floor and the nineteen shell surfaces.
void OPENGL_DRAW();

// One planar quadrilateral with a flat normal and texture coordinates, lit
// on both faces. P1-P2 is one edge, P3-P4 the opposite edge in the same
// direction.
void QUAD(float X1, float Y1, float Z1, float X2, float Y2, float Z2, float X3, float Y3,
          float Z3, float X4, float Y4, float Z4);
