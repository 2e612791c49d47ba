#include "platform/cursor_file.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

constexpr size_t kDirectoryBytes = 6;
constexpr size_t kEntryBytes = 16;
constexpr size_t kInfoHeaderBytes = 40;
constexpr size_t kMaxFileBytes = 1u << 20;
constexpr int kMaxSide = 256;

uint16_t u16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }
uint32_t u32(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
         (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
}
int32_t s32(const uint8_t* p) { return static_cast<int32_t>(u32(p)); }

struct Entry {
  int width;
  int height;
  int hot_x;
  int hot_y;
  uint32_t bytes;
  uint32_t offset;
};

// Decodes one image: [image, image + length) is the entry's data, already
// checked to lie inside the file.
bool decode_image(const uint8_t* image, size_t length, const Entry& entry, bool is_cursor,
                  CursorImage* out) {
  static const uint8_t kPng[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
  if (length >= 8 && std::memcmp(image, kPng, 8) == 0) return false;  // compressed
  if (length < kInfoHeaderBytes) return false;
  const uint32_t header_size = u32(image);
  if (header_size < kInfoHeaderBytes || header_size > length) return false;
  const int32_t width = s32(image + 4);
  const int32_t double_height = s32(image + 8);
  const uint16_t planes = u16(image + 12);
  const uint16_t bpp = u16(image + 14);
  const uint32_t compression = u32(image + 16);
  const uint32_t colours_used = u32(image + 32);
  if (planes != 1 || compression != 0) return false;
  if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 24 && bpp != 32) return false;
  if (width < 1 || width > kMaxSide) return false;
  if (double_height < 2 || double_height > 2 * kMaxSide || double_height % 2 != 0) return false;
  const int height = double_height / 2;

  size_t palette_entries = 0;
  if (bpp <= 8) {
    const size_t full = size_t{1} << bpp;
    if (colours_used > full) return false;
    palette_entries = colours_used ? colours_used : full;
  }
  const size_t palette_at = header_size;
  const size_t xor_stride = ((static_cast<size_t>(width) * bpp + 31) / 32) * 4;
  const size_t and_stride = ((static_cast<size_t>(width) + 31) / 32) * 4;
  const size_t xor_at = palette_at + palette_entries * 4;
  const size_t and_at = xor_at + xor_stride * static_cast<size_t>(height);
  const size_t end = and_at + and_stride * static_cast<size_t>(height);
  if (end > length) return false;

  const uint8_t* palette = image + palette_at;
  CursorImage result;
  result.width = width;
  result.height = height;
  result.argb.assign(static_cast<size_t>(width) * static_cast<size_t>(height), 0);
  bool any_alpha = false;
  for (int y = 0; y < height; ++y) {
    // Rows are stored bottom-up.
    const uint8_t* xr = image + xor_at + xor_stride * static_cast<size_t>(height - 1 - y);
    const uint8_t* ar = image + and_at + and_stride * static_cast<size_t>(height - 1 - y);
    for (int x = 0; x < width; ++x) {
      uint32_t rgb = 0;
      uint32_t alpha = 0;
      if (bpp <= 8) {
        const size_t bit = static_cast<size_t>(x) * bpp;
        const unsigned shift = static_cast<unsigned>(8 - bpp - (bit % 8));
        const unsigned index = (xr[bit / 8] >> shift) & ((1u << bpp) - 1u);
        if (index < palette_entries) {
          const uint8_t* q = palette + index * 4;
          rgb = (static_cast<uint32_t>(q[2]) << 16) | (static_cast<uint32_t>(q[1]) << 8) | q[0];
        }
      } else if (bpp == 24) {
        const uint8_t* q = xr + static_cast<size_t>(x) * 3;
        rgb = (static_cast<uint32_t>(q[2]) << 16) | (static_cast<uint32_t>(q[1]) << 8) | q[0];
      } else {
        const uint8_t* q = xr + static_cast<size_t>(x) * 4;
        rgb = (static_cast<uint32_t>(q[2]) << 16) | (static_cast<uint32_t>(q[1]) << 8) | q[0];
        alpha = q[3];
        if (alpha) any_alpha = true;
      }
      const bool transparent = (ar[x / 8] >> (7 - x % 8)) & 1u;
      // AND set over black is see-through; AND set over a colour would invert
      // the screen, which an X cursor cannot do: it shows the colour.
      const uint32_t mask_alpha = (transparent && rgb == 0) ? 0u : 255u;
      result.argb[static_cast<size_t>(y) * width + x] = ((bpp == 32 ? alpha : mask_alpha) << 24) | rgb;
    }
  }
  if (bpp == 32 && !any_alpha) {
    // No alpha channel in use: the AND mask says what is transparent.
    for (int y = 0; y < height; ++y) {
      const uint8_t* ar = image + and_at + and_stride * static_cast<size_t>(height - 1 - y);
      for (int x = 0; x < width; ++x) {
        uint32_t& px = result.argb[static_cast<size_t>(y) * width + x];
        const bool transparent = (ar[x / 8] >> (7 - x % 8)) & 1u;
        const uint32_t rgb = px & 0xFFFFFFu;
        px = ((transparent && rgb == 0) ? 0u : 0xFF000000u) | rgb;
      }
    }
  }
  if (is_cursor) {
    result.hot_x = std::min(entry.hot_x, width - 1);
    result.hot_y = std::min(entry.hot_y, height - 1);
  } else {
    result.hot_x = width / 2;
    result.hot_y = height / 2;
  }
  *out = std::move(result);
  return true;
}

}  // namespace

bool decode_cursor_file(const uint8_t* data, size_t size, CursorImage* out) {
  if (data == nullptr || out == nullptr || size < kDirectoryBytes) return false;
  const uint16_t reserved = u16(data);
  const uint16_t type = u16(data + 2);
  const uint16_t count = u16(data + 4);
  if (reserved != 0 || (type != 1 && type != 2) || count == 0) return false;
  if (kDirectoryBytes + kEntryBytes * count > size) return false;

  std::vector<Entry> entries;
  for (uint16_t i = 0; i < count; ++i) {
    const uint8_t* e = data + kDirectoryBytes + kEntryBytes * i;
    Entry entry;
    entry.width = e[0] ? e[0] : 256;
    entry.height = e[1] ? e[1] : 256;
    entry.hot_x = u16(e + 4);
    entry.hot_y = u16(e + 6);
    entry.bytes = u32(e + 8);
    entry.offset = u32(e + 12);
    entries.push_back(entry);
  }
  // Closest to 32 by 32 first; the file's order breaks ties.
  std::stable_sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
    return std::abs(a.width - 32) + std::abs(a.height - 32) <
           std::abs(b.width - 32) + std::abs(b.height - 32);
  });
  for (const Entry& entry : entries) {
    if (entry.offset >= size || entry.bytes > size - entry.offset) continue;
    if (decode_image(data + entry.offset, entry.bytes, entry, type == 2, out)) return true;
  }
  return false;
}

bool load_cursor_file(const std::string& path, CursorImage* out) {
  if (path.empty()) return false;
  FILE* f = std::fopen(path.c_str(), "rb");
  if (f == nullptr) return false;
  std::vector<uint8_t> bytes;
  uint8_t buffer[4096];
  size_t n;
  bool too_big = false;
  while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) {
    bytes.insert(bytes.end(), buffer, buffer + n);
    if (bytes.size() > kMaxFileBytes) {
      too_big = true;
      break;
    }
  }
  const bool failed = std::ferror(f) != 0;
  std::fclose(f);
  if (too_big || failed) return false;
  return decode_cursor_file(bytes.data(), bytes.size(), out);
}
