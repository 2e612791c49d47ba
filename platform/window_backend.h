// The seam between the display-independent platform code and a display:
// native windows, events, pointer, drawing and the OpenGL binding. The X11
// backend (platform/x11/) is the default; unit tests install a
// HeadlessBackend (platform/headless_backend.h) instead.
#pragma once

#include <string>
#include <vector>

#include "platform/gl_binding.h"
#include "platform/types.h"
#include "platform/window.h"

struct PlatformWindow;
struct Cursor;

// One available pixel format, as the chooser sees it.
struct PixelFormatCandidate {
  PIXELFORMATDESCRIPTOR pfd{};
  // Usable on a window without re-creating it with another visual.
  bool native_visual = true;
  // Flagged by the driver as slow or non-conformant.
  bool slow = false;
};

class WindowBackend {
 public:
  virtual ~WindowBackend() = default;

  // ---- windows ----
  // Makes the native window for a new record (class, style, geometry, title
  // and parent are already set). False when it cannot.
  virtual bool create_window(PlatformWindow* w) = 0;
  // Releases the native window (children are released before parents).
  virtual void destroy_window(PlatformWindow* w) = 0;
  virtual void show_window(PlatformWindow* w, bool show) = 0;
  virtual void set_title(PlatformWindow* w) = 0;
  // Applies the record's position and size.
  virtual void move_window(PlatformWindow* w) = 0;
  // Outer rectangle of a top-level window as the display places it; false to
  // fall back on the record.
  virtual bool window_screen_rect(PlatformWindow* w, RECT* rect) = 0;

  // ---- events ----
  // Turns every pending native event into queue entries; never blocks.
  virtual void pump_events() = 0;
  // Waits until native events may be pending, at most `timeout_ms`
  // milliseconds (negative: no limit).
  virtual void wait_events(int timeout_ms) = 0;

  // ---- pointer and screen ----
  virtual bool grab_pointer(PlatformWindow* w) = 0;
  virtual void ungrab_pointer() = 0;
  virtual bool cursor_pos(POINT* point) = 0;
  virtual bool set_cursor_pos(int x, int y) = 0;
  virtual PlatformWindow* foreground_window() = 0;
  virtual int screen_width() = 0;
  virtual int screen_height() = 0;

  // ---- drawing on a window (client coordinates, colours 0x00BBGGRR) ----
  virtual void fill_rect(PlatformWindow* w, const RECT& rect, DWORD colour) = 0;
  virtual void draw_line(PlatformWindow* w, int x0, int y0, int x1, int y1, DWORD colour) = 0;
  // Text (Windows-1252) with its top-left corner at (x, y).
  virtual void draw_text(PlatformWindow* w, int x, int y, const std::string& text,
                         DWORD colour) = 0;
  virtual int text_height() = 0;
  virtual int text_width(const std::string& text) = 0;
  // Copies 0x00RRGGBB pixels (rows top first, `stride` pixels apart) to the
  // window at (x, y).
  virtual void put_image(PlatformWindow* w, int x, int y, int width, int height,
                         const uint32_t* pixels, int stride) = 0;
  virtual void flush() = 0;
  // Gives the native window the shape of the rectangles (client coordinates,
  // y-x banded); null makes it rectangular again. Backends without shapes
  // ignore it.
  virtual void set_window_shape(PlatformWindow*, const std::vector<RECT>*) {}

  // ---- OpenGL binding ----
  // The available formats; index i of the list is pixel format i + 1.
  virtual const std::vector<PixelFormatCandidate>& pixel_formats() = 0;
  // Binds format `format` (1-based) to the window; the native window may be
  // re-created underneath, the record stays the same.
  virtual bool set_pixel_format(PlatformWindow* w, int format) = 0;
  // A native context for the format, null on failure.
  virtual void* create_context(int format) = 0;
  virtual void delete_context(void* context) = 0;
  // Null window and context release the current context.
  virtual bool make_current(PlatformWindow* w, void* context) = 0;
  virtual bool swap_buffers(PlatformWindow* w) = 0;

  // ---- message box ----
  // Shows a modal box and returns the button pressed; -1 when no box can be
  // shown (the caller then writes to standard error and answers 0).
  virtual int message_box(PlatformWindow* owner, const std::string& text,
                          const std::string& caption, UINT type) = 0;
};

// The backend in use: the one installed, else the X11 backend.
WindowBackend& window_backend();
// Installs a backend (null: back to the X11 backend); returns the previous
// one installed (null when it was the default). Only with no window alive.
WindowBackend* set_window_backend(WindowBackend* backend);
// The X11 backend (platform/x11/).
WindowBackend& x11_window_backend();
