// Fuzz target over the BMP decoder, the header depth reader and the texture
// upload. Each input is decoded from memory and also written to an
// in-memory file that GETBMPDEPTH and TEXTURELOADID read by name, with the
// recording GL double behind the upload (it copies every uploaded image, so
// a wrong size reads outside the bitmap). Besides memory errors, it checks
// that a decoded bitmap is consistent and that only what decoded at 24 or
// 32 bits is uploaded.
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "framework/render/textures.h"
#include "platform/bitmap.h"
#include "tests/gl_double/gl_record.h"

namespace {

#define FUZZ_CHECK(cond)                                                   \
  do {                                                                     \
    if (!(cond)) {                                                         \
      std::fprintf(stderr, "check failed: %s (line %d)\n", #cond, __LINE__); \
      std::abort();                                                        \
    }                                                                      \
  } while (0)

void check_bitmap(const Bitmap& bm) {
  FUZZ_CHECK(bm.width > 0 && bm.height > 0);
  const int bpp = bm.bits_per_pixel;
  FUZZ_CHECK(bpp == 1 || bpp == 4 || bpp == 8 || bpp == 16 || bpp == 24 || bpp == 32);
  FUZZ_CHECK(bm.row_bytes % 4 == 0);
  FUZZ_CHECK(uint64_t(bm.row_bytes) * 8 >= uint64_t(bm.width) * uint64_t(bpp));
  FUZZ_CHECK(bm.pixels.size() == size_t(bm.row_bytes) * size_t(bm.height));
  FUZZ_CHECK(bm.palette.size() == (bpp <= 8 ? size_t(1) << bpp : 0));
  // Read every pixel (a bounded number: the pixels came out of the input).
  unsigned sum = 0;
  for (int y = 0; y < bm.height; ++y)
    for (int x = 0; x < bm.width; ++x) sum += bitmap_pixel(bm, x, y).rgbRed;
  (void)sum;
}

// The in-memory file the name-based calls read.
const std::string& scratch_file(int& fd) {
  static int file = memfd_create("bmp_fuzz", 0);
  static const std::string path = "/proc/self/fd/" + std::to_string(file);
  fd = file;
  return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::unique_ptr<Bitmap> decoded = decode_bmp(data, size);
  if (decoded) check_bitmap(*decoded);

  int fd = -1;
  const std::string& path = scratch_file(fd);
  FUZZ_CHECK(fd >= 0);
  FUZZ_CHECK(ftruncate(fd, 0) == 0);
  FUZZ_CHECK(size == 0 || pwrite(fd, data, size, 0) == ssize_t(size));

  const int depth = GETBMPDEPTH(path.c_str());
  FUZZ_CHECK(depth >= 0 && depth <= 0xFFFF);

  gl_record::clear();
  TEXTURELOADID(path.c_str(), 0);
  const auto uploads = gl_record::named("glTexImage2D");
  const bool uploadable = decoded && (depth == 24 || depth == 32) && decoded->bits_per_pixel == depth;
  FUZZ_CHECK(uploads.size() == (uploadable ? 1u : 0u));
  if (uploadable) {
    FUZZ_CHECK(uploads[0].args[3] == decoded->width && uploads[0].args[4] == decoded->height);
    FUZZ_CHECK(uploads[0].data.size() == decoded->pixels.size());
  }
  FUZZ_CHECK(gl_record::count("glGenTextures") == 1);
  gl_record::clear();
  return 0;
}
