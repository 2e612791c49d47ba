#include "framework/render/projection_lights.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include "framework/render/vertex_submission.h"
#include "framework/render/window_size.h"

float AMBIENTLIGHT[4] = {0.5f, 0.5f, 0.5f, 1.0f};
float DIFFUSELIGHT[4] = {1.0f, 1.0f, 1.0f, 1.0f};
float SPECULARLIGHT[4] = {1.0f, 1.0f, 1.0f, 1.0f};
float LIGHTPOSITION[4] = {0.0f, 0.0f, 0.0f, 0.0f};

void OPENGL_INIT(double DEPTH, double A, double R, double G, double B) {
  glClearColor(GLclampf(R), GLclampf(G), GLclampf(B), GLclampf(A));
  glViewport(0, 0, WIDTH, HEIGHT);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  gluPerspective(45.0, double(WIDTH) / double(HEIGHT), 0.1, DEPTH);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  glClearDepth(DEPTH);  // OpenGL clamps it to [0, 1]
  glEnable(GL_DEPTH_TEST);
  glDepthFunc(GL_LEQUAL);
  glColor4f(1.0f, 1.0f, 1.0f, 0.5f);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE);  // blending itself stays off
  glLightModeli(GL_LIGHT_MODEL_LOCAL_VIEWER, 1);
  glHint(GL_LINE_SMOOTH_HINT, GL_NICEST);
  glHint(GL_POLYGON_SMOOTH_HINT, GL_NICEST);
  glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
  glEnable(GL_AUTO_NORMAL);
  glEnable(GL_NORMALIZE);  // the shell generators send normals of any length
}

void OPENGL_I2D(double A, double R, double G, double B) {
  glClearColor(GLclampf(R), GLclampf(G), GLclampf(B), GLclampf(A));
  glViewport(0, 0, WIDTH, HEIGHT);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  // 2 * HEIGHT is exact in double, so this equals the integer quotient form.
  const double half_height = 2.0 * double(HEIGHT) / double(WIDTH);
  glOrtho(-2.0, 2.0, -half_height, half_height, -2.0, 2.0);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  glEnable(GL_DEPTH_TEST);
  glDepthFunc(GL_LEQUAL);
  glEnable(GL_NORMALIZE);
}

void SETGLREFRACTIVE() {
  glEnable(GL_CULL_FACE);
  glCullFace(GL_BACK);
  glFrontFace(GL_CCW);
  glShadeModel(GL_SMOOTH);
}

void SETGLLIGHT(unsigned int NLIGHT, float L0, float L1, float L2, float L3) {
  glEnable(GL_LIGHTING);
  glLightfv(NLIGHT, GL_AMBIENT, AMBIENTLIGHT);
  glLightfv(NLIGHT, GL_DIFFUSE, DIFFUSELIGHT);
  glLightfv(NLIGHT, GL_SPECULAR, SPECULARLIGHT);
  glEnable(NLIGHT);
  LIGHTPOSITION[0] = L0;
  LIGHTPOSITION[1] = L1;
  LIGHTPOSITION[2] = L2;
  LIGHTPOSITION[3] = L3;
  glLightfv(NLIGHT, GL_POSITION, LIGHTPOSITION);
}

void PUTGLPOINTLIGHT(unsigned int NLIGHT, float SIZE, float LX, float LY, float LZ, float LVAL) {
  LIGHTPOSITION[0] = LX;
  LIGHTPOSITION[1] = LY;
  LIGHTPOSITION[2] = LZ;
  LIGHTPOSITION[3] = LVAL;
  glLightfv(NLIGHT, GL_POSITION, LIGHTPOSITION);
  if (SIZE != 0.0f) {
    // The marker sits at the light's x, y, z as given, not divided by w.
    glPointSize(SIZE);
    GLBEGIN(GL_POINTS);
    glNormal3f(0.0f, 0.0f, 1.0f);
    GLVERTEX3F(LX, LY, LZ);
    GLEND();
  }
}
