// Invalid areas, paint messages and window device contexts.

#include <algorithm>

#include "platform/device_context_registry.h"
#include "platform/window.h"
#include "platform/window_backend.h"
#include "platform/window_record.h"

namespace {

RECT clipped_to_client(const PlatformWindow* w, const RECT& r) {
  return RECT{std::max<LONG>(r.left, 0), std::max<LONG>(r.top, 0),
              std::min<LONG>(r.right, w->width), std::min<LONG>(r.bottom, w->height)};
}

bool empty(const RECT& r) { return r.right <= r.left || r.bottom <= r.top; }

}  // namespace

void invalidate_window(PlatformWindow* w, const RECT* area, bool erase) {
  if (w == nullptr) return;
  const RECT r = clipped_to_client(w, area ? *area : RECT{0, 0, w->width, w->height});
  if (empty(r)) return;
  if (!w->invalid) {
    w->invalid = true;
    w->invalid_rect = r;
  } else {
    RECT& u = w->invalid_rect;
    u = RECT{std::min(u.left, r.left), std::min(u.top, r.top), std::max(u.right, r.right),
             std::max(u.bottom, r.bottom)};
  }
  if (erase) w->erase_pending = true;
}

void window_resized_by_system(PlatformWindow* w, int width, int height) {
  if (w == nullptr || (w->width == width && w->height == height)) return;
  w->width = width;
  w->height = height;
  queue_input_message(w, WM_SIZE, 0, MAKELPARAM(width, height), POINT{0, 0});
  invalidate_window(w, nullptr, true);
}

BOOL InvalidateRect(HWND window, const RECT* rect, BOOL erase) {
  if (window == nullptr) {
    for (PlatformWindow* w : all_windows())
      if (is_top_level(w)) invalidate_window(w, nullptr, erase != FALSE);
    return TRUE;
  }
  PlatformWindow* w = window_from_handle(window);
  if (w == nullptr) return FALSE;
  invalidate_window(w, rect, erase != FALSE);
  return TRUE;
}

BOOL UpdateWindow(HWND window) {
  PlatformWindow* w = window_from_handle(window);
  if (w == nullptr) return FALSE;
  if (w->invalid) SendMessageA(window, WM_PAINT, 0, 0);
  return TRUE;
}

HDC BeginPaint(HWND window, PAINTSTRUCT* paint) {
  PlatformWindow* w = window_from_handle(window);
  if (w == nullptr || paint == nullptr) return nullptr;
  const RECT area = w->invalid ? w->invalid_rect : RECT{0, 0, w->width, w->height};
  const bool erase = w->erase_pending;
  // Validate first: a procedure that invalidates while painting asks for
  // another paint.
  w->invalid = false;
  w->erase_pending = false;
  HDC dc = w->dc.get();
  paint->hdc = dc;
  paint->rcPaint = area;
  paint->fErase = FALSE;
  if (erase) {
    const LRESULT erased = SendMessageA(window, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    paint->fErase = erased ? FALSE : TRUE;
  }
  return window_from_handle(window) ? dc : nullptr;
}

BOOL EndPaint(HWND window, const PAINTSTRUCT* paint) {
  if (window_from_handle(window) == nullptr || paint == nullptr) return FALSE;
  window_backend().flush();
  return TRUE;
}

HDC GetDC(HWND window) {
  if (window == nullptr) return screen_device_context();
  PlatformWindow* w = window_from_handle(window);
  return w ? w->dc.get() : nullptr;
}

int ReleaseDC(HWND window, HDC dc) {
  DeviceContext* record = device_context_from_handle(dc);
  if (record == nullptr || record->memory) return 0;
  if (window == nullptr) return record == screen_device_context() ? 1 : 0;
  PlatformWindow* w = window_from_handle(window);
  return (w && w->dc.get() == record) ? 1 : 0;
}
