#include "framework/window/mouse_view.h"

#include <GL/gl.h>

#include "framework/window/window_procedure.h"

TGLVERTEX MY = {0, 0, 0};

void SETGLMOUSEMOVE(int XYZ, int SPEED) {
  MSPEED = SPEED;
  const float d = -DEPTH;
  switch (XYZ) {
    case GL_M0:
      MY = {0, 0, d};
      glTranslatef(0, 0, d);
      glRotatef(XROT, 1, 0, 0);
      glRotatef(YROT, 0, 1, 0);
      break;
    case GL_MX:
      MY = {0, d, 0};
      glTranslatef(0, d, 0);
      glRotatef(XROT, 1, 0, 0);
      glRotatef(YROT, 0, 0, 1);
      break;
    case GL_MY:
      MY = {d, 0, 0};
      glTranslatef(d, 0, 0);
      glRotatef(XROT, 0, 0, -1);
      glRotatef(YROT, 0, 1, 0);
      break;
    case GL_MZ:
      MY = {0, 0, d};
      glTranslatef(0, 0, d);
      glRotatef(XROT, 0, 1, 0);
      glRotatef(YROT, 1, 0, 0);
      break;
    default:
      break;
  }
}
