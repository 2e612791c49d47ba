// A backend without a display, for unit tests: windows exist only as
// records, input is injected by the test, drawing and buffer swaps are
// recorded, and the pointer, screen and foreground window are plain values
// the test sets. Install it with set_window_backend(&backend) and put the
// previous one back afterwards.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "platform/window_backend.h"

class HeadlessBackend : public WindowBackend {
 public:
  HeadlessBackend();

  // One drawing call on a window.
  struct DrawOp {
    enum Kind { kFill, kLine, kText, kImage } kind;
    HWND window;
    RECT rect;         // fill and image: the area; line: (x0, y0, x1, y1)
    std::string text;  // text
    DWORD colour;
  };
  struct Box {
    HWND owner;
    std::string text, caption;
    UINT type;
  };

  // ---- what the test sets ----
  POINT cursor{0, 0};
  int width = 1024, height = 768;
  HWND foreground = nullptr;
  bool refuse_windows = false;  // create_window fails
  // Answer of the next message boxes; -1 means "no box can be shown".
  int message_box_answer = -1;
  std::vector<PixelFormatCandidate> formats;

  // Queues an input event that the next pump hands to the message queue.
  void inject(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

  // ---- what the test reads ----
  std::vector<DrawOp> drawn;
  std::vector<Box> boxes;
  HWND grabbed = nullptr;
  int grabs = 0;
  int swaps = 0;
  int contexts_alive = 0;
  HWND current_window = nullptr;
  void* current_context = nullptr;
  std::vector<HWND> shown;  // windows in the order they were shown

  // ---- WindowBackend ----
  bool create_window(PlatformWindow* w) override;
  void destroy_window(PlatformWindow* w) override;
  void show_window(PlatformWindow* w, bool show) override;
  void set_title(PlatformWindow*) override {}
  void move_window(PlatformWindow*) override {}
  bool window_screen_rect(PlatformWindow*, RECT*) override { return false; }
  void pump_events() override;
  void wait_events(int timeout_ms) override;
  bool grab_pointer(PlatformWindow* w) override;
  void ungrab_pointer() override;
  bool cursor_pos(POINT* point) override;
  bool set_cursor_pos(int x, int y) override;
  PlatformWindow* foreground_window() override;
  int screen_width() override { return width; }
  int screen_height() override { return height; }
  void fill_rect(PlatformWindow* w, const RECT& rect, DWORD colour) override;
  void draw_line(PlatformWindow* w, int x0, int y0, int x1, int y1, DWORD colour) override;
  void draw_text(PlatformWindow* w, int x, int y, const std::string& text, DWORD colour) override;
  int text_height() override { return 13; }
  int text_width(const std::string& text) override { return 6 * static_cast<int>(text.size()); }
  void put_image(PlatformWindow* w, int x, int y, int width, int height, const uint32_t* pixels,
                 int stride) override;
  void flush() override {}
  const std::vector<PixelFormatCandidate>& pixel_formats() override { return formats; }
  bool set_pixel_format(PlatformWindow* w, int format) override;
  void* create_context(int format) override;
  void delete_context(void* context) override;
  bool make_current(PlatformWindow* w, void* context) override;
  bool swap_buffers(PlatformWindow* w) override;
  int message_box(PlatformWindow* owner, const std::string& text, const std::string& caption,
                  UINT type) override;

 private:
  struct Pending {
    HWND window;
    UINT message;
    WPARAM wparam;
    LPARAM lparam;
  };
  std::deque<Pending> pending_;
  unsigned long next_native_ = 1;
};
