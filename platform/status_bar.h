// The status bar: a child bar along the bottom of its parent's client area.
#pragma once

#include "platform/types.h"

enum : UINT { SB_SETTEXTA = 1025, SB_SETPARTS = 1028 };

// SB_SETPARTS: WPARAM the number of parts, LPARAM the address of an array of
// int right edges (client pixels; -1 reaches the right border).
HWND CreateStatusWindowA(LONG style, LPCSTR text, HWND parent, UINT id);
