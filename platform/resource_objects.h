// The records behind cursor, icon and brush handles. Display-independent:
// the X11 backend turns them into X cursors and window icons on use.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/gdi_object.h"
#include "platform/types.h"

// A picture for a cursor or an icon: 0xAARRGGBB pixels, rows top first.
struct CursorImage {
  int width = 0;
  int height = 0;
  int hot_x = 0;
  int hot_y = 0;
  std::vector<uint32_t> argb;
};

struct Cursor {
  // IDC_... for a system cursor, 0 for one loaded from a file.
  int system_id = 0;
  CursorImage image;
  // The backend's native cursor, made on first use (0 until then).
  unsigned long native = 0;
};

struct Icon {
  CursorImage image;
};

struct Brush : GdiObject {
  DWORD colour = 0;  // 0x00BBGGRR
  bool hollow = false;
};

// The record behind a handle, or null when the handle is not a live one of
// that kind.
Cursor* cursor_from_handle(HCURSOR cursor);
// An icon handle, or a cursor handle used as an icon (a cursor file loaded
// for the window icon): its picture, or null.
const CursorImage* icon_image(HICON icon);
Brush* brush_from_handle(HBRUSH brush);
// Every cursor made so far (system and file cursors live for the process).
const std::vector<Cursor*>& all_cursors();

// The colour of a system colour index, 0x00BBGGRR.
DWORD system_colour(int index);
