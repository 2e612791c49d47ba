// Memory device contexts, DIB sections and copies between device contexts,
// palettes and regions. Display-independent: a memory device context is a
// record of the bitmap and palette selected into it, a region a list of
// rectangles. A copy onto a window goes through the window backend.
#pragma once

#include <vector>

#include "platform/bitmap.h"
#include "platform/device_context.h"
#include "platform/gdi_object.h"
#include "platform/types.h"
#include "platform/window.h"

// ---- records ---------------------------------------------------------------
struct PALETTEENTRY {
  BYTE peRed;
  BYTE peGreen;
  BYTE peBlue;
  BYTE peFlags;
};

// A logical palette: palNumEntries entries follow the two header words.
struct LOGPALETTE {
  WORD palVersion;
  WORD palNumEntries;
  PALETTEENTRY palPalEntry[1];
};

// Header of a region description; the rectangles follow it (dwSize bytes
// from the start), four 32-bit values each: left, top, right, bottom.
struct RGNDATAHEADER {
  DWORD dwSize;
  DWORD iType;
  DWORD nCount;
  DWORD nRgnSize;
  RECT rcBound;
};
static_assert(sizeof(RGNDATAHEADER) == 32, "RGNDATAHEADER must take 32 bytes");

struct RGNDATA {
  RGNDATAHEADER rdh;
  char Buffer[1];
};

// A world transform (not supported by ExtCreateRegion: pass null).
struct XFORM {
  float eM11, eM12, eM21, eM22, eDx, eDy;
};

// ---- constants ---------------------------------------------------------------
enum : DWORD { SRCCOPY = 0x00CC0020 };
enum : UINT { DIB_RGB_COLORS = 0, DIB_PAL_COLORS = 1 };
enum : DWORD { RDH_RECTANGLES = 1 };
enum : int { RGN_AND = 1, RGN_OR = 2, RGN_XOR = 3, RGN_DIFF = 4, RGN_COPY = 5 };
// Region kinds answered by CombineRgn, GetRgnBox and GetWindowRgn.
enum : int { RGN_ERROR = 0, NULLREGION = 1, SIMPLEREGION = 2, COMPLEXREGION = 3 };
// GetCurrentObject kinds.
enum : UINT { OBJ_PAL = 5, OBJ_BITMAP = 7 };
enum : WORD { PALETTE_VERSION = 0x300 };

// ---- objects -----------------------------------------------------------------
struct Palette : GdiObject {
  std::vector<PALETTEENTRY> entries;
};

// The area as disjoint rectangles in y-x bands: sorted by top, then left;
// the rectangles of one band share top and bottom, touching rectangles of a
// band are merged, and two touching bands with the same spans are one band.
// Two regions covering the same area therefore hold the same list.
struct Region : GdiObject {
  std::vector<RECT> rects;
};

// The object behind a handle, or null when it is not a live one of that kind.
Bitmap* bitmap_from_handle(const void* handle);
Palette* palette_from_handle(const void* handle);
Region* region_from_handle(const void* handle);

// ---- memory device contexts and copies ------------------------------------------
// A memory device context (any `dc`, null included, is accepted as the one
// to be compatible with). It starts with a stock 1 by 1 monochrome bitmap and
// the stock palette selected.
HDC CreateCompatibleDC(HDC dc);
// Frees a memory device context; the objects selected into it stay alive.
// FALSE for anything but a live memory device context.
BOOL DeleteDC(HDC dc);
// Selects a bitmap into a memory device context and returns the one selected
// before; null when the context or the bitmap is not a live one (palettes go
// through SelectPalette).
HGDIOBJ SelectObject(HDC dc, HGDIOBJ object);
// The bitmap (OBJ_BITMAP) or palette (OBJ_PAL) selected into a context.
HGDIOBJ GetCurrentObject(HDC dc, UINT type);
// A device-independent bitmap of 1, 4, 8, 16, 24 or 32 bits per pixel,
// uncompressed, zero-filled; its pixels' address goes to *bits. A positive
// height stores the rows bottom-up. Colour tables (DIB_RGB_COLORS only) are
// read from info->bmiColors. Null for a bad header, a file-mapping section or
// a size too large.
HBITMAP CreateDIBSection(HDC dc, const BITMAPINFO* info, UINT usage, void** bits, HANDLE section,
                         DWORD offset);
// Copies colour-table entries of the bitmap selected into `dc` (8 bits per
// pixel or fewer); the number copied.
UINT GetDIBColorTable(HDC dc, UINT start, UINT count, RGBQUAD* colours);
// SRCCOPY from the bitmap selected into a memory device context `src` to a
// memory device context holding a 24- or 32-bit bitmap, or onto a window.
// Each pixel is converted from the source's depth and colour table. The
// rectangle is clipped to both bitmaps (or to the window).
BOOL BitBlt(HDC dst, int x, int y, int cx, int cy, HDC src, int x1, int y1, DWORD rop);

// ---- palettes ------------------------------------------------------------------
// A palette of palNumEntries (1..1024) entries; version 0x300 only.
HPALETTE CreatePalette(const LOGPALETTE* palette);
// 256 entries: a six-level colour cube followed by a ramp of 40 greys.
HPALETTE CreateHalftonePalette(HDC dc);
// Selects a palette into a context and returns the one selected before.
HPALETTE SelectPalette(HDC dc, HPALETTE palette, BOOL force_background);
// Colours are always exact here (32-bit pixels): nothing needs mapping, 0.
UINT RealizePalette(HDC dc);
UINT GetPaletteEntries(HPALETTE palette, UINT start, UINT count, PALETTEENTRY* entries);

// ---- regions -------------------------------------------------------------------
BOOL SetRect(RECT* rect, int left, int top, int right, int bottom);
HRGN CreateRectRgn(int left, int top, int right, int bottom);
// A region from a description of `count` bytes: a 32-byte header of type
// RDH_RECTANGLES whose nCount rectangles fit in the bytes given. Empty and
// inverted rectangles add nothing. Null for a bad description or a transform.
HRGN ExtCreateRegion(const XFORM* transform, DWORD count, const RGNDATA* data);
// dst := src1 op src2 (src2 unused by RGN_COPY); dst may be either source.
// The kind of the result, RGN_ERROR for a bad handle or mode.
int CombineRgn(HRGN dst, HRGN src1, HRGN src2, int mode);
BOOL PtInRegion(HRGN region, int x, int y);
int GetRgnBox(HRGN region, RECT* box);
// Copies a window's shape (SetWindowRgn) into `region`; RGN_ERROR when the
// window has none.
int GetWindowRgn(HWND window, HRGN region);
