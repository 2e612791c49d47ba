// Window shapes through the X shape extension.

#include "platform/x11/xlib.h"
#define Region X11Region
#include <X11/extensions/shape.h>
#undef Region

#include <algorithm>
#include <climits>

#include "platform/window_record.h"
#include "platform/x11/x11_connection.h"
#include "platform/x11/x11_shape.h"

namespace {

bool shape_extension(X11Connection* c) {
  static const bool present = [c] {
    int event_base = 0, error_base = 0;
    return XShapeQueryExtension(c->display, &event_base, &error_base) != 0;
  }();
  return present;
}

X11Connection* shape_connection() {
  X11Connection* c = x11();
  return c && shape_extension(c) ? c : nullptr;
}

// X rectangles carry 16-bit positions and sizes.
XRectangle to_x(const RECT& r) {
  const long left = std::clamp<long>(r.left, SHRT_MIN, SHRT_MAX);
  const long top = std::clamp<long>(r.top, SHRT_MIN, SHRT_MAX);
  const long right = std::clamp<long>(r.right, left, left + USHRT_MAX);
  const long bottom = std::clamp<long>(r.bottom, top, top + USHRT_MAX);
  return XRectangle{short(left), short(top), static_cast<unsigned short>(right - left),
                    static_cast<unsigned short>(bottom - top)};
}

}  // namespace

void x11_set_window_shape(PlatformWindow* w, const std::vector<RECT>* rects) {
  X11Connection* c = shape_connection();
  if (c == nullptr || w == nullptr || w->native == 0) return;
  X11ErrorTrap trap(c->display);
  if (rects == nullptr) {
    XShapeCombineMask(c->display, w->native, ShapeBounding, 0, 0, None, ShapeSet);
  } else {
    std::vector<XRectangle> xr;
    xr.reserve(rects->size());
    for (const RECT& r : *rects) xr.push_back(to_x(r));
    XShapeCombineRectangles(c->display, w->native, ShapeBounding, 0, 0, xr.data(),
                            static_cast<int>(xr.size()), ShapeSet, YXBanded);
  }
  trap.failed();  // waits for the server; a refused shape leaves the window as it was
}

bool x11_window_shape(HWND window, std::vector<RECT>* rects) {
  X11Connection* c = shape_connection();
  PlatformWindow* w = window_from_handle(window);
  if (c == nullptr || w == nullptr || w->native == 0 || rects == nullptr) return false;
  Bool bounding = False, clip = False;
  int bx, by, cx, cy;
  unsigned int bw, bh, cw, ch;
  if (!XShapeQueryExtents(c->display, w->native, &bounding, &bx, &by, &bw, &bh, &clip, &cx, &cy,
                          &cw, &ch) ||
      !bounding)
    return false;
  int count = 0, ordering = 0;
  XRectangle* xr =
      XShapeGetRectangles(c->display, w->native, ShapeBounding, &count, &ordering);
  rects->clear();
  for (int i = 0; i < count; ++i)
    rects->push_back(RECT{xr[i].x, xr[i].y, xr[i].x + xr[i].width, xr[i].y + xr[i].height});
  if (xr) XFree(xr);
  return true;
}
