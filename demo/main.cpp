// The shell gallery program: asks for full screen, opens the framework's
// window, sets up projection, render state, light and textures, then draws
// the gallery frame after frame until the window goes.
#include <GL/gl.h>

#include <cfenv>

#include "demo/gallery_scene.h"
#include "framework/render/projection_lights.h"
#include "framework/render/textures.h"
#include "framework/window/window_lifecycle.h"
#include "framework/window/window_procedure.h"
#include "platform/gl_binding.h"
#include "platform/message_box.h"

namespace {

// The one-time resource step: the eight textures, slot by slot.
void OPENGL_CREATELIST() {
  auto OPENGL_TEXTURE = [] {
    TEXTURELOADID("GuscioInt00.bmp", 0);
    TEXTURELOADID("guscio03.bmp", 1);
    TEXTURELOADID("guscio02.bmp", 2);
    TEXTURELOADID("guscio01.bmp", 3);
    TEXTURELOADID("guscio00.bmp", 4);
    TEXTURELOADID("guscio04.bmp", 5);
    TEXTURELOADID("guscio05.bmp", 6);
    TEXTURELOADID("guscio06.bmp", 7);
  };
  OPENGL_TEXTURE();
}

}  // namespace

int main() {
  // Arithmetic gives infinities and NaNs instead of trapping, for the whole run.
  fedisableexcept(FE_ALL_EXCEPT);

  FULLSCREEN = MessageBoxA(nullptr, "Settare lo schermo intero?  ", "Video!",
                           MB_YESNO | MB_ICONQUESTION) != IDNO;
  OGLWINDOWSETTING(1, "", 1, "");
  CREATEOGLWINDOW("Dimostrazione sulla generare delle conchiglie", 800, 600, 32, FULLSCREEN);
  OPENGL_INIT(100.0, 0, 0, 0, 0);
  SETGLREFRACTIVE();
  SETGLLIGHT(GL_LIGHT0, 0, 0, 0, 0.1f);
  OPENGL_CREATELIST();

  do {
    glClear(GL_COLOR_BUFFER_BIT);
    SETGLMSG();
    OPENGL_DRAW();
    SwapBuffers(DCWINDOW);
  } while (ACTIVE);

  DELETEOGLWINDOW();
  return 0;
}
