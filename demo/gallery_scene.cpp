#include "demo/gallery_scene.h"

#include <GL/gl.h>

#include "framework/render/projection_lights.h"
#include "framework/render/textures.h"
#include "framework/render/two_side_lighting.h"
#include "framework/render/vector_math.h"
#include "framework/render/vertex_submission.h"
#include "framework/window/mouse_view.h"
#include "shells/gallery_shells.h"

namespace {

// Re-establishes the projection: the 2D set-up is replaced at once by the
// perspective one, as nothing is drawn in 2D.
void OPENGL_DRAW2D() {
  OPENGL_I2D(0, 0, 0, 0);
  OPENGL_INIT(100.0, 0, 0, 0, 0);
}

// The gallery has no 2D mouse or keyboard handling of its own.
void OPENGL_MOUSE2D() {}
void OPENGL_KEYBOARD() {}

// The eighteen matrix blocks: a block's first draw selects its texture before
// the push; further draws of the same block (only draws 3 and 4 share one)
// select theirs inside it.
void draw_shells() {
  for (int i = 0; i < GALLERY_DRAW_COUNT;) {
    const GalleryDraw& first = GALLERY_DRAWS[i];
    TEXTURESELECTID(first.slot);
    glPushMatrix();
    glTranslatef(first.x, first.y, first.z);
    draw_shell_shape(first.shape);
    for (++i; i < GALLERY_DRAW_COUNT && GALLERY_DRAWS[i].block == first.block; ++i) {
      TEXTURESELECTID(GALLERY_DRAWS[i].slot);
      draw_shell_shape(GALLERY_DRAWS[i].shape);
    }
    glPopMatrix();
  }
}

}  // namespace

void QUAD(float X1, float Y1, float Z1, float X2, float Y2, float Z2, float X3, float Y3,
          float Z3, float X4, float Y4, float Z4) {
  TWOSIDEON();
  glDisable(GL_CULL_FACE);
  GLBEGIN(GL_QUADS);
  // Normal of the first three vertices in emission order: P2, P1, P3.
  FINDNORMAL(X2, Y2, Z2, X1, Y1, Z1, X3, Y3, Z3);
  glNormal3f(static_cast<float>(FNORMAL[1]), static_cast<float>(FNORMAL[2]),
             static_cast<float>(FNORMAL[3]));
  LINEFREE(1, 1, 0, 1, X2, Y2, Z2, X1, Y1, Z1, true);
  LINEFREE(0, 0, 1, 0, X3, Y3, Z3, X4, Y4, Z4, true);
  GLEND();
  glEnable(GL_CULL_FACE);
  TWOSIDEOFF();
}

void OPENGL_DRAW() {
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  glLoadIdentity();
  OPENGL_DRAW2D();
  OPENGL_MOUSE2D();
  OPENGL_KEYBOARD();

  // The fixed camera: back 30 units, down 1, looking 30 degrees downwards.
  glTranslatef(0, -1, -30);
  glRotatef(30, 1, 0, 0);
  SETGLMOUSEMOVE(GL_M0, 2);
  // A positional light at (0, 100, 0) of the scene, turning with it.
  PUTGLPOINTLIGHT(GL_LIGHT0, 0, 0, 10, 0, 0.1f);

  TEXTUREOFF();
  QUAD(-10, 0, -10, 10, 0, -10, -10, 0, 10, 10, 0, 10);
  TEXTUREON();
  draw_shells();
}
