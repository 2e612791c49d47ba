// Choosing the closest pixel format, against a table shaped like what a
// software renderer offers.

#include "platform/pixel_format.h"

#include <gtest/gtest.h>

namespace {

struct Spec {
  bool double_buffer;
  int colour, alpha, depth, stencil, accum;
  bool native = true;
  bool slow = false;
  bool stereo = false;
};

PixelFormatCandidate candidate(const Spec& s) {
  PixelFormatCandidate c;
  c.pfd.nSize = sizeof(PIXELFORMATDESCRIPTOR);
  c.pfd.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL |
                  (s.double_buffer ? DWORD{PFD_DOUBLEBUFFER} : 0u) |
                  (s.stereo ? DWORD{PFD_STEREO} : 0u);
  c.pfd.iPixelType = PFD_TYPE_RGBA;
  c.pfd.cColorBits = static_cast<BYTE>(s.colour);
  c.pfd.cAlphaBits = static_cast<BYTE>(s.alpha);
  c.pfd.cDepthBits = static_cast<BYTE>(s.depth);
  c.pfd.cStencilBits = static_cast<BYTE>(s.stencil);
  c.pfd.cAccumBits = static_cast<BYTE>(s.accum);
  c.native_visual = s.native;
  c.slow = s.slow;
  return c;
}

std::vector<PixelFormatCandidate> table(const std::vector<Spec>& specs) {
  std::vector<PixelFormatCandidate> out;
  for (const Spec& s : specs) out.push_back(candidate(s));
  return out;
}

// What the program asks for: 32 bits of everything, 32 auxiliary buffers,
// stereo, the overlay layer type.
PIXELFORMATDESCRIPTOR program_request() {
  PIXELFORMATDESCRIPTOR r{};
  r.nSize = sizeof r;
  r.nVersion = 1;
  r.dwFlags = PFD_DOUBLEBUFFER | PFD_STEREO | PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL |
              PFD_GENERIC_FORMAT | PFD_GENERIC_ACCELERATED;
  r.iPixelType = PFD_TYPE_RGBA;
  r.cColorBits = r.cAlphaBits = r.cAccumBits = r.cDepthBits = r.cStencilBits = r.cAuxBuffers = 32;
  r.iLayerType = PFD_OVERLAY_PLANE;
  return r;
}

const std::vector<Spec> kSoftware = {
    {false, 24, 0, 0, 0, 0},   {false, 24, 8, 24, 8, 0},  {true, 24, 0, 0, 0, 0},
    {true, 24, 8, 0, 0, 0},    {true, 24, 0, 16, 0, 0},   {true, 24, 0, 32, 0, 0},
    {true, 24, 8, 24, 8, 0},   {true, 24, 8, 24, 8, 64, false},
    {true, 24, 8, 24, 8, 64, true, true},  // as good, but slow
    {true, 24, 8, 24, 8, 64},
};

TEST(ChoosePixelFormat, ProgramsRequestGetsDoubleBufferedRgbaWithDepth) {
  struct Case {
    const char* name;
    std::vector<Spec> specs;
    int expected;
  } cases[] = {
      {"every requested buffer present, conformant, own depth", kSoftware, 10},
      {"depth without stencil loses to depth with stencil",
       {{true, 24, 8, 32, 0, 0}, {true, 24, 8, 24, 8, 0}}, 2},
      {"double buffering outranks a depth buffer",
       {{false, 24, 8, 24, 8, 64}, {true, 24, 0, 0, 0, 0}}, 2},
      {"a depth buffer outranks colour bits", {{true, 32, 8, 0, 0, 0}, {true, 16, 0, 16, 0, 0}}, 2},
      {"only single buffering on offer: still a format", {{false, 24, 0, 16, 0, 0}}, 1},
      {"stereo is taken when all else is equal",
       {{true, 24, 8, 24, 8, 0}, {true, 24, 8, 24, 8, 0, true, false, true}}, 2},
      {"nothing on offer", {}, 0},
  };
  for (const Case& c : cases)
    EXPECT_EQ(choose_pixel_format(table(c.specs), program_request()), c.expected) << c.name;
}

TEST(ChoosePixelFormat, HardRequirementsAndModestRequests) {
  PIXELFORMATDESCRIPTOR plain{};
  plain.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL;
  plain.cColorBits = 24;
  // Single buffered and no depth asked: the plainest format fits best.
  EXPECT_EQ(choose_pixel_format(table(kSoftware), plain), 1);

  PIXELFORMATDESCRIPTOR index = plain;
  index.iPixelType = PFD_TYPE_COLORINDEX;
  EXPECT_EQ(choose_pixel_format(table(kSoftware), index), 0) << "no colour-index formats";

  auto offscreen = table({{true, 24, 8, 24, 8, 0}});
  offscreen[0].pfd.dwFlags &= ~static_cast<DWORD>(PFD_DRAW_TO_WINDOW);
  EXPECT_EQ(choose_pixel_format(offscreen, program_request()), 0);
}

}  // namespace
