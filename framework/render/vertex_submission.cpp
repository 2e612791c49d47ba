#include "framework/render/vertex_submission.h"

#include <GL/gl.h>

TGLVERTEX3F GLBASEVERTEX3F = {};
bool GLVERT3FREMOVE = false;
bool GLVERT3FENABLEEDIT = false;

void GLBEGIN(unsigned int MODE) {
  if (!GLVERT3FREMOVE) glBegin(MODE);
  GLBASEVERTEX3F.GLVERT3FMAX = GLBASEVERTEX3F.GLVERT3FSETNUM;
}

void GLEND() {
  if (!GLVERT3FREMOVE) glEnd();
}

namespace {

// Runs the edit stage on one vertex and returns the vertex to emit. A slot
// number outside 1..10000 (counter still 0, or a set size above the record)
// has no entry in the record: the vertex then passes through unedited and
// nothing is recorded.
TGLVECTOR edit_vertex(float X, float Y, float Z) {
  TGLVERTEX3F& rec = GLBASEVERTEX3F;
  const int limit = rec.GLVERT3FMAX < GLVERT3F_SLOTS ? rec.GLVERT3FMAX : GLVERT3F_SLOTS;
  if (rec.GLVERT3FCOUNT < limit) rec.GLVERT3FCOUNT = rec.GLVERT3FCOUNT + 1;
  const int i = rec.GLVERT3FCOUNT;
  if (i < 1 || i > GLVERT3F_SLOTS) return TGLVECTOR{X, Y, Z};

  rec.GLVERT3FOFFSET[i] = GLVECTOR(X, Y, Z);
  TGLVECTOR& S = rec.GLVERT3FTMPSCALE[i];
  if (S.X == 0.0f && S.Y == 0.0f && S.Z == 0.0f) S = GLVECTOR(1, 1, 1);
  const TGLVECTOR& T = rec.GLVERT3FTMP[i];
  rec.GLVERT3F[i] = GLVECTOR(double(S.X) * X + T.X, double(S.Y) * Y + T.Y, double(S.Z) * Z + T.Z);

  const TGLVECTOR& O = rec.GLVERT3FTMPPOSROT[i];
  const TGLVECTOR P = GLVECTOR(double(O.X) + rec.GLVERT3F[i].X, double(O.Y) + rec.GLVERT3F[i].Y,
                               double(O.Z) + rec.GLVERT3F[i].Z);
  const TGLMATRIX R = MATRIXEULERRAD(rec.GLVERT3FTMPROTATE[i]);
  rec.GLVERT3F[i] = MATRIXVECROT(P, R);
  return rec.GLVERT3F[i];
}

}  // namespace

void GLVERTEX3F(float X, float Y, float Z) {
  if (!GLVERT3FENABLEEDIT) {
    if (!GLVERT3FREMOVE) glVertex3f(X, Y, Z);
    return;
  }
  const TGLVECTOR v = edit_vertex(X, Y, Z);
  if (!GLVERT3FREMOVE) glVertex3f(v.X, v.Y, v.Z);
}

void LINEFREE(float TX1, float TY1, float TX2, float TY2, float X1, float Y1, float Z1,
              float X2, float Y2, float Z2, bool TEXTURE) {
  if (TEXTURE) glTexCoord2f(TX1, TY1);
  GLVERTEX3F(X1, Y1, Z1);
  if (TEXTURE) glTexCoord2f(TX2, TY2);
  GLVERTEX3F(X2, Y2, Z2);
}
