// Immediate-mode primitive wrappers with an optional capture and edit stage.
#pragma once

#include "framework/render/vector_math.h"

enum { GLVERT3F_SLOTS = 10000 };

// The capture record. Arrays are indexed by slot number 1..10000 (entry 0 is
// never addressed by a slot; it keeps the 1-based numbering readable).
struct TGLVERTEX3F {
  TGLVECTOR GLVERT3F[GLVERT3F_SLOTS + 1];
  TGLVECTOR GLVERT3FTMP[GLVERT3F_SLOTS + 1];
  TGLVECTOR GLVERT3FTMPROTATE[GLVERT3F_SLOTS + 1];
  TGLVECTOR GLVERT3FTMPPOSROT[GLVERT3F_SLOTS + 1];
  TGLVECTOR GLVERT3FTMPSCALE[GLVERT3F_SLOTS + 1];
  TGLVECTOR GLVERT3FOFFSET[GLVERT3F_SLOTS + 1];
  int GLVERT3FCOUNT;
  int GLVERT3FMAX;
  int GLVERT3FSETNUM;
};

extern TGLVERTEX3F GLBASEVERTEX3F;
extern bool GLVERT3FREMOVE;
extern bool GLVERT3FENABLEEDIT;

void GLBEGIN(unsigned int MODE);
void GLVERTEX3F(float X, float Y, float Z);
void GLEND();
void LINEFREE(float TX1, float TY1, float TX2, float TY2, float X1, float Y1, float Z1,
              float X2, float Y2, float Z2, bool TEXTURE);
