#include "platform/headless_backend.h"

#include <algorithm>
#include <thread>

#include "platform/window_record.h"

namespace {

PixelFormatCandidate format(DWORD flags, BYTE colour, BYTE alpha, BYTE depth, BYTE stencil,
                            BYTE accum) {
  PixelFormatCandidate c;
  c.pfd.nSize = sizeof(PIXELFORMATDESCRIPTOR);
  c.pfd.nVersion = 1;
  c.pfd.dwFlags = flags | PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL;
  c.pfd.iPixelType = PFD_TYPE_RGBA;
  c.pfd.cColorBits = colour;
  c.pfd.cAlphaBits = alpha;
  c.pfd.cDepthBits = depth;
  c.pfd.cStencilBits = stencil;
  c.pfd.cAccumBits = accum;
  return c;
}

}  // namespace

HeadlessBackend::HeadlessBackend() {
  // A small choice like a software renderer's: single and double buffered,
  // with and without depth, stencil and accumulation.
  formats = {
      format(0, 24, 0, 0, 0, 0),
      format(0, 32, 8, 24, 8, 0),
      format(PFD_DOUBLEBUFFER, 24, 0, 0, 0, 0),
      format(PFD_DOUBLEBUFFER, 32, 8, 0, 0, 0),
      format(PFD_DOUBLEBUFFER, 32, 8, 24, 8, 0),
      format(PFD_DOUBLEBUFFER, 32, 8, 24, 8, 64),
  };
}

void HeadlessBackend::inject(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  pending_.push_back(Pending{window, message, wparam, lparam});
}

bool HeadlessBackend::create_window(PlatformWindow* w) {
  if (refuse_windows) return false;
  w->native = next_native_++;
  return true;
}

void HeadlessBackend::destroy_window(PlatformWindow* w) {
  if (grabbed == w) grabbed = nullptr;
  if (foreground == w) foreground = nullptr;
  if (current_window == w) current_window = nullptr;
  w->native = 0;
}

void HeadlessBackend::show_window(PlatformWindow* w, bool show) {
  if (show) shown.push_back(w);
}

void HeadlessBackend::pump_events() {
  while (!pending_.empty()) {
    const Pending p = pending_.front();
    pending_.pop_front();
    queue_input_message(p.window, p.message, p.wparam, p.lparam, cursor);
  }
}

void HeadlessBackend::wait_events(int timeout_ms) {
  // Nothing arrives by itself; a wait only lets time pass for timers.
  const int ms = timeout_ms < 0 ? 10 : std::min(timeout_ms, 10);
  std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

bool HeadlessBackend::grab_pointer(PlatformWindow* w) {
  grabbed = w;
  ++grabs;
  return true;
}

void HeadlessBackend::ungrab_pointer() { grabbed = nullptr; }

bool HeadlessBackend::cursor_pos(POINT* point) {
  *point = cursor;
  return true;
}

bool HeadlessBackend::set_cursor_pos(int x, int y) {
  cursor = POINT{std::clamp(x, 0, width - 1), std::clamp(y, 0, height - 1)};
  return true;
}

PlatformWindow* HeadlessBackend::foreground_window() { return window_from_handle(foreground); }

void HeadlessBackend::fill_rect(PlatformWindow* w, const RECT& rect, DWORD colour) {
  drawn.push_back(DrawOp{DrawOp::kFill, w, rect, "", colour});
}

void HeadlessBackend::draw_line(PlatformWindow* w, int x0, int y0, int x1, int y1, DWORD colour) {
  drawn.push_back(DrawOp{DrawOp::kLine, w, RECT{x0, y0, x1, y1}, "", colour});
}

void HeadlessBackend::draw_text(PlatformWindow* w, int x, int y, const std::string& text,
                                DWORD colour) {
  drawn.push_back(DrawOp{DrawOp::kText, w,
                         RECT{x, y, x + text_width(text), y + text_height()}, text, colour});
}

void HeadlessBackend::put_image(PlatformWindow* w, int x, int y, int image_width,
                                int image_height, const uint32_t*, int) {
  drawn.push_back(
      DrawOp{DrawOp::kImage, w, RECT{x, y, x + image_width, y + image_height}, "", 0});
}

bool HeadlessBackend::set_pixel_format(PlatformWindow*, int format_index) {
  return format_index >= 1 && format_index <= static_cast<int>(formats.size());
}

void* HeadlessBackend::create_context(int format_index) {
  ++contexts_alive;
  return new int(format_index);
}

void HeadlessBackend::delete_context(void* context) {
  --contexts_alive;
  delete static_cast<int*>(context);
}

bool HeadlessBackend::make_current(PlatformWindow* w, void* context) {
  current_window = w;
  current_context = context;
  return true;
}

bool HeadlessBackend::swap_buffers(PlatformWindow*) {
  ++swaps;
  return true;
}

int HeadlessBackend::message_box(PlatformWindow* owner, const std::string& text,
                                 const std::string& caption, UINT type) {
  boxes.push_back(Box{owner, text, caption, type});
  return message_box_answer;
}
