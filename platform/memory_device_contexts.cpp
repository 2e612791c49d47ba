// Memory device contexts, DIB sections, colour tables and BitBlt.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <new>

#include "platform/device_context_registry.h"
#include "platform/gdi.h"
#include "platform/window_backend.h"
#include "platform/window_record.h"

namespace {

// Sections larger than this are refused rather than allocated.
constexpr uint64_t kMaxSectionBytes = uint64_t(512) << 20;

HBITMAP stock_bitmap() {
  static Bitmap* bitmap = [] {
    auto* b = new Bitmap();
    b->stock = true;
    b->width = b->height = 1;
    b->bits_per_pixel = 1;
    b->row_bytes = 4;
    b->pixels.assign(4, 0);
    b->palette = {RGBQUAD{0, 0, 0, 0}, RGBQUAD{255, 255, 255, 0}};
    return b;
  }();
  return bitmap;
}

const Bitmap* selected_bitmap(const DeviceContext* dc) {
  return dc && dc->memory ? bitmap_from_handle(dc->bitmap) : nullptr;
}

// Writable stored row of picture row y (0 = top).
BYTE* writable_row(Bitmap& bitmap, int y) { return const_cast<BYTE*>(bitmap_row(bitmap, y)); }

// Depths a copy can write: 24 bits, and 32 bits with the standard channels.
bool writable(const Bitmap& b) {
  if (b.bits_per_pixel == 24) return true;
  return b.bits_per_pixel == 32 && b.red_mask == 0x00FF0000 && b.green_mask == 0x0000FF00 &&
         b.blue_mask == 0x000000FF;
}

// Clips a copy of w by h pixels from (sx, sy) in a source of sw by sh to
// (dx, dy) in a destination of dw by dh; false when nothing is left.
bool clip(int64_t& sx, int64_t& sy, int64_t& dx, int64_t& dy, int64_t& w, int64_t& h, int64_t sw,
          int64_t sh, int64_t dw, int64_t dh) {
  auto cut_low = [&](int64_t& a, int64_t& b, int64_t& extent) {
    const int64_t shift = std::max<int64_t>({0, -a, -b});
    a += shift;
    b += shift;
    extent -= shift;
  };
  cut_low(sx, dx, w);
  cut_low(sy, dy, h);
  w = std::min({w, sw - sx, dw - dx});
  h = std::min({h, sh - sy, dh - dy});
  return w > 0 && h > 0;
}

}  // namespace

HPALETTE stock_palette() {
  static Palette* palette = [] {
    auto* p = new Palette();
    p->stock = true;
    static const BYTE basic[16][3] = {
        {0, 0, 0},     {128, 0, 0},   {0, 128, 0},   {128, 128, 0}, {0, 0, 128},   {128, 0, 128},
        {0, 128, 128}, {192, 192, 192}, {128, 128, 128}, {255, 0, 0}, {0, 255, 0},  {255, 255, 0},
        {0, 0, 255},   {255, 0, 255}, {0, 255, 255}, {255, 255, 255}};
    for (const auto& c : basic) p->entries.push_back(PALETTEENTRY{c[0], c[1], c[2], 0});
    return p;
  }();
  return palette;
}

Bitmap* bitmap_from_handle(const void* handle) {
  return gdi_object_as<Bitmap>(handle);
}

HDC CreateCompatibleDC(HDC) {
  DeviceContext* dc = new (std::nothrow) DeviceContext();
  if (dc == nullptr) return nullptr;
  dc->memory = true;
  dc->bitmap = stock_bitmap();
  dc->palette = stock_palette();
  register_device_context(dc);
  return dc;
}

BOOL DeleteDC(HDC dc) {
  DeviceContext* d = device_context_from_handle(dc);
  if (d == nullptr || !d->memory) return FALSE;
  unregister_device_context(d);
  delete d;
  return TRUE;
}

HGDIOBJ SelectObject(HDC dc, HGDIOBJ object) {
  DeviceContext* d = device_context_from_handle(dc);
  Bitmap* bitmap = bitmap_from_handle(object);
  if (d == nullptr || !d->memory || bitmap == nullptr) return nullptr;
  HGDIOBJ previous = d->bitmap;
  d->bitmap = bitmap;
  return previous;
}

HGDIOBJ GetCurrentObject(HDC dc, UINT type) {
  DeviceContext* d = device_context_from_handle(dc);
  if (d == nullptr) return nullptr;
  if (type == OBJ_BITMAP) return d->memory ? d->bitmap : nullptr;
  if (type == OBJ_PAL) return d->palette ? d->palette : stock_palette();
  return nullptr;
}

HBITMAP CreateDIBSection(HDC, const BITMAPINFO* info, UINT usage, void** bits, HANDLE section,
                         DWORD) {
  if (bits) *bits = nullptr;
  if (info == nullptr || section != nullptr) return nullptr;
  const BITMAPINFOHEADER& h = info->bmiHeader;
  const int bpp = h.biBitCount;
  if (h.biSize < sizeof(BITMAPINFOHEADER) || h.biWidth <= 0 || h.biHeight == 0 ||
      h.biPlanes != 1 || h.biCompression != BI_RGB)
    return nullptr;
  if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 16 && bpp != 24 && bpp != 32) return nullptr;
  if (bpp <= 8 && usage != DIB_RGB_COLORS) return nullptr;
  const int64_t rows = h.biHeight < 0 ? -int64_t(h.biHeight) : int64_t(h.biHeight);
  const uint64_t row_bytes = (uint64_t(h.biWidth) * uint64_t(bpp) + 31) / 32 * 4;
  if (row_bytes * uint64_t(rows) > kMaxSectionBytes) return nullptr;
  const uint32_t capacity = bpp <= 8 ? (1u << bpp) : 0;
  if (bpp <= 8 && h.biClrUsed > capacity) return nullptr;

  Bitmap* b = new (std::nothrow) Bitmap();
  if (b == nullptr) return nullptr;
  try {
    b->pixels.assign(size_t(row_bytes * uint64_t(rows)), 0);
    if (bpp <= 8) {
      b->palette.assign(capacity, RGBQUAD{0, 0, 0, 0});
      const uint32_t given = h.biClrUsed ? h.biClrUsed : capacity;
      // The colour table runs on past the declared one-element array.
      std::memcpy(b->palette.data(),
                  reinterpret_cast<const BYTE*>(info) + offsetof(BITMAPINFO, bmiColors),
                  given * sizeof(RGBQUAD));
      for (RGBQUAD& c : b->palette) c.rgbReserved = 0;
    }
  } catch (const std::bad_alloc&) {
    delete b;
    return nullptr;
  }
  b->width = h.biWidth;
  b->height = int(rows);
  b->top_down = h.biHeight < 0;
  b->bits_per_pixel = bpp;
  b->row_bytes = int(row_bytes);
  if (bpp == 16) {
    b->red_mask = 0x7C00;
    b->green_mask = 0x03E0;
    b->blue_mask = 0x001F;
  } else if (bpp == 32) {
    b->red_mask = 0x00FF0000;
    b->green_mask = 0x0000FF00;
    b->blue_mask = 0x000000FF;
  }
  if (bits) *bits = b->pixels.data();
  return b;
}

UINT GetDIBColorTable(HDC dc, UINT start, UINT count, RGBQUAD* colours) {
  const Bitmap* b = selected_bitmap(device_context_from_handle(dc));
  if (b == nullptr || colours == nullptr || b->bits_per_pixel > 8) return 0;
  if (start >= b->palette.size()) return 0;
  const UINT n = std::min<UINT>(count, UINT(b->palette.size()) - start);
  std::memcpy(colours, b->palette.data() + start, n * sizeof(RGBQUAD));
  return n;
}

BOOL BitBlt(HDC dst, int x, int y, int cx, int cy, HDC src, int x1, int y1, DWORD rop) {
  if (rop != SRCCOPY || cx < 0 || cy < 0) return FALSE;
  DeviceContext* d = device_context_from_handle(dst);
  const Bitmap* from = selected_bitmap(device_context_from_handle(src));
  if (d == nullptr || from == nullptr) return FALSE;

  PlatformWindow* window = d->memory ? nullptr : window_from_handle(d->window);
  Bitmap* to = d->memory ? bitmap_from_handle(d->bitmap) : nullptr;
  if (window == nullptr && (to == nullptr || !writable(*to))) return FALSE;
  const int64_t dw = window ? window->width : to->width;
  const int64_t dh = window ? window->height : to->height;

  int64_t sx = x1, sy = y1, dx = x, dy = y, w = cx, h = cy;
  if (!clip(sx, sy, dx, dy, w, h, from->width, from->height, dw, dh)) return TRUE;

  // Converted through a buffer first, so a bitmap copied onto itself reads
  // every pixel before any is written.
  std::vector<uint32_t> pixels;
  try {
    pixels.resize(size_t(w * h));
  } catch (const std::bad_alloc&) {
    return FALSE;
  }
  for (int64_t row = 0; row < h; ++row)
    for (int64_t col = 0; col < w; ++col) {
      const RGBQUAD c = bitmap_pixel(*from, int(sx + col), int(sy + row));
      pixels[size_t(row * w + col)] =
          (uint32_t(c.rgbRed) << 16) | (uint32_t(c.rgbGreen) << 8) | c.rgbBlue;
    }

  if (window) {
    window_backend().put_image(window, int(dx), int(dy), int(w), int(h), pixels.data(), int(w));
    return TRUE;
  }
  const int step = to->bits_per_pixel / 8;
  for (int64_t row = 0; row < h; ++row) {
    BYTE* out = writable_row(*to, int(dy + row));
    if (out == nullptr) return FALSE;
    for (int64_t col = 0; col < w; ++col) {
      const uint32_t p = pixels[size_t(row * w + col)];
      BYTE* at = out + size_t(dx + col) * step;
      at[0] = BYTE(p);
      at[1] = BYTE(p >> 8);
      at[2] = BYTE(p >> 16);
      if (step == 4) at[3] = 0;
    }
  }
  return TRUE;
}
