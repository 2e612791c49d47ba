// Window shapes: SetWindowRgn hands a region to a window, which owns it from
// then on; the backend gives the native window that shape.

#include "platform/gdi.h"
#include "platform/window_backend.h"
#include "platform/window_record.h"

int SetWindowRgn(HWND window, HRGN region, BOOL redraw) {
  PlatformWindow* w = window_from_handle(window);
  if (w == nullptr) return 0;
  Region* r = nullptr;
  if (region != nullptr) {
    r = region_from_handle(region);
    if (r == nullptr) return 0;
    // A region another window owns (or a stock object) cannot be handed on.
    if (r->stock && w->region.get() != r) return 0;
  }
  if (w->region.get() != r) {
    // The window owns the region now: DeleteObject refuses it from here on.
    if (r) r->stock = true;
    w->region.reset(r);
  }
  window_backend().set_window_shape(w, r ? &r->rects : nullptr);
  if (redraw) invalidate_window(w, nullptr, true);
  return 1;
}

int GetWindowRgn(HWND window, HRGN region) {
  PlatformWindow* w = window_from_handle(window);
  Region* out = region_from_handle(region);
  if (w == nullptr || out == nullptr || w->region == nullptr) return RGN_ERROR;
  const Region* own = region_from_handle(w->region.get());
  if (own == nullptr) return RGN_ERROR;
  out->rects = own->rects;
  if (out->rects.empty()) return NULLREGION;
  return out->rects.size() == 1 ? SIMPLEREGION : COMPLEXREGION;
}
