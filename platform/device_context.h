// Device contexts: of a window (GetDC, BeginPaint), of the screen, or in
// memory (CreateCompatibleDC). Display-independent record; drawing onto a
// window goes through platform/x11/.
#pragma once

#include "platform/types.h"

struct DeviceContext {
  HWND window = nullptr;        // the window it draws on; null for screen/memory
  bool memory = false;          // made by CreateCompatibleDC
  HGDIOBJ bitmap = nullptr;     // bitmap selected into a memory context
  HPALETTE palette = nullptr;   // selected palette
  int pixel_format = 0;         // chosen by SetPixelFormat (window contexts)
};
