// Our cursors as X cursors (font cursors for the system kinds, bitmap
// cursors for pictures) and the window icon property.

#include "platform/x11/xlib.h"

#include <cmath>
#include <vector>

#include "platform/resource_objects.h"
#include "platform/resources.h"
#include "platform/x11/x11_connection.h"

namespace {

unsigned int font_shape(int id) {
  switch (id) {
    case IDC_ARROW: return XC_left_ptr;
    case IDC_IBEAM: return XC_xterm;
    case IDC_WAIT: return XC_watch;
    case IDC_CROSS: return XC_crosshair;
    case IDC_UPARROW: return XC_sb_up_arrow;
    case IDC_SIZE: return XC_fleur;
    case IDC_SIZENWSE: return XC_bottom_right_corner;
    case IDC_SIZENESW: return XC_bottom_left_corner;
    case IDC_SIZEWE: return XC_sb_h_double_arrow;
    case IDC_SIZENS: return XC_sb_v_double_arrow;
    case IDC_SIZEALL: return XC_fleur;
    case IDC_HAND: return XC_hand2;
    case IDC_APPSTARTING: return XC_watch;
    case IDC_HELP: return XC_question_arrow;
    default: return XC_left_ptr;
  }
}

// The "not allowed" pointer, which the cursor font lacks: a slashed circle,
// black with a white rim.
CursorImage slashed_circle() {
  CursorImage image;
  image.width = image.height = 24;
  image.hot_x = image.hot_y = 12;
  image.argb.assign(24 * 24, 0);
  auto ink = [](double x, double y) {
    const double dx = x - 11.5, dy = y - 11.5;
    const double r = std::sqrt(dx * dx + dy * dy);
    const bool ring = r >= 7.5 && r <= 10.5;
    const bool slash = r <= 10.5 && std::fabs(dx - dy) <= 2.2;
    return ring || slash;
  };
  for (int y = 0; y < 24; ++y) {
    for (int x = 0; x < 24; ++x) {
      uint32_t& px = image.argb[static_cast<size_t>(y) * 24 + x];
      if (ink(x, y)) {
        px = 0xFF000000u;
        continue;
      }
      for (int oy = -1; oy <= 1 && px == 0; ++oy)
        for (int ox = -1; ox <= 1 && px == 0; ++ox)
          if (ink(x + ox, y + oy)) px = 0xFFFFFFFFu;
    }
  }
  return image;
}

// A two-colour X cursor from a picture: opaque dark pixels black, opaque
// light pixels white, the rest see-through.
unsigned long picture_cursor(X11Connection* c, const CursorImage& image) {
  if (image.width <= 0 || image.height <= 0) return 0;
  const int row_bytes = (image.width + 7) / 8;
  std::vector<char> source(static_cast<size_t>(row_bytes) * image.height, 0);
  std::vector<char> mask(source.size(), 0);
  for (int y = 0; y < image.height; ++y) {
    for (int x = 0; x < image.width; ++x) {
      const uint32_t px = image.argb[static_cast<size_t>(y) * image.width + x];
      if ((px >> 24) < 128) continue;
      const int luma = (static_cast<int>((px >> 16) & 0xFF) * 3 +
                        static_cast<int>((px >> 8) & 0xFF) * 6 + static_cast<int>(px & 0xFF)) /
                       10;
      const size_t at = static_cast<size_t>(y) * row_bytes + x / 8;
      const char bit = static_cast<char>(1 << (x % 8));  // bitmap data: low bit first
      mask[at] |= bit;
      if (luma < 128) source[at] |= bit;
    }
  }
  X11ErrorTrap trap(c->display);
  const Pixmap src = XCreateBitmapFromData(c->display, c->root, source.data(),
                                           static_cast<unsigned>(image.width),
                                           static_cast<unsigned>(image.height));
  const Pixmap msk = XCreateBitmapFromData(c->display, c->root, mask.data(),
                                           static_cast<unsigned>(image.width),
                                           static_cast<unsigned>(image.height));
  XColor black{}, white{};
  white.red = white.green = white.blue = 0xFFFF;
  black.flags = white.flags = DoRed | DoGreen | DoBlue;
  X11Cursor cursor = 0;
  if (src && msk)
    cursor = XCreatePixmapCursor(c->display, src, msk, &black, &white,
                                 static_cast<unsigned>(image.hot_x),
                                 static_cast<unsigned>(image.hot_y));
  if (src) XFreePixmap(c->display, src);
  if (msk) XFreePixmap(c->display, msk);
  if (trap.failed()) return 0;
  return cursor;
}

}  // namespace

unsigned long x11_cursor(Cursor* cursor) {
  X11Connection* c = x11();
  if (c == nullptr || cursor == nullptr) return 0;
  if (cursor->native) return cursor->native;
  if (cursor->system_id == IDC_NO) {
    static const CursorImage no = slashed_circle();
    cursor->native = picture_cursor(c, no);
  } else if (cursor->system_id != 0) {
    cursor->native = XCreateFontCursor(c->display, font_shape(cursor->system_id));
  } else {
    cursor->native = picture_cursor(c, cursor->image);
  }
  return cursor->native;
}

void x11_set_icon(Window window, const CursorImage& image) {
  X11Connection* c = x11();
  if (c == nullptr || image.width <= 0 || image.height <= 0) return;
  // Width, height, then the pixels; 32-bit items travel as longs.
  std::vector<unsigned long> data;
  data.reserve(2 + image.argb.size());
  data.push_back(static_cast<unsigned long>(image.width));
  data.push_back(static_cast<unsigned long>(image.height));
  for (uint32_t px : image.argb) data.push_back(px);
  XChangeProperty(c->display, window, c->net_wm_icon, XA_CARDINAL, 32, PropModeReplace,
                  reinterpret_cast<unsigned char*>(data.data()), static_cast<int>(data.size()));
}
