#include "platform/pixel_format.h"

#include <algorithm>
#include <array>

namespace {

int shortfall(int wanted, int have) { return std::max(0, wanted - have); }
int surplus(int wanted, int have) { return std::max(0, have - wanted); }
bool has(DWORD flags, DWORD bit) { return (flags & bit) != 0; }

using Key = std::array<int, 17>;

Key rank(const PixelFormatCandidate& c, const PIXELFORMATDESCRIPTOR& r) {
  const PIXELFORMATDESCRIPTOR& p = c.pfd;
  const bool want_double = has(r.dwFlags, PFD_DOUBLEBUFFER);
  const bool want_stereo = has(r.dwFlags, PFD_STEREO);
  return Key{
      want_double != has(p.dwFlags, PFD_DOUBLEBUFFER),
      r.cDepthBits > 0 && p.cDepthBits == 0,
      c.slow,
      !c.native_visual,
      shortfall(r.cColorBits, p.cColorBits),
      r.cAlphaBits > 0 && p.cAlphaBits == 0,
      r.cStencilBits > 0 && p.cStencilBits == 0,
      r.cAccumBits > 0 && p.cAccumBits == 0,
      shortfall(r.cAlphaBits, p.cAlphaBits),
      shortfall(r.cDepthBits, p.cDepthBits),
      shortfall(r.cStencilBits, p.cStencilBits),
      shortfall(r.cAccumBits, p.cAccumBits),
      want_stereo != has(p.dwFlags, PFD_STEREO),
      shortfall(r.cAuxBuffers, p.cAuxBuffers),
      surplus(r.cColorBits, p.cColorBits) + surplus(r.cAlphaBits, p.cAlphaBits) +
          surplus(r.cDepthBits, p.cDepthBits) + surplus(r.cStencilBits, p.cStencilBits),
      surplus(r.cAccumBits, p.cAccumBits),
      surplus(r.cAuxBuffers, p.cAuxBuffers),
  };
}

bool usable(const PixelFormatCandidate& c, const PIXELFORMATDESCRIPTOR& r) {
  const PIXELFORMATDESCRIPTOR& p = c.pfd;
  if (p.iPixelType != r.iPixelType) return false;
  if (has(r.dwFlags, PFD_DRAW_TO_WINDOW) && !has(p.dwFlags, PFD_DRAW_TO_WINDOW)) return false;
  if (has(r.dwFlags, PFD_SUPPORT_OPENGL) && !has(p.dwFlags, PFD_SUPPORT_OPENGL)) return false;
  return true;
}

}  // namespace

int choose_pixel_format(const std::vector<PixelFormatCandidate>& candidates,
                        const PIXELFORMATDESCRIPTOR& request) {
  int best = 0;
  Key best_key{};
  for (size_t i = 0; i < candidates.size(); ++i) {
    if (!usable(candidates[i], request)) continue;
    const Key key = rank(candidates[i], request);
    if (best == 0 || key < best_key) {
      best = static_cast<int>(i) + 1;
      best_key = key;
    }
  }
  return best;
}
