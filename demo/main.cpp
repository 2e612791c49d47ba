// The shell gallery program: asks for full screen, opens the framework's
// window, sets up projection, render state, light and textures, then draws
// the gallery frame after frame until the window goes.
#include <GL/gl.h>

#include <cfenv>

#include "demo/gallery_scene.h"
#include "demo/gallery_start.h"
#include "framework/window/window_lifecycle.h"
#include "framework/window/window_procedure.h"
#include "platform/gl_binding.h"
#include "platform/message_box.h"

int main() {
  // Arithmetic gives infinities and NaNs instead of trapping, for the whole run.
  fedisableexcept(FE_ALL_EXCEPT);

  // Only a No opens a window; Yes, or a box that could not be shown, means
  // full screen.
  FULLSCREEN = MessageBoxA(nullptr, "Settare lo schermo intero?  ", "Video!",
                           MB_YESNO | MB_ICONQUESTION) != IDNO;
  start_gallery(FULLSCREEN);

  // One message per pass; the test comes at the end, so the pass in which
  // the window goes still draws and presents its frame.
  do {
    glClear(GL_COLOR_BUFFER_BIT);
    SETGLMSG();
    OPENGL_DRAW();
    SwapBuffers(DCWINDOW);
  } while (ACTIVE);

  DELETEOGLWINDOW();
  return 0;
}
