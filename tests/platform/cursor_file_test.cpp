// Cursor files, system cursors, the application icon and stock brushes.

#include "platform/cursor_file.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "platform/resource_objects.h"
#include "platform/resources.h"

namespace {

void put16(std::vector<uint8_t>& v, size_t at, uint16_t x) {
  v[at] = static_cast<uint8_t>(x);
  v[at + 1] = static_cast<uint8_t>(x >> 8);
}
void put32(std::vector<uint8_t>& v, size_t at, uint32_t x) {
  for (int i = 0; i < 4; ++i) v[at + i] = static_cast<uint8_t>(x >> (8 * i));
}

struct Image {
  int width, height, bpp;
  int hot_x, hot_y;
};

// One directory entry's image data: header, palette, XOR rows, AND rows.
// Pixel (x, y), y = 0 at the top: inside the top-left 16 by 16 square it is
// opaque, white in the top-left 8 by 8 square and black elsewhere; outside
// the square it is see-through. 32-bit images carry alpha 0x80 there.
std::vector<uint8_t> image_data(const Image& im) {
  const size_t palette = im.bpp <= 8 ? (size_t{1} << im.bpp) * 4 : 0;
  const size_t xor_stride = ((static_cast<size_t>(im.width) * im.bpp + 31) / 32) * 4;
  const size_t and_stride = ((static_cast<size_t>(im.width) + 31) / 32) * 4;
  std::vector<uint8_t> d(40 + palette + (xor_stride + and_stride) * im.height, 0);
  put32(d, 0, 40);
  put32(d, 4, static_cast<uint32_t>(im.width));
  put32(d, 8, static_cast<uint32_t>(im.height * 2));
  put16(d, 12, 1);
  put16(d, 14, static_cast<uint16_t>(im.bpp));
  if (palette) {
    put32(d, 40 + 4, 0x00FFFFFF);  // entry 1 white, entry 0 black
  }
  const size_t xor_at = 40 + palette, and_at = xor_at + xor_stride * im.height;
  for (int y = 0; y < im.height; ++y) {
    const size_t row = static_cast<size_t>(im.height - 1 - y);  // bottom-up
    for (int x = 0; x < im.width; ++x) {
      const bool opaque = x < 16 && y < 16;
      const bool white = x < 8 && y < 8;
      uint8_t* px = &d[xor_at + row * xor_stride];
      if (im.bpp == 1 && white) px[x / 8] |= static_cast<uint8_t>(0x80 >> (x % 8));
      if (im.bpp == 8 && white) px[x] = 1;
      if (im.bpp == 24 && white) px[x * 3] = px[x * 3 + 1] = px[x * 3 + 2] = 0xFF;
      if (im.bpp == 32) {
        if (white) px[x * 4] = px[x * 4 + 1] = px[x * 4 + 2] = 0xFF;
        if (opaque) px[x * 4 + 3] = 0x80;
      }
      if (!opaque) d[and_at + row * and_stride + x / 8] |= static_cast<uint8_t>(0x80 >> (x % 8));
    }
  }
  return d;
}

std::vector<uint8_t> cursor_file(const std::vector<Image>& images, uint16_t type = 2) {
  std::vector<uint8_t> f(6 + 16 * images.size(), 0);
  put16(f, 2, type);
  put16(f, 4, static_cast<uint16_t>(images.size()));
  for (size_t i = 0; i < images.size(); ++i) {
    const Image& im = images[i];
    const std::vector<uint8_t> data = image_data(im);
    const size_t e = 6 + 16 * i;
    f[e] = static_cast<uint8_t>(im.width);
    f[e + 1] = static_cast<uint8_t>(im.height);
    put16(f, e + 4, static_cast<uint16_t>(im.hot_x));
    put16(f, e + 6, static_cast<uint16_t>(im.hot_y));
    put32(f, e + 8, static_cast<uint32_t>(data.size()));
    put32(f, e + 12, static_cast<uint32_t>(f.size()));
    f.insert(f.end(), data.begin(), data.end());
  }
  return f;
}

uint32_t pixel(const CursorImage& c, int x, int y) {
  return c.argb[static_cast<size_t>(y) * c.width + x];
}

TEST(CursorFile, DecodesEveryUncompressedDepth) {
  for (int bpp : {1, 8, 24, 32}) {
    const auto file = cursor_file({{32, 32, bpp, 3, 5}});
    CursorImage c;
    ASSERT_TRUE(decode_cursor_file(file.data(), file.size(), &c)) << bpp;
    EXPECT_EQ(c.width, 32);
    EXPECT_EQ(c.height, 32);
    EXPECT_EQ(c.hot_x, 3);
    EXPECT_EQ(c.hot_y, 5);
    const uint32_t alpha = bpp == 32 ? 0x80000000u : 0xFF000000u;
    EXPECT_EQ(pixel(c, 0, 0), alpha | 0xFFFFFF) << bpp;
    EXPECT_EQ(pixel(c, 10, 10), alpha) << bpp;
    EXPECT_EQ(pixel(c, 20, 20), 0u) << bpp;
    EXPECT_EQ(pixel(c, 10, 20), 0u) << bpp << ": rows are read bottom-up";
  }
}

TEST(CursorFile, PicksTheEntryClosestTo32AndFallsBackPastBrokenOnes) {
  auto file = cursor_file({{16, 16, 1, 1, 1}, {32, 32, 1, 2, 2}, {48, 48, 1, 4, 4}});
  CursorImage c;
  ASSERT_TRUE(decode_cursor_file(file.data(), file.size(), &c));
  EXPECT_EQ(c.width, 32);
  // Break the 32 by 32 entry (planes 2): the 16 by 16 one is next closest.
  const size_t offset = file[6 + 16 + 12] | (file[6 + 16 + 13] << 8);
  file[offset + 12] = 2;
  ASSERT_TRUE(decode_cursor_file(file.data(), file.size(), &c));
  EXPECT_EQ(c.width, 16);
  // An icon file has no hot spot: the centre serves.
  const auto icon = cursor_file({{32, 32, 1, 3, 5}}, 1);
  ASSERT_TRUE(decode_cursor_file(icon.data(), icon.size(), &c));
  EXPECT_EQ(c.hot_x, 16);
}

TEST(CursorFile, RefusesMalformedFiles) {
  const auto good = cursor_file({{32, 32, 8, 0, 0}});
  const size_t image = 6 + 16;
  struct Case {
    const char* name;
    size_t at;
    int bytes;  // 2 or 4
    uint32_t value;
  } cases[] = {
      {"reserved field set", 0, 2, 1},         {"unknown type", 2, 2, 3},
      {"no entries", 4, 2, 0},                  {"more entries than the file holds", 4, 2, 500},
      {"data beyond the end", 6 + 8, 4, 100000}, {"offset beyond the end", 6 + 12, 4, 100000},
      {"header too short", image, 4, 12},       {"header longer than the data", image, 4, 5000},
      {"two planes", image + 12, 2, 2},         {"16 bits per pixel", image + 14, 2, 16},
      {"compressed", image + 16, 4, 1},         {"zero width", image + 4, 4, 0},
      {"width over 256", image + 4, 4, 300},    {"odd double height", image + 8, 4, 63},
      {"negative height", image + 8, 4, 0xFFFFFFC0u}, {"palette too large", image + 32, 4, 257},
  };
  for (const Case& c : cases) {
    auto bad = good;
    if (c.bytes == 2)
      put16(bad, c.at, static_cast<uint16_t>(c.value));
    else
      put32(bad, c.at, c.value);
    CursorImage out;
    EXPECT_FALSE(decode_cursor_file(bad.data(), bad.size(), &out)) << c.name;
  }
  // Compressed (PNG) images are not read.
  auto png = good;
  const uint8_t signature[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
  std::copy(signature, signature + 8, png.begin() + image);
  CursorImage out;
  EXPECT_FALSE(decode_cursor_file(png.data(), png.size(), &out));
  EXPECT_FALSE(decode_cursor_file(nullptr, 0, &out));
}

TEST(CursorFile, SurvivesTruncationAndCorruption) {
  const auto good = cursor_file({{32, 32, 4, 1, 1}, {16, 16, 32, 2, 2}});
  CursorImage out;
  for (size_t n = 0; n < good.size(); ++n) {
    // Each cut-short file: no read past its end (the sanitizer build
    // watches), and no success unless a whole entry is still there: only
    // the first image's data can be, the second one ends the file.
    std::vector<uint8_t> cut(good.begin(), good.begin() + static_cast<long>(n));
    if (decode_cursor_file(cut.data(), cut.size(), &out)) {
      EXPECT_EQ(out.width, 32) << n;
      EXPECT_GE(n, 6 + 2 * 16 + image_data({32, 32, 4, 1, 1}).size()) << n;
    }
  }
  uint32_t seed = 12345;
  for (int round = 0; round < 3000; ++round) {
    auto bad = good;
    for (int k = 0; k < 3; ++k) {
      seed = seed * 1664525u + 1013904223u;
      bad[(seed >> 8) % bad.size()] = static_cast<uint8_t>(seed >> 24);
    }
    if (decode_cursor_file(bad.data(), bad.size(), &out)) {
      ASSERT_GE(out.width, 1);
      ASSERT_LE(out.width, 256);
      ASSERT_EQ(out.argb.size(), static_cast<size_t>(out.width) * out.height);
      ASSERT_LT(out.hot_x, out.width);
      ASSERT_LT(out.hot_y, out.height);
    }
  }
}

TEST(Resources, CursorFilesSystemCursorsIconAndBrushes) {
  const std::string path = ::testing::TempDir() + "platform_test_cursor.cur";
  const auto file = cursor_file({{32, 32, 1, 3, 5}});
  FILE* f = std::fopen(path.c_str(), "wb");
  ASSERT_NE(f, nullptr);
  std::fwrite(file.data(), 1, file.size(), f);
  std::fclose(f);
  HCURSOR loaded = LoadCursorFromFileA(path.c_str());
  ASSERT_NE(loaded, nullptr);
  EXPECT_EQ(cursor_from_handle(loaded)->image.hot_y, 5);
  // The framework may use a cursor file as the window icon.
  EXPECT_NE(icon_image(reinterpret_cast<HICON>(loaded)), nullptr);
  std::remove(path.c_str());
  EXPECT_EQ(LoadCursorFromFileA(path.c_str()), nullptr) << "missing file";
  EXPECT_EQ(LoadCursorFromFileA(""), nullptr);
  EXPECT_EQ(LoadCursorFromFileA(nullptr), nullptr);

  for (int id : {IDC_ARROW, IDC_IBEAM, IDC_WAIT, IDC_CROSS, IDC_UPARROW, IDC_SIZE, IDC_SIZENWSE,
                 IDC_SIZENESW, IDC_SIZEWE, IDC_SIZENS, IDC_SIZEALL, IDC_NO, IDC_HAND,
                 IDC_APPSTARTING, IDC_HELP}) {
    HCURSOR c = LoadCursorA(nullptr, MAKEINTRESOURCEA(id));
    ASSERT_NE(c, nullptr) << id;
    EXPECT_EQ(LoadCursorA(nullptr, MAKEINTRESOURCEA(id)), c) << "one object per kind";
    EXPECT_EQ(cursor_from_handle(c)->system_id, id);
  }
  EXPECT_EQ(LoadCursorA(nullptr, MAKEINTRESOURCEA(1)), nullptr);

  HICON icon = LoadIconA(nullptr, MAKEINTRESOURCEA(IDI_APPLICATION));
  ASSERT_NE(icon, nullptr);
  ASSERT_NE(icon_image(icon), nullptr);
  EXPECT_EQ(icon_image(icon)->width, 32);
  EXPECT_EQ(LoadIconA(nullptr, MAKEINTRESOURCEA(1)), nullptr);

  HBRUSH face = GetSysColorBrush(COLOR_BTNFACE);
  ASSERT_NE(brush_from_handle(face), nullptr);
  EXPECT_FALSE(DeleteObject(face)) << "stock objects are never deleted";
  const Brush* hollow = brush_from_handle(reinterpret_cast<HBRUSH>(GetStockObject(NULL_BRUSH)));
  ASSERT_NE(hollow, nullptr);
  EXPECT_TRUE(hollow->hollow);
  EXPECT_EQ(brush_from_handle(reinterpret_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)))->colour,
            0x00FFFFFFu);
  EXPECT_EQ(GetStockObject(99), nullptr);
  int not_a_brush = 0;
  EXPECT_EQ(brush_from_handle(reinterpret_cast<HBRUSH>(&not_a_brush)), nullptr);
}

}  // namespace
