// Writes the fuzzing seed corpus: small valid BMP files of every supported
// kind and a few malformed ones.
//   make_seed_corpus <folder>
#include <cstdio>
#include <string>

#include "tests/textures/bmp_builder.h"

using bmp_builder::Spec;
using bmp_builder::spec;

namespace {

bool save(const std::string& dir, const std::string& name, const std::vector<uint8_t>& bytes) {
  FILE* f = std::fopen((dir + "/" + name).c_str(), "wb");
  if (!f) return false;
  const bool ok = bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  return std::fclose(f) == 0 && ok;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_seed_corpus <folder>\n");
    return 2;
  }
  const std::string dir = argv[1];
  std::vector<std::pair<std::string, std::vector<uint8_t>>> files;
  auto add = [&](const char* name, const Spec& s) { files.emplace_back(name, bmp_builder::build(s)); };

  add("rgb24_odd_width", spec(40, 3, 2, 24, 0, {{1, 2, 3, 4, 5, 6, 7, 8, 9}, {9, 8, 7, 6, 5, 4, 3, 2, 1}}));
  add("rgb24_top_down", spec(40, 2, -2, 24, 0, {{1, 2, 3, 4, 5, 6}, {7, 8, 9, 10, 11, 12}}));
  add("bgra32", spec(40, 2, 1, 32, 0, {{0x10, 0x20, 0x30, 0x40, 1, 2, 3, 4}}));
  {
    Spec s = spec(40, 1, 1, 32, 3, {{1, 2, 3, 4}});
    s.masks = {0xFF, 0xFF00, 0xFF0000};
    add("fields32_after_header", s);
    s.header_size = 108;
    s.masks = {0xFF0000, 0xFF00, 0xFF, 0xFF000000};
    add("fields32_v4", s);
    s.header_size = 124;
    add("fields32_v5", s);
  }
  add("rgb16_555", spec(40, 3, 1, 16, 0, {{0x00, 0x7C, 0xE0, 0x03, 0x1F, 0x00}}));
  {
    Spec s = spec(40, 3, 1, 16, 3, {{0x00, 0xF8, 0xE0, 0x07, 0x1F, 0x00}});
    s.masks = {0xF800, 0x07E0, 0x001F};
    add("fields16_565", s);
    s.header_size = 56;
    s.masks = {0x0F00, 0x00F0, 0x000F, 0xF000};
    add("fields16_4444_v3", s);
  }
  {
    Spec s = spec(40, 5, 2, 8, 0, {{0, 1, 2, 1, 0}, {2, 2, 1, 0, 9}});
    s.colours_used = 3;
    s.palette = {0, 0, 255, 0, 0, 255, 0, 0, 255, 0, 0, 0};
    add("pal8_short_table", s);
  }
  {
    Spec s = spec(40, 3, 1, 4, 0, {{0x1F, 0x30}});
    s.palette.assign(64, 0x40);
    add("pal4", s);
  }
  {
    Spec s = spec(40, 9, 2, 1, 0, {{0xA0, 0x80}, {0x55, 0x00}});
    s.palette = {0, 0, 0, 0, 255, 255, 255, 0};
    add("pal1_width9", s);
  }
  {
    Spec s = spec(12, 2, 1, 8, 0, {{0, 255}});
    s.palette.assign(768, 0x33);
    add("core_pal8", s);
  }
  add("core_rgb24", spec(12, 1, 1, 24, 0, {{7, 8, 9}}));

  // Malformed.
  std::vector<uint8_t> bytes = bmp_builder::build(spec(40, 2, 2, 24, 0, {{1, 2, 3, 4, 5, 6}, {7, 8, 9, 10, 11, 12}}));
  auto damaged = [&](const char* name, size_t at, uint32_t value) {
    std::vector<uint8_t> copy = bytes;
    bmp_builder::put32(copy, at, value);
    files.emplace_back(name, copy);
  };
  damaged("bad_pixel_offset", 10, 0x7FFFFFF0);
  damaged("bad_header_size", 14, 0xFFFFFFF0);
  damaged("bad_huge_size", 18, 0x7FFFFFFF);
  damaged("bad_negative_width", 18, 0xFFFFFFFE);
  damaged("bad_rle8", 30, 1);
  damaged("bad_many_colours", 46, 0xFFFFFFFF);
  std::vector<uint8_t> cut = bytes;
  cut.resize(40);
  files.emplace_back("bad_cut_in_header", cut);
  cut = bytes;
  cut.resize(bytes.size() - 3);
  files.emplace_back("bad_cut_in_pixels", cut);
  files.emplace_back("bad_magic", std::vector<uint8_t>{'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0});

  for (const auto& f : files)
    if (!save(dir, f.first, f.second)) {
      std::fprintf(stderr, "make_seed_corpus: cannot write %s/%s\n", dir.c_str(), f.first.c_str());
      return 1;
    }
  return 0;
}
