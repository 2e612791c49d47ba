// Logical palettes: made from a description or as the halftone palette, and
// selected into device contexts. Pixels here are always 32-bit colours, so a
// palette never changes how a copy converts its pixels.

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <new>

#include "platform/device_context_registry.h"
#include "platform/gdi.h"

// The palette every device context starts with (memory_device_contexts.cpp).
HPALETTE stock_palette();

namespace {

constexpr UINT kMaxPaletteEntries = 1024;

HPALETTE make_palette(std::vector<PALETTEENTRY> entries) {
  try {
    auto* p = new Palette();
    p->entries = std::move(entries);
    return p;
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}

}  // namespace

Palette* palette_from_handle(const void* handle) {
  return gdi_object_as<Palette>(handle);
}

HPALETTE CreatePalette(const LOGPALETTE* palette) {
  if (palette == nullptr || palette->palVersion != PALETTE_VERSION) return nullptr;
  const UINT n = palette->palNumEntries;
  if (n == 0 || n > kMaxPaletteEntries) return nullptr;
  std::vector<PALETTEENTRY> entries(n);
  // The entries run on past the declared one-element array.
  std::memcpy(entries.data(),
              reinterpret_cast<const BYTE*>(palette) + offsetof(LOGPALETTE, palPalEntry),
              n * sizeof(PALETTEENTRY));
  return make_palette(std::move(entries));
}

HPALETTE CreateHalftonePalette(HDC) {
  std::vector<PALETTEENTRY> entries;
  entries.reserve(256);
  for (int r = 0; r < 6; ++r)
    for (int g = 0; g < 6; ++g)
      for (int b = 0; b < 6; ++b)
        entries.push_back(PALETTEENTRY{BYTE(r * 51), BYTE(g * 51), BYTE(b * 51), 0});
  for (int i = 0; i < 40; ++i) {
    const BYTE grey = BYTE((i * 255 + 19) / 39);
    entries.push_back(PALETTEENTRY{grey, grey, grey, 0});
  }
  return make_palette(std::move(entries));
}

HPALETTE SelectPalette(HDC dc, HPALETTE palette, BOOL) {
  DeviceContext* d = device_context_from_handle(dc);
  if (d == nullptr || palette_from_handle(palette) == nullptr) return nullptr;
  HPALETTE previous = d->palette ? d->palette : stock_palette();
  d->palette = palette;
  return previous;
}

UINT RealizePalette(HDC dc) {
  (void)dc;
  return 0;
}

UINT GetPaletteEntries(HPALETTE palette, UINT start, UINT count, PALETTEENTRY* entries) {
  const Palette* p = palette_from_handle(palette);
  if (p == nullptr) return 0;
  if (entries == nullptr) return UINT(p->entries.size());
  if (start >= p->entries.size()) return 0;
  const UINT n = std::min<UINT>(count, UINT(p->entries.size()) - start);
  std::memcpy(entries, p->entries.data() + start, n * sizeof(PALETTEENTRY));
  return n;
}
