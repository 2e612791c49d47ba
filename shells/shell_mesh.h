// The mesh core shared by the spiral shell generators (not a public header):
// the render-state bracket, the strip, ring and vertex loops, the spine of the
// spiral and the normal rule. The generators differ only in their line rule,
// which gives, for line k around the tube, the two factors that place the
// line on the cross-section and its texture coordinate s.
//
// Every quantity is evaluated in double from single inputs and rounded to
// single where the formulas store it. Values that depend only on the ring are
// computed once per call (kept in a fixed-size local cache), values that
// depend only on the line once per strip edge; each is formed with the same
// operations in the same order as a per-vertex evaluation, so the emitted
// stream is bit for bit the same.
#pragma once

#include <GL/gl.h>

#include <cmath>

#include "framework/render/two_side_lighting.h"
#include "framework/render/vector_math.h"
#include "framework/render/vertex_submission.h"

namespace shell_mesh {

// The arguments of one tube, in the generators' declared order.
struct Params {
  float SIZE, ANG, VERSE, ADGIUST, RADIUS, RADIUSTUBE, SCALETUBE, MINHEIGHT, H, HEIGHTTUBE;
  int NUMCIRCLE, NUMLINE;
  float TSIZE;
};

// What the vertices of one line around the tube need.
struct Line {
  double c;     // cos(DELTA), or the cross-section point's X
  double s;     // sin(DELTA), or the cross-section point's Y
  float tex_s;  // texture coordinate s
};

// What the vertices of one ring need. The products kept in double are the
// leading partial products of the vertex formulas, evaluated left to right.
struct Ring {
  double cos_tube;      // cos(ANGLE) * TMPRADIUSTUBE
  double sin_tube;      // sin(ANGLE) * TMPRADIUSTUBE
  double tube;          // TMPRADIUSTUBE
  double scale;         // TMPSCALETUBE
  double height_scale;  // HEIGHTTUBE + TMPSCALETUBE
  double cx, cy, cz;    // CENTER
  double rise;          // RATIO * H
  float t;              // texture coordinate t
};

// Rings kept on the stack; more rings than this are recomputed per strip.
enum { RING_CACHE = 256 };

inline Ring make_ring(const Params& p, int I) {
  const float RATIO = static_cast<float>(double(I) / double(p.NUMCIRCLE));
  const float ANGLE = static_cast<float>(double(p.ANG) * double(p.VERSE) * double(RATIO));
  const float TMPRADIUS = static_cast<float>(
      double(p.RADIUS) - (double(p.RADIUS) + double(p.ADGIUST) / 30.0) * double(RATIO));
  const double cos_angle = std::cos(double(ANGLE));
  const double sin_angle = std::sin(double(ANGLE));
  const double min_ratio = double(p.MINHEIGHT) * double(RATIO);
  const TGLVECTOR CENTER =
      GLVECTOR(cos_angle * double(TMPRADIUS),
               min_ratio - (min_ratio / 2.0) * double(RATIO) + double(p.RADIUSTUBE) / 5.0,
               sin_angle * double(TMPRADIUS));
  const float TMPRADIUSTUBE = static_cast<float>(
      double(p.RADIUSTUBE) - (double(p.RADIUSTUBE) - double(p.ADGIUST)) * double(RATIO));
  const float TMPSCALETUBE =
      static_cast<float>(double(p.SCALETUBE) - (double(p.SCALETUBE) / 2.0) * double(RATIO));

  Ring r;
  r.cos_tube = cos_angle * double(TMPRADIUSTUBE);
  r.sin_tube = sin_angle * double(TMPRADIUSTUBE);
  r.tube = TMPRADIUSTUBE;
  r.scale = TMPSCALETUBE;
  r.height_scale = double(p.HEIGHTTUBE) + double(TMPSCALETUBE);
  r.cx = CENTER.X;
  r.cy = CENTER.Y;
  r.cz = CENTER.Z;
  r.rise = double(RATIO) * double(p.H);
  r.t = static_cast<float>(double(I) / 2.0 * double(p.TSIZE) / 2.0);
  return r;
}

// The normal offset and the position of one vertex.
struct Point {
  TGLVECTOR SHIFT, TEMP;
};

inline Point place(const Ring& r, const Line& l) {
  Point p;
  p.SHIFT = GLVECTOR(r.cos_tube * l.c, l.s * r.tube, r.sin_tube * l.c);
  p.TEMP = GLVECTOR(double(p.SHIFT.X) * r.scale + r.cx,
                     r.height_scale * double(p.SHIFT.Y) + r.cy + r.rise,
                     double(p.SHIFT.Z) * r.scale + r.cz);
  return p;
}

// One vertex: texture coordinate, normal (SHIFT when VERSE is exactly 1,
// -SHIFT otherwise), position TEMP.
template <bool PLAIN_NORMAL>
inline void emit_vertex(const Point& p, float s, float t) {
  glTexCoord2f(s, t);
  if (PLAIN_NORMAL) {
    const GLfloat normal[3] = {p.SHIFT.X, p.SHIFT.Y, p.SHIFT.Z};
    glNormal3fv(normal);
  } else {
    glNormal3f(-p.SHIFT.X, -p.SHIFT.Y, -p.SHIFT.Z);
  }
  const GLfloat position[3] = {p.TEMP.X, p.TEMP.Y, p.TEMP.Z};
  glVertex3fv(position);
}

// Both vertices of a ring: computed first, then emitted, so the arithmetic of
// the two is scheduled together rather than split by the OpenGL calls.
template <bool PLAIN_NORMAL>
inline void emit_ring(const Ring& r, const Line& near_edge, const Line& far_edge) {
  const Point a = place(r, near_edge);
  const Point b = place(r, far_edge);
  emit_vertex<PLAIN_NORMAL>(a, near_edge.tex_s, r.t);
  emit_vertex<PLAIN_NORMAL>(b, far_edge.tex_s, r.t);
}

// The NUMLINE quad strips. Line k's values are computed once and serve as the
// far edge of strip k - 1 and the near edge of strip k.
template <bool PLAIN_NORMAL, typename LineRule>
void draw_strips(const Params& p, const LineRule& line_at) {
  Ring cache[RING_CACHE];
  const bool cached = p.NUMCIRCLE <= RING_CACHE;
  if (cached)
    for (int I = 0; I < p.NUMCIRCLE; ++I) cache[I] = make_ring(p, I);

  Line near_edge{};
  if (p.NUMCIRCLE > 0) near_edge = line_at(0);
  for (int N = 0; N < p.NUMLINE; ++N) {
    GLBEGIN(GL_QUAD_STRIP);
    if (p.NUMCIRCLE > 0) {
      const Line far_edge = line_at(N + 1);
      if (cached) {
        for (int I = 0; I < p.NUMCIRCLE; ++I)
          emit_ring<PLAIN_NORMAL>(cache[I], near_edge, far_edge);
      } else {
        for (int I = 0; I < p.NUMCIRCLE; ++I)
          emit_ring<PLAIN_NORMAL>(make_ring(p, I), near_edge, far_edge);
      }
      near_edge = far_edge;
    }
    GLEND();
  }
}

// One complete tube inside its render-state bracket: two-sided lighting on,
// culling off, matrix pushed and scaled by SIZE; the strips; then all undone.
template <typename LineRule>
void draw_tube(const Params& p, const LineRule& line_at) {
  TWOSIDEON();
  glDisable(GL_CULL_FACE);
  glPushMatrix();
  glScalef(p.SIZE, p.SIZE, p.SIZE);
  if (p.NUMLINE > 0) {
    if (p.VERSE == 1.0f)
      draw_strips<true>(p, line_at);
    else
      draw_strips<false>(p, line_at);
  }
  glPopMatrix();
  glEnable(GL_CULL_FACE);
  TWOSIDEOFF();
}

// Texture coordinate s of a line: TSIZE * DELTA / 2, divided by HEIGHTTUBE
// when that is positive.
inline float texture_s(float TSIZE, float DELTA, float HEIGHTTUBE) {
  const double s = double(TSIZE) * double(DELTA) / 2.0;
  if (HEIGHTTUBE > 0) return static_cast<float>(s / double(HEIGHTTUBE));
  return static_cast<float>(s);
}

// DELTA of line k around the full tube: 2 pi k / NUMLINE.
inline float full_turn_delta(int k, int NUMLINE) {
  return static_cast<float>(2.0 * M_PI * double(k) / double(NUMLINE));
}

}  // namespace shell_mesh
