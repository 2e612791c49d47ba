// Cursors, icons, brushes and stock objects.
#pragma once

#include "platform/types.h"

// Resource identifiers travel in a name pointer.
inline LPCSTR MAKEINTRESOURCEA(int id) {
  return reinterpret_cast<LPCSTR>(static_cast<uintptr_t>(static_cast<WORD>(id)));
}

enum : int {
  IDC_ARROW = 32512, IDC_IBEAM = 32513, IDC_WAIT = 32514, IDC_CROSS = 32515,
  IDC_UPARROW = 32516, IDC_SIZE = 32640, IDC_SIZENWSE = 32642, IDC_SIZENESW = 32643,
  IDC_SIZEWE = 32644, IDC_SIZENS = 32645, IDC_SIZEALL = 32646, IDC_NO = 32648,
  IDC_HAND = 32649, IDC_APPSTARTING = 32650, IDC_HELP = 32651,
};
enum : int { IDI_APPLICATION = 32512 };
enum : int { COLOR_BTNFACE = 15 };
enum : int { WHITE_BRUSH = 0, BLACK_BRUSH = 4, NULL_BRUSH = 5 };

// A system cursor (name from MAKEINTRESOURCEA(IDC_...)).
HCURSOR LoadCursorA(HINSTANCE instance, LPCSTR name);
// An uncompressed cursor file (.cur); 0 for a missing or bad file.
HCURSOR LoadCursorFromFileA(LPCSTR file_name);
HICON LoadIconA(HINSTANCE instance, LPCSTR name);
HBRUSH GetSysColorBrush(int index);
HGDIOBJ GetStockObject(int index);
