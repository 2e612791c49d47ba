// Builds BMP files byte by byte for the tests: every header field can be
// given, so the same builder makes valid files of every kind and hostile ones.
#pragma once

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace bmp_builder {

struct Spec {
  uint32_t header_size = 40;  // 12 writes the old core header
  int32_t width = 1;
  int32_t height = 1;  // negative: rows stored top row first
  uint16_t planes = 1;
  uint16_t bpp = 24;
  uint32_t compression = 0;
  uint32_t colours_used = 0;
  // Written right after a 40-byte header, or inside a larger one (red,
  // green, blue at 40, alpha at 52).
  std::vector<uint32_t> masks;
  // Colour table bytes exactly as they go into the file.
  std::vector<uint8_t> palette;
  // Stored rows without their padding, in file order; each is padded with
  // `pad_byte` to a multiple of 4 bytes.
  std::vector<std::vector<uint8_t>> rows;
  uint8_t pad_byte = 0;
  // Overrides of computed fields (for hostile files); -1 keeps the computed value.
  int64_t pixel_offset = -1;
};

// A file description with the given header size, size, depth, compression
// and stored rows; everything else at its default.
inline Spec spec(uint32_t header, int32_t w, int32_t h, uint16_t bpp, uint32_t compression,
                 std::vector<std::vector<uint8_t>> rows) {
  Spec s;
  s.header_size = header;
  s.width = w;
  s.height = h;
  s.bpp = bpp;
  s.compression = compression;
  s.rows = std::move(rows);
  return s;
}

// An uncompressed file with the 40-byte header.
inline Spec image(int32_t width, int32_t height, uint16_t bpp,
                  std::vector<std::vector<uint8_t>> rows) {
  return spec(40, width, height, bpp, 0, std::move(rows));
}

inline void put16(std::vector<uint8_t>& out, size_t at, uint32_t v) {
  out[at] = uint8_t(v);
  out[at + 1] = uint8_t(v >> 8);
}
inline void put32(std::vector<uint8_t>& out, size_t at, uint32_t v) {
  for (int i = 0; i < 4; ++i) out[at + i] = uint8_t(v >> (8 * i));
}

inline std::vector<uint8_t> build(const Spec& s) {
  const bool core = s.header_size == 12;
  const size_t header_bytes = s.header_size < 12 ? 12 : s.header_size;
  std::vector<uint8_t> out(14 + header_bytes, 0);
  out[0] = 'B';
  out[1] = 'M';
  put32(out, 14, s.header_size);
  if (core) {
    put16(out, 18, uint32_t(s.width));
    put16(out, 20, uint32_t(s.height));
    put16(out, 22, s.planes);
    put16(out, 24, s.bpp);
  } else if (header_bytes >= 40) {
    put32(out, 18, uint32_t(s.width));
    put32(out, 22, uint32_t(s.height));
    put16(out, 26, s.planes);
    put16(out, 28, s.bpp);
    put32(out, 30, s.compression);
    put32(out, 46, s.colours_used);
    for (size_t i = 0; i < s.masks.size() && 40 + 4 * i + 4 <= header_bytes; ++i)
      put32(out, 14 + 40 + 4 * i, s.masks[i]);
  }
  if (header_bytes == 40)
    for (uint32_t m : s.masks) {
      out.resize(out.size() + 4);
      put32(out, out.size() - 4, m);
    }
  out.insert(out.end(), s.palette.begin(), s.palette.end());
  const size_t offset = out.size();
  for (const auto& row : s.rows) {
    out.insert(out.end(), row.begin(), row.end());
    while (out.size() % 4 != offset % 4) out.push_back(s.pad_byte);
  }
  put32(out, 2, uint32_t(out.size()));
  put32(out, 10, uint32_t(s.pixel_offset >= 0 ? uint64_t(s.pixel_offset) : offset));
  if (!core && header_bytes >= 40) {
    const size_t image = out.size() - offset;
    put32(out, 34, uint32_t(image));
  }
  return out;
}

// A private temporary directory, removed with its files at the end.
class TempDir {
 public:
  TempDir() {
    char tmpl[] = "/tmp/bmp_test_XXXXXX";
    const char* made = mkdtemp(tmpl);
    path_ = made ? made : "";
  }
  ~TempDir() {
    for (const std::string& f : files_) std::remove(f.c_str());
    rmdir(path_.c_str());
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  // Writes `bytes` to a file of that name inside the directory; its path.
  std::string write(const std::string& name, const std::vector<uint8_t>& bytes) {
    const std::string file = path_ + "/" + name;
    if (FILE* f = std::fopen(file.c_str(), "wb")) {
      if (!bytes.empty()) std::fwrite(bytes.data(), 1, bytes.size(), f);
      std::fclose(f);
    }
    files_.push_back(file);
    return file;
  }
  const std::string& path() const { return path_; }

 private:
  std::string path_;
  std::vector<std::string> files_;
};

}  // namespace bmp_builder
