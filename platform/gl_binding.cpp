// The OpenGL window binding: pixel formats on window device contexts and
// rendering contexts, handed to the backend (GLX in platform/x11/).

#include "platform/gl_binding.h"

#include <unordered_set>

#include "platform/device_context_registry.h"
#include "platform/pixel_format.h"
#include "platform/window_backend.h"
#include "platform/window_record.h"

struct GlContext {
  int format = 0;
  void* native = nullptr;
};

namespace {

std::unordered_set<const GlContext*>& live_contexts() {
  static auto* set = new std::unordered_set<const GlContext*>();
  return *set;
}

GlContext* current_context = nullptr;
PlatformWindow* current_window = nullptr;

GlContext* context_from_handle(HGLRC rc) {
  return (rc && live_contexts().count(rc)) ? rc : nullptr;
}

// The window behind a window device context, or null.
PlatformWindow* window_of(HDC dc) {
  DeviceContext* record = device_context_from_handle(dc);
  if (record == nullptr || record->memory) return nullptr;
  return window_from_handle(record->window);
}

void release_current() {
  if (current_context) window_backend().make_current(nullptr, nullptr);
  current_context = nullptr;
  current_window = nullptr;
}

}  // namespace

void forget_window_gl(PlatformWindow* w) {
  if (current_window == w) release_current();
}

int ChoosePixelFormat(HDC dc, const PIXELFORMATDESCRIPTOR* request) {
  if (request == nullptr || device_context_from_handle(dc) == nullptr) return 0;
  return choose_pixel_format(window_backend().pixel_formats(), *request);
}

int DescribePixelFormat(HDC dc, int format, UINT size, PIXELFORMATDESCRIPTOR* out) {
  if (device_context_from_handle(dc) == nullptr) return 0;
  const auto& formats = window_backend().pixel_formats();
  const int count = static_cast<int>(formats.size());
  if (out != nullptr) {
    if (format < 1 || format > count || size < sizeof(PIXELFORMATDESCRIPTOR)) return 0;
    *out = formats[static_cast<size_t>(format - 1)].pfd;
  }
  return count;
}

BOOL SetPixelFormat(HDC dc, int format, const PIXELFORMATDESCRIPTOR*) {
  PlatformWindow* w = window_of(dc);
  if (w == nullptr) return FALSE;
  const int count = static_cast<int>(window_backend().pixel_formats().size());
  if (format < 1 || format > count) return FALSE;
  // A window's pixel format is set once.
  if (w->pixel_format != 0) return w->pixel_format == format ? TRUE : FALSE;
  if (!window_backend().set_pixel_format(w, format)) return FALSE;
  w->pixel_format = format;
  w->dc->pixel_format = format;
  return TRUE;
}

HGLRC wglCreateContext(HDC dc) {
  PlatformWindow* w = window_of(dc);
  if (w == nullptr || w->pixel_format == 0) return nullptr;
  void* native = window_backend().create_context(w->pixel_format);
  if (native == nullptr) return nullptr;
  auto* rc = new GlContext();
  rc->format = w->pixel_format;
  rc->native = native;
  live_contexts().insert(rc);
  return rc;
}

BOOL wglMakeCurrent(HDC dc, HGLRC context) {
  if (context == nullptr) {
    release_current();
    return TRUE;
  }
  GlContext* rc = context_from_handle(context);
  PlatformWindow* w = window_of(dc);
  if (rc == nullptr || w == nullptr || w->pixel_format != rc->format) return FALSE;
  if (!window_backend().make_current(w, rc->native)) return FALSE;
  current_context = rc;
  current_window = w;
  return TRUE;
}

BOOL wglDeleteContext(HGLRC context) {
  GlContext* rc = context_from_handle(context);
  if (rc == nullptr) return FALSE;
  if (current_context == rc) release_current();
  window_backend().delete_context(rc->native);
  live_contexts().erase(rc);
  delete rc;
  return TRUE;
}

BOOL SwapBuffers(HDC dc) {
  PlatformWindow* w = window_of(dc);
  if (w == nullptr || w->pixel_format == 0) return FALSE;
  return window_backend().swap_buffers(w) ? TRUE : FALSE;
}
