#include <sys/stat.h>

#include <cstdint>
#include <cstring>
#include <fstream>
#include <limits>
#include <new>

#include "platform/bitmap.h"

namespace {

// Files larger than this are refused rather than read into memory: the
// biggest texture anyone would load (8192 x 8192 at 32 bits) is 256 MiB.
constexpr uint64_t MAX_FILE_BYTES = uint64_t(512) << 20;

uint16_t read_u16(const BYTE* p) { return uint16_t(p[0] | (p[1] << 8)); }

uint32_t read_u32(const BYTE* p) {
  return uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16) |
         (uint32_t(p[3]) << 24);
}

int32_t read_s32(const BYTE* p) {
  const uint32_t v = read_u32(p);
  int32_t s;
  std::memcpy(&s, &v, sizeof s);
  return s;
}

// A channel mask must be one run of set bits (or empty) inside the pixel.
bool mask_is_valid(DWORD mask, int bits_per_pixel) {
  if (bits_per_pixel == 16 && (mask & 0xFFFF0000u)) return false;
  if (mask == 0) return true;
  const DWORD lowest = mask & (~mask + 1);
  return ((mask + lowest) & mask) == 0;
}

// The value of one channel scaled to 0..255.
BYTE channel(DWORD pixel, DWORD mask, BYTE absent) {
  if (mask == 0) return absent;
  int shift = 0;
  while (!((mask >> shift) & 1u)) ++shift;
  const DWORD field = mask >> shift;
  int bits = 0;
  while (bits < 32 && ((field >> bits) & 1u)) ++bits;
  const DWORD value = (pixel & mask) >> shift;
  if (bits >= 8) return BYTE(value >> (bits - 8));
  const DWORD max = field;  // 2^bits - 1
  return BYTE((value * 255u + max / 2) / max);
}

bool is_regular_file(const char* name) {
  struct stat st;
  return ::stat(name, &st) == 0 && S_ISREG(st.st_mode);
}

// Reads a whole regular file; false when it is missing, unreadable or too
// large.
bool read_file(const char* name, std::vector<BYTE>& out) {
  if (!is_regular_file(name)) return false;
  std::ifstream in(name, std::ios::binary);
  if (!in) return false;
  in.seekg(0, std::ios::end);
  const std::streamoff end = in.tellg();
  if (end < 0 || uint64_t(end) > MAX_FILE_BYTES) return false;
  in.seekg(0, std::ios::beg);
  try {
    out.resize(size_t(end));
  } catch (const std::bad_alloc&) {
    return false;
  }
  return end == 0 || bool(in.read(reinterpret_cast<char*>(out.data()), end));
}

}  // namespace

const BYTE* bitmap_row(const Bitmap& bitmap, int y) {
  if (y < 0 || y >= bitmap.height) return nullptr;
  const int stored = bitmap.top_down ? y : bitmap.height - 1 - y;
  const size_t offset = size_t(stored) * size_t(bitmap.row_bytes);
  if (offset + size_t(bitmap.row_bytes) > bitmap.pixels.size()) return nullptr;
  return bitmap.pixels.data() + offset;
}

RGBQUAD bitmap_pixel(const Bitmap& bitmap, int x, int y) {
  const RGBQUAD none = {0, 0, 0, 0};
  const BYTE* row = bitmap_row(bitmap, y);
  if (!row || x < 0 || x >= bitmap.width) return none;
  const int bpp = bitmap.bits_per_pixel;
  if (bpp <= 8) {
    const size_t bit = size_t(x) * size_t(bpp);
    const int shift = 8 - bpp - int(bit % 8);  // leftmost pixel in the high bits
    const unsigned index = (row[bit / 8] >> shift) & ((1u << bpp) - 1u);
    if (index >= bitmap.palette.size()) return none;
    RGBQUAD c = bitmap.palette[index];
    c.rgbReserved = 255;
    return c;
  }
  if (bpp == 24) {
    const BYTE* p = row + size_t(x) * 3;
    return RGBQUAD{p[0], p[1], p[2], 255};
  }
  DWORD pixel = 0;
  if (bpp == 16) {
    pixel = read_u16(row + size_t(x) * 2);
  } else if (bpp == 32) {
    pixel = read_u32(row + size_t(x) * 4);
  } else {
    return none;
  }
  return RGBQUAD{channel(pixel, bitmap.blue_mask, 0), channel(pixel, bitmap.green_mask, 0),
                 channel(pixel, bitmap.red_mask, 0), channel(pixel, bitmap.alpha_mask, 255)};
}

std::unique_ptr<Bitmap> decode_bmp(const BYTE* data, size_t size) {
  // File header (14 bytes) and the size field of the information header.
  if (!data || size < 18) return nullptr;
  if (data[0] != 'B' || data[1] != 'M') return nullptr;
  const uint64_t pixel_offset = read_u32(data + 10);
  const uint32_t header_size = read_u32(data + 14);
  const bool core = header_size == 12;
  if (!core && header_size != 40 && header_size != 52 && header_size != 56 &&
      header_size != 108 && header_size != 124)
    return nullptr;
  if (uint64_t(header_size) > size - 14) return nullptr;

  const BYTE* h = data + 14;
  int64_t width, height;
  int bpp;
  DWORD compression = BI_RGB;
  uint64_t colours_used = 0;
  size_t entry_bytes = 4;
  if (core) {
    width = read_u16(h + 4);
    height = read_u16(h + 6);
    bpp = read_u16(h + 10);
    entry_bytes = 3;
    if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 24) return nullptr;
  } else {
    width = read_s32(h + 4);
    height = read_s32(h + 8);
    bpp = read_u16(h + 14);
    compression = read_u32(h + 16);
    colours_used = read_u32(h + 32);
    if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 16 && bpp != 24 && bpp != 32)
      return nullptr;
  }
  if (width <= 0 || height == 0) return nullptr;
  const bool top_down = height < 0;
  const uint64_t rows = uint64_t(top_down ? -height : height);
  if (rows > uint64_t(std::numeric_limits<int32_t>::max())) return nullptr;

  uint64_t pos = 14 + uint64_t(header_size);
  DWORD masks[4] = {0, 0, 0, 0};  // red, green, blue, alpha
  if (compression == BI_BITFIELDS) {
    if (bpp != 16 && bpp != 32) return nullptr;
    if (header_size == 40) {
      if (size - pos < 12) return nullptr;
      for (int i = 0; i < 3; ++i) masks[i] = read_u32(data + pos + 4 * i);
      pos += 12;
    } else {
      for (int i = 0; i < 3; ++i) masks[i] = read_u32(h + 40 + 4 * i);
      if (header_size >= 56) masks[3] = read_u32(h + 52);
    }
    for (DWORD m : masks)
      if (!mask_is_valid(m, bpp)) return nullptr;
  } else if (compression == BI_RGB) {
    if (bpp == 16) {
      masks[0] = 0x7C00; masks[1] = 0x03E0; masks[2] = 0x001F;
    } else if (bpp == 32) {
      masks[0] = 0x00FF0000; masks[1] = 0x0000FF00; masks[2] = 0x000000FF; masks[3] = 0xFF000000;
    }
  } else {
    return nullptr;  // run-length, JPEG and PNG compression are not supported
  }

  // The colour table follows the headers (and the masks); it must lie in
  // the file and may not name more colours than the depth can index.
  std::vector<RGBQUAD> palette;
  if (bpp <= 8) {
    const uint64_t capacity = uint64_t(1) << bpp;
    const uint64_t entries = colours_used ? colours_used : capacity;
    if (entries > capacity) return nullptr;
    if (entries * entry_bytes > size - pos) return nullptr;
    palette.assign(size_t(capacity), RGBQUAD{0, 0, 0, 0});
    for (uint64_t i = 0; i < entries; ++i) {
      const BYTE* e = data + pos + i * entry_bytes;
      palette[size_t(i)] = RGBQUAD{e[0], e[1], e[2], 0};
    }
  }

  // The pixels start at the file header's offset, after the headers, and
  // must lie wholly inside the file.
  if (pixel_offset < pos || pixel_offset > size) return nullptr;
  const uint64_t row_bytes = (uint64_t(width) * uint64_t(bpp) + 31) / 32 * 4;
  const uint64_t available = size - pixel_offset;
  if (row_bytes > available || row_bytes > uint64_t(std::numeric_limits<int32_t>::max()))
    return nullptr;
  if (rows > available / row_bytes) return nullptr;
  const uint64_t image_bytes = row_bytes * rows;

  std::unique_ptr<Bitmap> bitmap;
  try {
    bitmap.reset(new Bitmap);
    bitmap->pixels.assign(data + pixel_offset, data + pixel_offset + image_bytes);
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
  bitmap->width = int(width);
  bitmap->height = int(rows);
  bitmap->top_down = top_down;
  bitmap->bits_per_pixel = bpp;
  bitmap->row_bytes = int(row_bytes);
  bitmap->palette = std::move(palette);
  bitmap->red_mask = masks[0];
  bitmap->green_mask = masks[1];
  bitmap->blue_mask = masks[2];
  bitmap->alpha_mask = masks[3];
  return bitmap;
}

HANDLE LoadImageA(HINSTANCE, LPCSTR name, UINT type, int cx, int cy, UINT flags) {
  if (!name || type != IMAGE_BITMAP || !(flags & LR_LOADFROMFILE) || cx != 0 || cy != 0)
    return nullptr;
  std::vector<BYTE> file;
  if (!read_file(name, file)) return nullptr;
  std::unique_ptr<Bitmap> bitmap = decode_bmp(file.data(), file.size());
  if (!bitmap) return nullptr;
  return static_cast<GdiObject*>(bitmap.release());
}

int GetObjectA(HANDLE object, int size, LPVOID out) {
  const Bitmap* bitmap = gdi_object_as<Bitmap>(object);
  if (!bitmap) return 0;
  if (!out) return int(sizeof(BITMAP));
  if (size < int(sizeof(BITMAP))) return 0;
  BITMAP description;
  description.bmType = 0;
  description.bmWidth = bitmap->width;
  description.bmHeight = bitmap->height;
  description.bmWidthBytes = bitmap->row_bytes;
  description.bmPlanes = 1;
  description.bmBitsPixel = WORD(bitmap->bits_per_pixel);
  description.bmBits = const_cast<BYTE*>(bitmap->pixels.data());
  std::memcpy(out, &description, sizeof description);
  return int(sizeof(BITMAP));
}
