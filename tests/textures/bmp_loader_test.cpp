#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <cstring>
#include <functional>

#include "platform/bitmap.h"
#include "tests/textures/bmp_builder.h"

using bmp_builder::Spec;
using bmp_builder::spec;
using Bytes = std::vector<uint8_t>;

namespace {

struct Probe {
  int x, y;  // picture coordinates, (0, 0) top left
  RGBQUAD colour;
};

struct ValidCase {
  const char* name;
  Spec spec;
  int row_bytes;
  std::vector<Probe> probes;
};

bool same(const RGBQUAD& a, const RGBQUAD& b) {
  return a.rgbBlue == b.rgbBlue && a.rgbGreen == b.rgbGreen && a.rgbRed == b.rgbRed &&
         a.rgbReserved == b.rgbReserved;
}

std::string text(const RGBQUAD& c) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "b%d g%d r%d a%d", c.rgbBlue, c.rgbGreen, c.rgbRed,
                c.rgbReserved);
  return buf;
}

std::vector<ValidCase> valid_cases() {
  std::vector<ValidCase> cases;
  // 24 bits, bottom-up, width 3: each row ends in 3 padding bytes.
  cases.push_back({"24-bit bottom-up odd width",
                   spec(40, 3, 2, 24, BI_RGB,
                        {{10, 20, 30, 40, 50, 60, 70, 80, 90}, {1, 2, 3, 4, 5, 6, 7, 8, 9}}),
                   12,
                   {{0, 0, {1, 2, 3, 255}}, {2, 0, {7, 8, 9, 255}}, {2, 1, {70, 80, 90, 255}}}});
  cases.push_back({"24-bit top-down",
                   spec(40, 3, -2, 24, BI_RGB,
                        {{1, 2, 3, 4, 5, 6, 7, 8, 9}, {10, 20, 30, 40, 50, 60, 70, 80, 90}}),
                   12,
                   {{0, 0, {1, 2, 3, 255}}, {1, 1, {40, 50, 60, 255}}}});
  cases.push_back({"32-bit uncompressed keeps the fourth byte as alpha",
                   spec(40, 2, 1, 32, BI_RGB, {{0x10, 0x20, 0x30, 0x40, 1, 2, 3, 4}}), 8,
                   {{0, 0, {0x10, 0x20, 0x30, 0x40}}, {1, 0, {1, 2, 3, 4}}}});
  {
    Spec s = spec(40, 1, 1, 32, BI_BITFIELDS, {{0x30, 0x20, 0x10, 0x99}});
    s.masks = {0x000000FF, 0x0000FF00, 0x00FF0000};  // red in the low byte
    cases.push_back({"32-bit bit fields after a 40-byte header", s, 4,
                     {{0, 0, {0x10, 0x20, 0x30, 255}}}});
  }
  {
    Spec s = spec(124, 1, 1, 32, BI_BITFIELDS, {{0x10, 0x20, 0x30, 0x80}});
    s.masks = {0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000};
    cases.push_back({"32-bit bit fields with alpha in a 124-byte header", s, 4,
                     {{0, 0, {0x10, 0x20, 0x30, 0x80}}}});
  }
  cases.push_back({"16-bit 5-5-5 odd width",
                   spec(40, 3, 1, 16, BI_RGB, {{0x00, 0x7C, 0xE0, 0x03, 0x10, 0x00}}), 8,
                   {{0, 0, {0, 0, 255, 255}}, {1, 0, {0, 255, 0, 255}}, {2, 0, {132, 0, 0, 255}}}});
  {
    Spec s = spec(40, 3, 1, 16, BI_BITFIELDS, {{0xE0, 0x07, 0x00, 0xF8, 0x20, 0x00}});
    s.masks = {0xF800, 0x07E0, 0x001F};
    cases.push_back({"16-bit 5-6-5 bit fields", s, 8,
                     {{0, 0, {0, 255, 0, 255}}, {1, 0, {0, 0, 255, 255}}, {2, 0, {0, 4, 0, 255}}}});
  }
  {
    Spec s = spec(40, 5, 1, 8, BI_RGB, {{0, 1, 2, 1, 7}});
    s.colours_used = 3;
    s.palette = {0, 0, 255, 0, 0, 255, 0, 0, 255, 0, 0, 0};
    cases.push_back({"8-bit with a short colour table", s, 8,
                     {{0, 0, {0, 0, 255, 255}}, {3, 0, {0, 255, 0, 255}},
                      {2, 0, {255, 0, 0, 255}}, {4, 0, {0, 0, 0, 255}}}});
  }
  {
    Spec s = spec(40, 3, 1, 4, BI_RGB, {{0x1F, 0x30}});
    for (int i = 0; i < 16; ++i) s.palette.insert(s.palette.end(), {uint8_t(i), uint8_t(16 * i), 7, 0});
    cases.push_back({"4-bit, high nibble first", s, 4,
                     {{0, 0, {1, 16, 7, 255}}, {1, 0, {15, 240, 7, 255}}, {2, 0, {3, 48, 7, 255}}}});
  }
  {
    Spec s = spec(40, 9, 2, 1, BI_RGB, {{0x00, 0x00}, {0xA0, 0x80}});
    s.palette = {0, 0, 0, 0, 200, 100, 50, 0};
    cases.push_back({"1-bit width 9", s, 4,
                     {{0, 0, {200, 100, 50, 255}}, {1, 0, {0, 0, 0, 255}},
                      {2, 0, {200, 100, 50, 255}}, {8, 0, {200, 100, 50, 255}},
                      {8, 1, {0, 0, 0, 255}}}});
  }
  {
    Spec s = spec(12, 2, 1, 8, BI_RGB, {{0, 255}});
    s.palette.assign(256 * 3, 0);
    s.palette[0] = 1; s.palette[1] = 2; s.palette[2] = 3;
    s.palette[765] = 4; s.palette[766] = 5; s.palette[767] = 6;
    cases.push_back({"8-bit with the 12-byte core header", s, 4,
                     {{0, 0, {1, 2, 3, 255}}, {1, 0, {4, 5, 6, 255}}}});
  }
  cases.push_back({"24-bit with the 12-byte core header", spec(12, 1, 1, 24, BI_RGB, {{7, 8, 9}}),
                   4, {{0, 0, {7, 8, 9, 255}}}});
  return cases;
}

Bitmap* as_bitmap(HANDLE h) { return static_cast<Bitmap*>(static_cast<GdiObject*>(h)); }

const UINT TEXTURE_FLAGS = LR_LOADFROMFILE | LR_LOADTRANSPARENT | LR_CREATEDIBSECTION;

}  // namespace

TEST(BmpLoader, DecodesEveryDepthAndRowOrderKeepingTheFileLayout) {
  bmp_builder::TempDir dir;
  for (const ValidCase& c : valid_cases()) {
    SCOPED_TRACE(c.name);
    const Bytes file = bmp_builder::build(c.spec);
    const std::string path = dir.write("image.bmp", file);
    HANDLE h = LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, TEXTURE_FLAGS);
    ASSERT_NE(h, nullptr);

    BITMAP bm;
    ASSERT_EQ(GetObjectA(h, sizeof bm, &bm), int(sizeof bm));
    EXPECT_EQ(bm.bmType, 0);
    EXPECT_EQ(bm.bmWidth, c.spec.width);
    EXPECT_EQ(bm.bmHeight, std::abs(c.spec.height));
    EXPECT_EQ(bm.bmWidthBytes, c.row_bytes);
    EXPECT_EQ(bm.bmPlanes, 1);
    EXPECT_EQ(bm.bmBitsPixel, c.spec.bpp);
    EXPECT_EQ(as_bitmap(h)->top_down, c.spec.height < 0);

    // The pixel memory is the file's pixel block, byte for byte.
    const uint32_t offset = file[10] | file[11] << 8 | file[12] << 16 | uint32_t(file[13]) << 24;
    const size_t bytes = size_t(bm.bmWidthBytes) * size_t(bm.bmHeight);
    ASSERT_EQ(file.size(), offset + bytes);
    EXPECT_EQ(std::memcmp(bm.bmBits, file.data() + offset, bytes), 0);

    for (const Probe& p : c.probes) {
      const RGBQUAD got = bitmap_pixel(*as_bitmap(h), p.x, p.y);
      EXPECT_TRUE(same(got, p.colour))
          << "pixel (" << p.x << ", " << p.y << "): " << text(got) << ", expected " << text(p.colour);
    }
    EXPECT_TRUE(same(bitmap_pixel(*as_bitmap(h), bm.bmWidth, 0), RGBQUAD{0, 0, 0, 0}));
    EXPECT_EQ(DeleteObject(static_cast<HGDIOBJ>(h)), TRUE);
    EXPECT_FALSE(is_gdi_object(h));
  }
}

TEST(BmpLoader, RejectsMalformedAndHostileFiles) {
  // A valid 2 x 2 24-bit file (54 header bytes, 16 pixel bytes) to damage.
  const Bytes good = bmp_builder::build(spec(40, 2, 2, 24, BI_RGB, {{1, 2, 3, 4, 5, 6}, {7, 8, 9, 10, 11, 12}}));
  ASSERT_NE(decode_bmp(good.data(), good.size()), nullptr);

  auto set32 = [](size_t at, uint32_t v) {
    return [=](Bytes& b) { bmp_builder::put32(b, at, v); };
  };
  auto set16 = [](size_t at, uint32_t v) {
    return [=](Bytes& b) { bmp_builder::put16(b, at, v); };
  };
  auto cut = [](size_t n) { return [=](Bytes& b) { b.resize(n); }; };
  auto from = [](const Spec& s) { return [=](Bytes& b) { b = bmp_builder::build(s); }; };

  // Masks promised after the 40-byte header, but the file ends first.
  Spec fields_cut = spec(40, 1, 1, 32, BI_BITFIELDS, {{0, 0, 0, 0}});
  Spec scattered = fields_cut;
  scattered.masks = {0x00FF00FF, 0x0000FF00, 0};
  Spec wide16 = spec(40, 1, 1, 16, BI_BITFIELDS, {{0, 0}});
  wide16.masks = {0x1F0000, 0x07E0, 0x001F};
  Spec long_palette = spec(40, 1, 1, 8, BI_RGB, {{0}});
  long_palette.palette = {1, 2, 3, 0};  // one entry, 256 promised
  Spec too_many = long_palette;
  too_many.colours_used = 257;  // and the file holds all 257 entries
  too_many.palette.assign(257 * 4, 0);
  Spec huge_count = long_palette;
  huge_count.colours_used = 0xFFFFFFFF;
  Spec core16 = spec(12, 1, 1, 16, BI_RGB, {{0, 0}});
  Spec v5_cut = spec(124, 1, 1, 24, BI_RGB, {{1, 2, 3}});

  const std::vector<std::pair<const char*, std::function<void(Bytes&)>>> cases = {
      {"empty file", cut(0)},
      {"ends inside the file header", cut(10)},
      {"ends inside the information header", cut(30)},
      {"ends inside the pixels", cut(good.size() - 1)},
      {"wrong magic", set16(0, 0x424D)},
      {"header size 0", set32(14, 0)},
      {"header size 39", set32(14, 39)},
      {"header size 64", set32(14, 64)},
      {"header size larger than the file", set32(14, 0xFFFFFFF0)},
      {"124-byte header cut short", [&](Bytes& b) { b = bmp_builder::build(v5_cut); b.resize(100); }},
      {"pixel offset past the end", set32(10, 1000)},
      {"pixel offset 0x7FFFFFFF", set32(10, 0x7FFFFFFF)},
      {"pixel offset inside the headers", set32(10, 20)},
      {"width 0", set32(18, 0)},
      {"negative width", set32(18, uint32_t(-2))},
      {"height 0", set32(22, 0)},
      {"most negative height", set32(22, 0x80000000u)},
      {"byte count overflows", [&](Bytes& b) { bmp_builder::put32(b, 18, 0x7FFFFFFF); bmp_builder::put32(b, 22, 0x7FFFFFFF); bmp_builder::put16(b, 28, 32); }},
      {"width times depth overflows 32 bits", set32(18, 0x40000001)},
      {"height larger than the pixels", set32(22, 3)},
      {"depth 0", set16(28, 0)},
      {"depth 2", set16(28, 2)},
      {"depth 64", set16(28, 64)},
      {"run-length 8", set32(30, 1)},
      {"run-length 4", set32(30, 2)},
      {"JPEG inside", set32(30, 4)},
      {"PNG inside", set32(30, 5)},
      {"unknown compression", set32(30, 0x12345678)},
      {"bit fields at 24 bits", set32(30, BI_BITFIELDS)},
      {"masks missing after the header", from(fields_cut)},
      {"mask with a gap", from(scattered)},
      {"16-bit mask wider than the pixel", from(wide16)},
      {"colour table longer than the file", from(long_palette)},
      {"more colours than the depth can index", from(too_many)},
      {"colour count 0xFFFFFFFF", from(huge_count)},
      {"core header at 16 bits", from(core16)},
  };

  bmp_builder::TempDir dir;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.first);
    Bytes file = good;
    c.second(file);
    EXPECT_EQ(decode_bmp(file.data(), file.size()), nullptr);
    const std::string path = dir.write("bad.bmp", file);
    EXPECT_EQ(LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, TEXTURE_FLAGS), nullptr);
  }
}

TEST(BmpLoader, RefusesWhatIsNotALoadableFileRequest) {
  bmp_builder::TempDir dir;
  const std::string path =
      dir.write("ok.bmp", bmp_builder::build(spec(40, 1, 1, 24, BI_RGB, {{1, 2, 3}})));
  EXPECT_EQ(LoadImageA(nullptr, (dir.path() + "/missing.bmp").c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE), nullptr);
  EXPECT_EQ(LoadImageA(nullptr, dir.path().c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE), nullptr);
  EXPECT_EQ(LoadImageA(nullptr, nullptr, IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE), nullptr);
  EXPECT_EQ(LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, 0), nullptr);  // not from a file
  EXPECT_EQ(LoadImageA(nullptr, path.c_str(), 1, 0, 0, LR_LOADFROMFILE), nullptr);  // not a bitmap
  EXPECT_EQ(LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 2, 2, LR_LOADFROMFILE), nullptr);

  HANDLE h = LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE);
  ASSERT_NE(h, nullptr);
  BITMAP bm;
  EXPECT_EQ(GetObjectA(h, 0, nullptr), int(sizeof(BITMAP)));
  EXPECT_EQ(GetObjectA(h, sizeof bm - 1, &bm), 0);
  DeleteObject(static_cast<HGDIOBJ>(h));
  EXPECT_EQ(GetObjectA(h, sizeof bm, &bm), 0);  // freed: no longer a bitmap
  int not_an_object = 0;
  EXPECT_EQ(GetObjectA(&not_an_object, sizeof bm, &bm), 0);
}
