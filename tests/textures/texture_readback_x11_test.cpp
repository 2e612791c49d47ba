// Textures on a real OpenGL context under a virtual X server: what
// TEXTURELOADID uploads is read back texel by texel.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <vector>

#include "framework/render/textures.h"
#include "platform/gl_binding.h"
#include "platform/window.h"
#include "tests/textures/bmp_builder.h"

namespace {

using bmp_builder::Spec;
using bmp_builder::image;

LRESULT plain_procedure(HWND w, UINT m, WPARAM wp, LPARAM lp) { return DefWindowProcA(w, m, wp, lp); }

class TextureReadback : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = plain_procedure;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "TextureReadback";
    RegisterClassA(&wc);
    window_ = CreateWindowExA(0, "TextureReadback", "textures", WS_OVERLAPPED | WS_CAPTION, 0, 0,
                              64, 64, nullptr, nullptr, wc.hInstance, nullptr);
    if (!window_) return;
    dc_ = GetDC(window_);
    PIXELFORMATDESCRIPTOR pfd = {};
    pfd.nSize = sizeof pfd;
    pfd.nVersion = 1;
    pfd.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
    pfd.iPixelType = PFD_TYPE_RGBA;
    pfd.cColorBits = 32;
    pfd.cDepthBits = 16;
    const int format = ChoosePixelFormat(dc_, &pfd);
    if (format == 0 || !SetPixelFormat(dc_, format, &pfd)) return;
    context_ = wglCreateContext(dc_);
    if (context_ && !wglMakeCurrent(dc_, context_)) context_ = nullptr;
  }
  static void TearDownTestSuite() {
    if (context_) {
      wglMakeCurrent(nullptr, nullptr);
      wglDeleteContext(context_);
    }
    if (window_) {
      ReleaseDC(window_, dc_);
      DestroyWindow(window_);
    }
  }
  void SetUp() override { ASSERT_NE(context_, nullptr) << "no current OpenGL context"; }

  // Loads a file into slot 1 and reads level 0 of its texture back as RGBA.
  std::vector<uint8_t> load_and_read(const Spec& spec, int& width, int& height) {
    TEXTURELOADID(dir_.write("t.bmp", bmp_builder::build(spec)).c_str(), 1);
    GLint bound = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    EXPECT_EQ(GLuint(bound), TEXTUREID2[1]);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &height);
    std::vector<uint8_t> texels(size_t(width) * size_t(height) * 4);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, texels.data());
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
    return texels;
  }

  bmp_builder::TempDir dir_;
  static HWND window_;
  static HDC dc_;
  static HGLRC context_;
};
HWND TextureReadback::window_ = nullptr;
HDC TextureReadback::dc_ = nullptr;
HGLRC TextureReadback::context_ = nullptr;

}  // namespace

TEST_F(TextureReadback, TwentyFourBitBlueGreenRedBecomesRedGreenBlue) {
  int w = 0, h = 0;
  const auto t = load_and_read(image(1, 1, 24, {{0x10, 0x20, 0x30}}), w, h);
  ASSERT_EQ(w, 1);
  ASSERT_EQ(h, 1);
  EXPECT_EQ(t, (std::vector<uint8_t>{0x30, 0x20, 0x10, 0xFF}));
}

TEST_F(TextureReadback, OddWidthTwentyFourBitKeepsEveryColour) {
  // 3 x 2: stored rows of 9 bytes plus 3 bytes of padding; the first stored
  // row (the picture's bottom row) becomes texture row 0.
  Spec s = image(3, 2, 24, {{0x10, 0x20, 0x30, 0x11, 0x21, 0x31, 0x12, 0x22, 0x32},
                            {0x40, 0x50, 0x60, 0x41, 0x51, 0x61, 0x42, 0x52, 0x62}});
  s.pad_byte = 0xAA;
  int w = 0, h = 0;
  const auto t = load_and_read(s, w, h);
  ASSERT_EQ(w, 3);
  ASSERT_EQ(h, 2);
  EXPECT_EQ(t, (std::vector<uint8_t>{0x30, 0x20, 0x10, 0xFF, 0x31, 0x21, 0x11, 0xFF,
                                     0x32, 0x22, 0x12, 0xFF, 0x60, 0x50, 0x40, 0xFF,
                                     0x61, 0x51, 0x41, 0xFF, 0x62, 0x52, 0x42, 0xFF}));
}

TEST_F(TextureReadback, ThirtyTwoBitKeepsItsAlpha) {
  int w = 0, h = 0;
  const auto t = load_and_read(image(2, 1, 32, {{0x10, 0x20, 0x30, 0x40, 0x01, 0x02, 0x03, 0xFE}}), w, h);
  ASSERT_EQ(w, 2);
  ASSERT_EQ(h, 1);
  EXPECT_EQ(t, (std::vector<uint8_t>{0x30, 0x20, 0x10, 0x40, 0x03, 0x02, 0x01, 0xFE}));
}

TEST_F(TextureReadback, ShippedTexturesUploadAtFullSize) {
  for (const char* name : {"GuscioInt00.bmp", "guscio00.bmp", "guscio01.bmp", "guscio02.bmp",
                           "guscio03.bmp", "guscio04.bmp", "guscio05.bmp", "guscio06.bmp"}) {
    SCOPED_TRACE(name);
    TEXTURELOADID((std::string(ASSETS_DIR) + "/" + name).c_str(), 2);
    GLint w = 0, h = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &w);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &h);
    EXPECT_EQ(w, 256);
    EXPECT_EQ(h, 256);
  }
}
