// A program that creates the framework's window, tears it down and creates it
// again, as an application must not: the second creation cannot register the
// window class, reports it and ends the process. Started by a test.
#include "framework/window/window_lifecycle.h"
#include "framework/window/window_procedure.h"

int main() {
  OGLWINDOWSETTING(ARROW, "", GENERIC, "");
  CREATEOGLWINDOW("Prima finestra", 320, 240, 32, false);
  DELETEOGLWINDOW();
  CREATEOGLWINDOW("Seconda finestra", 320, 240, 32, false);
  return 3;  // not reached when the failure is reported
}
