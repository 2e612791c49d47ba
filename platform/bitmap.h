// Bitmaps in memory and the BMP image loader (LoadImageA, GetObjectA).
// Display-independent: decoding and the pixel memory are plain C++.
#pragma once

#include <cstddef>
#include <memory>
#include <vector>

#include "platform/gdi_object.h"
#include "platform/types.h"

// ---- records ---------------------------------------------------------------
// One colour-table entry: blue, green, red, reserved (the byte order of a BMP
// colour table and of 32-bit pixels).
struct RGBQUAD {
  BYTE rgbBlue;
  BYTE rgbGreen;
  BYTE rgbRed;
  BYTE rgbReserved;
};

// The 40-byte information header of a device-independent bitmap. A negative
// biHeight means the rows are stored top row first.
struct BITMAPINFOHEADER {
  DWORD biSize;
  LONG biWidth;
  LONG biHeight;
  WORD biPlanes;
  WORD biBitCount;
  DWORD biCompression;
  DWORD biSizeImage;
  LONG biXPelsPerMeter;
  LONG biYPelsPerMeter;
  DWORD biClrUsed;
  DWORD biClrImportant;
};
static_assert(sizeof(BITMAPINFOHEADER) == 40, "BITMAPINFOHEADER must be packed to 40 bytes");

struct BITMAPINFO {
  BITMAPINFOHEADER bmiHeader;
  RGBQUAD bmiColors[1];
};

// Description of a bitmap as GetObjectA returns it. bmHeight is always
// positive; bmWidthBytes is the length of one stored row (a multiple of 4).
struct BITMAP {
  LONG bmType;
  LONG bmWidth;
  LONG bmHeight;
  LONG bmWidthBytes;
  WORD bmPlanes;
  WORD bmBitsPixel;
  LPVOID bmBits;
};

// ---- constants ---------------------------------------------------------------
enum : UINT { IMAGE_BITMAP = 0 };
enum : UINT {
  LR_DEFAULTCOLOR = 0x0000,
  LR_LOADFROMFILE = 0x0010,
  LR_LOADTRANSPARENT = 0x0020,
  LR_CREATEDIBSECTION = 0x2000,
};
enum : DWORD { BI_RGB = 0, BI_BITFIELDS = 3 };

// ---- the bitmap object ---------------------------------------------------------
// Pixels in the file's own depth (1, 4, 8, 16, 24 or 32 bits) and in the
// file's own row order: `top_down` false means row 0 of `pixels` is the
// bottom row of the picture (an ordinary BMP), true means it is the top row.
// Every row takes `row_bytes` bytes, padded to a multiple of 4.
//
// Depths of 8 bits or fewer carry a colour table of exactly 2^depth entries;
// entries the file did not define are black. 16- and 32-bit pixels are kept
// as the file stores them, with the channel masks that read them: the file's
// bit-field masks, or for uncompressed files the standard ones (5-5-5 for 16
// bits; for 32 bits blue, green, red bytes with the fourth byte as alpha).
// A mask of 0 means the channel is absent.
struct Bitmap : GdiObject {
  int width = 0;
  int height = 0;  // always positive
  bool top_down = false;
  int bits_per_pixel = 0;
  int row_bytes = 0;
  std::vector<BYTE> pixels;
  std::vector<RGBQUAD> palette;
  DWORD red_mask = 0, green_mask = 0, blue_mask = 0, alpha_mask = 0;
};

// The stored row holding picture row `y` (0 = top row), or null outside the
// bitmap.
const BYTE* bitmap_row(const Bitmap& bitmap, int y);
// The colour of picture pixel (x, y), (0, 0) the top left corner, resolved
// through the colour table or the channel masks to 8 bits per channel.
// rgbReserved carries the alpha channel (255 when the bitmap has none).
// Black with alpha 0 outside the bitmap.
RGBQUAD bitmap_pixel(const Bitmap& bitmap, int x, int y);

// Decodes a complete BMP file held in memory. Null for anything malformed,
// truncated or not supported; never reads outside [data, data + size).
// Supported: the 12-byte core header and the 40, 52, 56, 108 and 124-byte
// information headers; 1, 4, 8, 16, 24 and 32 bits per pixel; uncompressed
// files and bit-field files (16 and 32 bits); bottom-up and top-down rows.
std::unique_ptr<Bitmap> decode_bmp(const BYTE* data, size_t size);

// ---- the platform calls --------------------------------------------------------
// Loads a bitmap from a BMP file (type IMAGE_BITMAP with LR_LOADFROMFILE; the
// instance plays no part then, LR_CREATEDIBSECTION and LR_LOADTRANSPARENT are
// accepted and change nothing). cx and cy must be 0: the image keeps its own
// size. Returns the bitmap (free it with DeleteObject), or null for a missing,
// unreadable or malformed file or an unsupported request.
HANDLE LoadImageA(HINSTANCE instance, LPCSTR name, UINT type, int cx, int cy, UINT flags);

// Fills `out` with the BITMAP description of a bitmap. `size` must be at
// least sizeof(BITMAP) (32 bytes here, where pointers take 8); with a null
// `out` the size needed is returned. Returns the bytes written, 0 for a
// handle that is not a live bitmap or a buffer too small.
int GetObjectA(HANDLE object, int size, LPVOID out);
