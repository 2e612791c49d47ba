// Saves every process-wide variable of the window framework and puts it back
// when it goes out of scope, so a test leaves the framework as it found it.
#pragma once

#include <cstdlib>
#include <cstring>

#include "framework/render/vertex_submission.h"
#include "framework/render/window_size.h"
#include "framework/window/mouse_view.h"
#include "framework/window/window_lifecycle.h"
#include "framework/window/window_procedure.h"

class SavedFrameworkState {
 public:
  SavedFrameworkState() { save(); }
  ~SavedFrameworkState() { restore(); }
  SavedFrameworkState(const SavedFrameworkState&) = delete;
  SavedFrameworkState& operator=(const SavedFrameworkState&) = delete;

 private:
  // One list of every variable, used both ways.
  template <typename F>
  void each(F&& f) {
    f(SETTYPECURSOR); f(CURSORFILE); f(SETTYPEICON); f(ICONFILE); f(SETTITLENAME);
    f(WIDTH); f(HEIGHT); f(BITS); f(FULLSCREEN); f(HWINDOW); f(DCWINDOW); f(RCWINDOW);
    f(PIXEL_FORMAT_FLAGS); f(SHOWMENUBAR); f(CREATEMENUBAR); f(SHOWSTATUSBAR); f(HSTATUS);
    f(AWND); f(FILENAME); f(STATUSITEM); f(MAXSTATUSITEM); f(EDGES); f(START); f(FOGONOFF);
    f(OBJNULL); f(VRLVERSION);
    f(ACTIVE); f(SETKEY); f(MOUSEFREE); f(LEFTMOUSEDOWN); f(LEFTMOUSEDOWN2);
    f(RIGHTMOUSEDOWN); f(RIGHTMOUSEDOWN2); f(XCOORD); f(YCOORD); f(ZCOORD); f(SETMX);
    f(SETMY); f(SETOMX); f(SETOMY); f(XROT); f(YROT); f(XROT2); f(YROT2); f(DEPTH);
    f(DEPTH2); f(MPOS); f(MSPEED); f(VIEWFPS); f(FPSCOUNT); f(FORCEFPS); f(ADDFORCEFPS);
    f(GETINPUTCOMMAND); f(CREATEMOUSEMENU); f(MSG_);
    f(MY); f(GLVERT3FREMOVE); f(GLVERT3FENABLEEDIT);
  }
  void save() {
    size_t at = 0;
    each([&](const auto& v) {
      if (at + sizeof v > sizeof buffer_) std::abort();
      std::memcpy(buffer_ + at, &v, sizeof v);
      at += sizeof v;
    });
  }
  void restore() {
    size_t at = 0;
    each([&](auto& v) {
      std::memcpy(&v, buffer_ + at, sizeof v);
      at += sizeof v;
    });
  }

  alignas(16) unsigned char buffer_[8192];
};
