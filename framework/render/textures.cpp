#include "framework/render/textures.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <sys/stat.h>

#include <cstdint>
#include <fstream>

#include "platform/bitmap.h"

#ifndef GL_BGRA_EXT
#define GL_BGRA_EXT 0x80E1
#endif

unsigned int TEXTUREID2[TEXTURE_SLOTS] = {};
int GL_MIN_FILTER = GL_LINEAR;
int GL_MAG_FILTER = GL_LINEAR;

namespace {

bool valid_slot(int num) { return num >= 0 && num < TEXTURE_SLOTS; }

bool is_mipmap_filter(int filter) {
  return filter == GL_NEAREST_MIPMAP_NEAREST || filter == GL_LINEAR_MIPMAP_NEAREST ||
         filter == GL_NEAREST_MIPMAP_LINEAR || filter == GL_LINEAR_MIPMAP_LINEAR;
}

}  // namespace

int GETBMPDEPTH(const char* BMPFILE) {
  // Only an existing regular file counts (not a directory, pipe or device).
  struct stat st;
  if (!BMPFILE || ::stat(BMPFILE, &st) != 0 || !S_ISREG(st.st_mode)) return 0;
  std::ifstream file(BMPFILE, std::ios::binary);
  if (!file) return 0;
  // A file that cannot be read or ends inside its headers counts as missing.
  unsigned char file_header[14];
  if (!file.read(reinterpret_cast<char*>(file_header), sizeof file_header)) return 0;
  if (file_header[0] != 'B' || file_header[1] != 'M') return 0;
  unsigned char info_header[40];
  if (!file.read(reinterpret_cast<char*>(info_header), sizeof info_header)) return 0;
  const uint32_t header_size = uint32_t(info_header[0]) | (uint32_t(info_header[1]) << 8) |
                               (uint32_t(info_header[2]) << 16) |
                               (uint32_t(info_header[3]) << 24);
  if (header_size == 12) return 0;
  return int(info_header[14]) | (int(info_header[15]) << 8);
}

void SWAPRGB(void* DATA, int SIZE) {
  if (!DATA) return;
  auto* bytes = static_cast<unsigned char*>(DATA);
  for (int i = 0; i < SIZE; ++i) {
    unsigned char* group = bytes + 3 * static_cast<size_t>(i);
    const unsigned char first = group[0];
    group[0] = group[2];
    group[2] = first;
  }
}

void ADDMIPMAPSTEXTURE(int FORMAT, int WIDTH, int HEIGHT, const void* BITS) {
  if (FORMAT == 24)
    gluBuild2DMipmaps(GL_TEXTURE_2D, 3, WIDTH, HEIGHT, GL_RGB, GL_UNSIGNED_BYTE, BITS);
  else if (FORMAT == 32)
    gluBuild2DMipmaps(GL_TEXTURE_2D, 4, WIDTH, HEIGHT, GL_BGRA_EXT, GL_UNSIGNED_BYTE, BITS);
}

void TEXTURELOADID(const char* BMPFILE, int NUM) {
  if (!valid_slot(NUM)) return;
  const int FORMAT = GETBMPDEPTH(BMPFILE);
  HANDLE image = LoadImageA(nullptr, BMPFILE, IMAGE_BITMAP, 0, 0,
                            LR_LOADFROMFILE | LR_LOADTRANSPARENT | LR_CREATEDIBSECTION);
  BITMAP bm = {};
  // Upload only what the loader actually decoded, at the depth the headers
  // announced; a damaged file leaves the slot with a texture without image.
  const bool loaded = image && GetObjectA(image, int(sizeof bm), &bm) == int(sizeof bm) &&
                      bm.bmBits && bm.bmBitsPixel == FORMAT;

  if (loaded && FORMAT == 24) {
    // Rows are padded to 4 bytes: swap each row's pixels, not the padding.
    auto* rows = static_cast<unsigned char*>(bm.bmBits);
    for (LONG y = 0; y < bm.bmHeight; ++y)
      SWAPRGB(rows + size_t(y) * size_t(bm.bmWidthBytes), bm.bmWidth);
  }

  glEnable(GL_TEXTURE_2D);
  glGenTextures(1, &TEXTUREID2[NUM]);
  glBindTexture(GL_TEXTURE_2D, TEXTUREID2[NUM]);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
  glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
  glPixelStorei(GL_UNPACK_SKIP_ROWS, 0);
  glPixelStorei(GL_UNPACK_SKIP_PIXELS, 0);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_MIN_FILTER);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_MAG_FILTER);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);

  if (loaded && (FORMAT == 24 || FORMAT == 32)) {
    if (FORMAT == 24)
      glTexImage2D(GL_TEXTURE_2D, 0, 3, bm.bmWidth, bm.bmHeight, 0, GL_RGB, GL_UNSIGNED_BYTE,
                   bm.bmBits);
    else
      glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, bm.bmWidth, bm.bmHeight, 0, GL_BGRA_EXT,
                   GL_UNSIGNED_BYTE, bm.bmBits);
    if (is_mipmap_filter(GL_MIN_FILTER))
      ADDMIPMAPSTEXTURE(FORMAT, bm.bmWidth, bm.bmHeight, bm.bmBits);
  }

  // Nothing refers to the decoded image after the upload.
  if (image) DeleteObject(static_cast<HGDIOBJ>(image));
}

void TEXTURESELECTID(int NUM) {
  if (!valid_slot(NUM)) return;
  glBindTexture(GL_TEXTURE_2D, TEXTUREID2[NUM]);
}

void TEXTUREON() { glEnable(GL_TEXTURE_2D); }

void TEXTUREOFF() { glDisable(GL_TEXTURE_2D); }
