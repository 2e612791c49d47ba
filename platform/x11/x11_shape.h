// Window shapes with the X shape extension. This header includes no X11
// header: tests read a window's shape back through it.
#pragma once

#include <vector>

#include "platform/types.h"
#include "platform/window.h"

// Sets the bounding shape of the window's X window to the rectangles
// (client coordinates, y-x banded); null removes the shape. Nothing happens
// without a display, a native window or the extension.
void x11_set_window_shape(PlatformWindow* w, const std::vector<RECT>* rects);

// The bounding shape of the window's X window as the server reports it.
// False when the window is not shaped (or there is no display or
// extension).
bool x11_window_shape(HWND window, std::vector<RECT>* rects);
