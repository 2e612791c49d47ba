// Modal message boxes. Without a display the caption and text go to standard
// error and the result is 0.
#pragma once

#include "platform/types.h"

enum : UINT { MB_OK = 0x0, MB_YESNO = 0x4, MB_ICONQUESTION = 0x20 };
enum : int { IDOK = 1, IDCANCEL = 2, IDYES = 6, IDNO = 7 };

// Texts are Windows-1252.
int MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type);
