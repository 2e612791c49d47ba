#include "demo/gallery_start.h"

#include <GL/gl.h>

#include "framework/render/projection_lights.h"
#include "framework/render/textures.h"
#include "framework/window/window_lifecycle.h"

void OPENGL_CREATELIST() {
  auto OPENGL_TEXTURE = [] {
    for (const GalleryTexture& t : GALLERY_TEXTURES) TEXTURELOADID(t.file, t.slot);
  };
  OPENGL_TEXTURE();
}

void start_gallery(bool full_screen) {
  OGLWINDOWSETTING(1, "", 1, "");
  CREATEOGLWINDOW("Dimostrazione sulla generare delle conchiglie", 800, 600, 32, full_screen);
  OPENGL_INIT(100.0, 0, 0, 0, 0);
  SETGLREFRACTIVE();
  // A positional light at the eye until the first frame places it.
  SETGLLIGHT(GL_LIGHT0, 0, 0, 0, 0.1f);
  OPENGL_CREATELIST();
}
