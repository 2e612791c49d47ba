// Mouse capture, cursor position, foreground window and screen metrics.

#include "platform/window.h"
#include "platform/window_backend.h"
#include "platform/window_record.h"

namespace {

PlatformWindow* capture = nullptr;

}  // namespace

void forget_window_capture(PlatformWindow* w) {
  if (capture == w) {
    window_backend().ungrab_pointer();
    capture = nullptr;
  }
}

HWND SetCapture(HWND window) {
  PlatformWindow* previous = capture;
  PlatformWindow* w = window_from_handle(window);
  if (w == nullptr) return previous;
  capture = w;
  // The grab can be refused (window not viewable, pointer grabbed by another
  // client); the window still owns the capture as far as the queue knows.
  window_backend().grab_pointer(w);
  return previous;
}

BOOL ReleaseCapture() {
  if (capture != nullptr) window_backend().ungrab_pointer();
  capture = nullptr;
  return TRUE;
}

HWND GetCapture() { return capture; }

BOOL GetCursorPos(POINT* point) {
  if (point == nullptr) return FALSE;
  return window_backend().cursor_pos(point) ? TRUE : FALSE;
}

BOOL SetCursorPos(int x, int y) { return window_backend().set_cursor_pos(x, y) ? TRUE : FALSE; }

HWND GetForegroundWindow() { return window_backend().foreground_window(); }

int GetSystemMetrics(int index) {
  switch (index) {
    case SM_CXSCREEN:
      return window_backend().screen_width();
    case SM_CYSCREEN:
      return window_backend().screen_height();
    default:
      return 0;
  }
}
