#include "framework/render/textures.h"

#include <GL/gl.h>
#include <dirent.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>

#include "platform/bitmap.h"
#include "tests/textures/bmp_builder.h"
#include "tests/textures/expect_calls.h"

using bmp_builder::Spec;
using bmp_builder::image;

namespace {

// Bytes of a file with a given depth, 2 x 1 pixels, palette where needed.
std::vector<uint8_t> file_of_depth(uint16_t bpp) {
  Spec s = image(2, 1, bpp, {std::vector<uint8_t>(size_t(bpp) * 2 / 8 + 1, 0x55)});
  if (bpp <= 8) s.palette.assign(size_t(4) << bpp, 0x11);
  return bmp_builder::build(s);
}

// Saves and restores the slot table and filters; files go into a temporary
// directory.
class Textures : public ::testing::Test {
 protected:
  void SetUp() override {
    std::copy(std::begin(TEXTUREID2), std::end(TEXTUREID2), saved_slots_);
    saved_min_ = GL_MIN_FILTER;
    saved_mag_ = GL_MAG_FILTER;
    gl_record::clear();
    gl_record::set_next_texture_name(7);
  }
  void TearDown() override {
    std::copy(std::begin(saved_slots_), std::end(saved_slots_), TEXTUREID2);
    GL_MIN_FILTER = saved_min_;
    GL_MAG_FILTER = saved_mag_;
  }
  // The full call sequence of one load into a slot that receives `name`,
  // followed by the given upload calls.
  static std::vector<ExpectedCall> load_sequence(unsigned name, int min, int mag,
                                                 std::vector<ExpectedCall> upload) {
    std::vector<ExpectedCall> calls = {
        {"glEnable", {GL_TEXTURE_2D}},
        {"glGenTextures", {1}},
        {"glBindTexture", {GL_TEXTURE_2D, double(name)}},
        {"glPixelStorei", {GL_UNPACK_ALIGNMENT, 4}},
        {"glPixelStorei", {GL_UNPACK_ROW_LENGTH, 0}},
        {"glPixelStorei", {GL_UNPACK_SKIP_ROWS, 0}},
        {"glPixelStorei", {GL_UNPACK_SKIP_PIXELS, 0}},
        {"glTexParameteri", {GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, double(min)}},
        {"glTexParameteri", {GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, double(mag)}},
        {"glTexParameteri", {GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT}},
        {"glTexParameteri", {GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT}},
    };
    calls.insert(calls.end(), upload.begin(), upload.end());
    return calls;
  }

  bmp_builder::TempDir dir_;

 private:
  unsigned saved_slots_[TEXTURE_SLOTS] = {};
  int saved_min_ = 0, saved_mag_ = 0;
};

int open_files() {
  int n = 0;
  if (DIR* d = opendir("/proc/self/fd")) {
    while (readdir(d)) ++n;
    closedir(d);
  }
  return n;
}

}  // namespace

TEST(SwapRgb, ExchangesFirstAndThirdByteOfEachGroup) {
  uint8_t bytes[7] = {1, 2, 3, 4, 5, 6, 99};
  SWAPRGB(bytes, 2);
  EXPECT_EQ(std::vector<uint8_t>(bytes, bytes + 7), (std::vector<uint8_t>{3, 2, 1, 6, 5, 4, 99}));
}

TEST_F(Textures, DepthFromTheHeaders) {
  Spec core = image(1, 1, 24, {{1, 2, 3}});
  core.header_size = 12;
  std::vector<uint8_t> wrong_magic = file_of_depth(24);
  wrong_magic[0] = 'X';
  std::vector<uint8_t> headers_only = file_of_depth(32);
  headers_only.resize(54);  // the pixels are not examined
  std::vector<uint8_t> cut_in_info = file_of_depth(24);
  cut_in_info.resize(40);

  const struct {
    const char* name;
    std::vector<uint8_t> bytes;
    int depth;
  } cases[] = {
      {"24-bit", file_of_depth(24), 24},
      {"32-bit", file_of_depth(32), 32},
      {"8-bit", file_of_depth(8), 8},
      {"1-bit", file_of_depth(1), 1},
      {"headers only", headers_only, 32},
      {"core header", bmp_builder::build(core), 0},
      {"wrong magic", wrong_magic, 0},
      {"ends inside the file header", {'B', 'M', 0, 0}, 0},
      {"ends inside the information header", cut_in_info, 0},
      {"empty", {}, 0},
  };
  const int files_before = open_files();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(GETBMPDEPTH(dir_.write("f.bmp", c.bytes).c_str()), c.depth);
  }
  EXPECT_EQ(GETBMPDEPTH((dir_.path() + "/missing.bmp").c_str()), 0);
  EXPECT_EQ(GETBMPDEPTH(dir_.path().c_str()), 0);  // a directory
  EXPECT_EQ(open_files(), files_before);
  EXPECT_TRUE(gl_record::calls().empty());
}

TEST_F(Textures, TwentyFourBitRowsSwappedToRgbWithoutTouchingThePadding) {
  // Width 3: each stored row has 9 pixel bytes and 3 padding bytes.
  Spec s = image(3, 2, 24, {{0x10, 0x20, 0x30, 1, 2, 3, 4, 5, 6}, {7, 8, 9, 10, 11, 12, 13, 14, 15}});
  s.pad_byte = 0xEE;
  TEXTURELOADID(dir_.write("odd.bmp", bmp_builder::build(s)).c_str(), 4);
  expect_calls(load_sequence(7, GL_LINEAR, GL_LINEAR,
                             {{"glTexImage2D", {GL_TEXTURE_2D, 0, 3, 3, 2, 0, GL_RGB, GL_UNSIGNED_BYTE}}}));
  EXPECT_EQ(TEXTUREID2[4], 7u);
  const auto uploads = gl_record::named("glTexImage2D");
  ASSERT_EQ(uploads.size(), 1u);
  EXPECT_EQ(uploads[0].data, (std::vector<uint8_t>{0x30, 0x20, 0x10, 3, 2, 1, 6, 5, 4, 0xEE, 0xEE, 0xEE,
                                                   9, 8, 7, 12, 11, 10, 15, 14, 13, 0xEE, 0xEE, 0xEE}));
}

TEST_F(Textures, ThirtyTwoBitHandedOverUnchangedAsBgra) {
  TEXTURELOADID(dir_.write("a.bmp", bmp_builder::build(image(2, 1, 32, {{0x10, 0x20, 0x30, 0x40, 1, 2, 3, 4}}))).c_str(), 0);
  expect_calls(load_sequence(7, GL_LINEAR, GL_LINEAR,
                             {{"glTexImage2D", {GL_TEXTURE_2D, 0, GL_RGBA, 2, 1, 0, GL_BGRA, GL_UNSIGNED_BYTE}}}));
  EXPECT_EQ(gl_record::named("glTexImage2D")[0].data,
            (std::vector<uint8_t>{0x10, 0x20, 0x30, 0x40, 1, 2, 3, 4}));
}

TEST_F(Textures, SlotWithoutImageForOtherDepthsAndFilesThatDoNotLoad) {
  Spec truncated = image(4, 4, 24, {{1, 2, 3}});  // says 4 rows, holds one
  std::vector<uint8_t> lying = bmp_builder::build(truncated);
  Spec rle = image(2, 1, 24, {{1, 2, 3, 4, 5, 6}});
  rle.compression = 1;  // run-length encoding is not decoded

  const struct {
    const char* name;
    std::vector<uint8_t> bytes;
  } cases[] = {
      {"1-bit", file_of_depth(1)},
      {"4-bit", file_of_depth(4)},
      {"8-bit", file_of_depth(8)},
      {"16-bit", file_of_depth(16)},
      {"24-bit header, pixels missing", lying},
      {"24-bit header, compression not supported", bmp_builder::build(rle)},
      {"not a BMP", {'G', 'I', 'F', '8', '9', 'a'}},
  };
  unsigned name = 7;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    gl_record::clear();
    gl_record::set_next_texture_name(name);
    TEXTURELOADID(dir_.write("x.bmp", c.bytes).c_str(), 2);
    expect_calls(load_sequence(name, GL_LINEAR, GL_LINEAR, {}));
    EXPECT_EQ(TEXTUREID2[2], name);
    ++name;
  }
  gl_record::clear();
  gl_record::set_next_texture_name(50);
  TEXTURELOADID((dir_.path() + "/missing.bmp").c_str(), 3);
  expect_calls(load_sequence(50, GL_LINEAR, GL_LINEAR, {}));
}

TEST_F(Textures, MipmapsOnlyForMipmapFilters) {
  const std::string rgb = dir_.write("rgb.bmp", bmp_builder::build(image(2, 2, 24, {{1, 2, 3, 4, 5, 6}, {7, 8, 9, 10, 11, 12}})));
  const std::string bgra = dir_.write("bgra.bmp", bmp_builder::build(image(1, 1, 32, {{1, 2, 3, 4}})));
  GL_MAG_FILTER = GL_NEAREST;
  for (int filter : {GL_NEAREST, GL_LINEAR, GL_NEAREST_MIPMAP_NEAREST, GL_LINEAR_MIPMAP_NEAREST,
                     GL_NEAREST_MIPMAP_LINEAR, GL_LINEAR_MIPMAP_LINEAR}) {
    SCOPED_TRACE(filter);
    const bool mipmaps = filter != GL_NEAREST && filter != GL_LINEAR;
    GL_MIN_FILTER = filter;

    gl_record::clear();
    gl_record::set_next_texture_name(7);
    TEXTURELOADID(rgb.c_str(), 1);
    std::vector<ExpectedCall> upload = {{"glTexImage2D", {GL_TEXTURE_2D, 0, 3, 2, 2, 0, GL_RGB, GL_UNSIGNED_BYTE}}};
    if (mipmaps) upload.push_back({"gluBuild2DMipmaps", {GL_TEXTURE_2D, 3, 2, 2, GL_RGB, GL_UNSIGNED_BYTE}});
    expect_calls(load_sequence(7, filter, GL_NEAREST, upload));
    if (mipmaps) {  // the mipmap builder gets the same swapped pixels
      EXPECT_EQ(gl_record::named("gluBuild2DMipmaps")[0].data, gl_record::named("glTexImage2D")[0].data);
    }

    gl_record::clear();
    gl_record::set_next_texture_name(7);
    TEXTURELOADID(bgra.c_str(), 1);
    upload = {{"glTexImage2D", {GL_TEXTURE_2D, 0, GL_RGBA, 1, 1, 0, GL_BGRA, GL_UNSIGNED_BYTE}}};
    if (mipmaps) upload.push_back({"gluBuild2DMipmaps", {GL_TEXTURE_2D, 4, 1, 1, GL_BGRA, GL_UNSIGNED_BYTE}});
    expect_calls(load_sequence(7, filter, GL_NEAREST, upload));
  }
  gl_record::clear();
  ADDMIPMAPSTEXTURE(16, 2, 2, nullptr);
  EXPECT_TRUE(gl_record::calls().empty());
}

TEST_F(Textures, ReloadGivesTheSlotANewNameAndSelectBindsIt) {
  const std::string file = dir_.write("a.bmp", file_of_depth(24));
  TEXTURELOADID(file.c_str(), 6);
  TEXTURELOADID(file.c_str(), 6);
  EXPECT_EQ(TEXTUREID2[6], 8u);
  EXPECT_EQ(gl_record::count("glDeleteTextures"), 0u);  // the old object is kept
  gl_record::clear();
  TEXTURESELECTID(6);
  TEXTURESELECTID(500);  // never loaded: the default texture
  expect_calls({{"glBindTexture", {GL_TEXTURE_2D, 8}}, {"glBindTexture", {GL_TEXTURE_2D, 0}}});
}

TEST_F(Textures, SlotNumbersOutsideTheTableAreIgnored) {
  const std::string file = dir_.write("a.bmp", file_of_depth(24));
  for (int slot : {-1, 501, 1 << 30}) {
    SCOPED_TRACE(slot);
    TEXTURELOADID(file.c_str(), slot);
    TEXTURESELECTID(slot);
  }
  EXPECT_TRUE(gl_record::calls().empty()) << describe_all(gl_record::calls());
  TEXTURESELECTID(0);
  TEXTUREON();
  TEXTUREOFF();
  expect_calls({{"glBindTexture", {GL_TEXTURE_2D, double(TEXTUREID2[0])}},
                {"glEnable", {GL_TEXTURE_2D}},
                {"glDisable", {GL_TEXTURE_2D}}});
}

TEST(ShippedTextures, AllEightLoadAsTwentyFourBitPowerOfTwoImages) {
  for (const char* name : {"GuscioInt00.bmp", "guscio00.bmp", "guscio01.bmp", "guscio02.bmp",
                           "guscio03.bmp", "guscio04.bmp", "guscio05.bmp", "guscio06.bmp"}) {
    SCOPED_TRACE(name);
    const std::string path = std::string(ASSETS_DIR) + "/" + name;
    EXPECT_EQ(GETBMPDEPTH(path.c_str()), 24);
    HANDLE h = LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE);
    ASSERT_NE(h, nullptr);
    BITMAP bm;
    ASSERT_EQ(GetObjectA(h, sizeof bm, &bm), int(sizeof bm));
    EXPECT_EQ(bm.bmBitsPixel, 24);
    EXPECT_GE(bm.bmWidth, 256);
    EXPECT_GE(bm.bmHeight, 256);
    EXPECT_EQ(bm.bmWidth & (bm.bmWidth - 1), 0);
    EXPECT_EQ(bm.bmHeight & (bm.bmHeight - 1), 0);
    DeleteObject(static_cast<HGDIOBJ>(h));
  }
}
