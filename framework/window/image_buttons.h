// Image buttons: shaped push buttons drawn from three BMP files (normal,
// hover, pressed). The button's window takes the outline of the normal
// image, less the pixels of the key colour; a completed click posts
// WM_COMMAND with the button's control identifier to its parent.
//
// Making one: set BMPTYPE to the stem of the file names (the files are
// BMPTYPE + "N.BMP", "H.BMP", "P.BMP"), then create a WS_CHILD window of
// class "IMAGEBUTTON" with the control identifier as its menu handle.
#pragma once

#include <cstdint>
#include <string>

#include "platform/gdi.h"
#include "platform/types.h"
#include "platform/window.h"

// The class description, filled by the class lookup or the registration.
extern WNDCLASSEXA WINDOWCLASSEX;
// Stem of the image file names, read when a button is created.
extern std::string BMPTYPE;

// Growth step, in rectangles, of BITMAPTOREGION's rectangle buffer.
enum : int { ALLOC_UNIT = 100 };
// BITMAPTOREGION makes a region, and merges it into the result, every time
// this many rectangles have been gathered.
enum : int { REGION_REQUEST_RECTS = 2000 };

// Key colour of the buttons (red 255, green 0, blue 255 in the 0x00BBGGRR
// layout) and its tolerance.
constexpr DWORD button_key_colour = 16711935;
constexpr BYTE button_key_tolerance = 1;

// Button states, the value of the "HOVERMODEBYTE" property.
enum : int { BUTTON_NORMAL = 1, BUTTON_HOVER = 2, BUTTON_PRESSED = 3 };

// The window procedure of class "IMAGEBUTTON".
LRESULT HOVERBUTTONHANDLER(HWND WND, UINT IMSG, WPARAM wparam, LPARAM lparam);

// Loads a BMP file and makes a palette for it: the image's own colour table
// (256 entries, those past the table zero) for 8 bits per pixel or fewer, a
// halftone palette otherwise. Null when the file cannot be loaded, and PAL
// is then left as it was. The caller owns the bitmap and the palette.
HBITMAP LOADBMPFROMFILE(const char* FILENAME, HPALETTE* PAL);

// The region of the pixels of a BMP file whose colour lies outside
// [TRANSCOLOR, TRANSCOLOR + TOLERANCE] in any channel: one-pixel-high
// rectangles in image coordinates, (0, 0) at the top left. Null on failure.
// The caller owns the region.
HRGN BITMAPTOREGION(const char* BMPNAME, DWORD TRANSCOLOR, BYTE TOLERANCE);

// Sees every region request BITMAPTOREGION makes: the rectangles in it and
// the byte size of the rectangle buffer it comes from. Null unless a test
// sets it.
extern void (*region_request_observer)(DWORD rect_count, DWORD buffer_bytes);
