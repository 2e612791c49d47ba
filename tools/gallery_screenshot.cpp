// Draws the gallery as the program shows it at start (windowed, 800 by 600,
// view at rest), reads the frame back and writes it as a PNG file.
// Run it in the folder that holds the textures, under an X server:
//   gallery_screenshot <output.png>
#include <GL/gl.h>
#include <png.h>

#include <cstdio>
#include <vector>

#include "demo/gallery_scene.h"
#include "demo/gallery_start.h"
#include "framework/render/window_size.h"
#include "framework/window/window_lifecycle.h"
#include "platform/gl_binding.h"

namespace {

bool write_png(const char* path, int width, int height, const std::vector<unsigned char>& rgb) {
  FILE* file = std::fopen(path, "wb");
  if (!file) return false;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  if (!png || !info || setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    std::fclose(file);
    return false;
  }
  png_init_io(png, file);
  png_set_IHDR(png, info, width, height, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_set_compression_level(png, 9);
  png_write_info(png, info);
  // OpenGL's rows run bottom to top.
  for (int y = height - 1; y >= 0; --y)
    png_write_row(png, const_cast<png_bytep>(&rgb[size_t(y) * width * 3]));
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return std::fclose(file) == 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: gallery_screenshot <output.png>\n");
    return 2;
  }
  start_gallery(false);

  OPENGL_DRAW();
  glFinish();
  std::vector<unsigned char> rgb(size_t(WIDTH) * HEIGHT * 3);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadBuffer(GL_BACK);
  glReadPixels(0, 0, WIDTH, HEIGHT, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
  const bool written = write_png(argv[1], WIDTH, HEIGHT, rgb);
  DELETEOGLWINDOW();
  if (!written) {
    std::fprintf(stderr, "gallery_screenshot: cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
