// The records behind window-class and window handles, and the entry points
// the event source (the X11 backend, or a test's headless backend) uses to
// feed the message queue. Display-independent.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/device_context.h"
#include "platform/gdi_object.h"
#include "platform/types.h"
#include "platform/window.h"

struct WindowClass {
  ATOM atom = 0;
  std::string name;
  UINT style = 0;
  WNDPROC proc = nullptr;
  HINSTANCE instance = nullptr;
  HICON icon = nullptr;
  HICON small_icon = nullptr;
  HCURSOR cursor = nullptr;
  HBRUSH background = nullptr;
};

struct PlatformWindow {
  const WindowClass* window_class = nullptr;
  WNDPROC proc = nullptr;
  DWORD style = 0;
  DWORD ex_style = 0;
  std::string title;  // Windows-1252
  PlatformWindow* parent = nullptr;
  std::vector<PlatformWindow*> children;
  // Position relative to the parent's client area (the screen for a
  // top-level window) and size of the client area.
  int x = 0, y = 0, width = 0, height = 0;
  uintptr_t control_id = 0;
  bool visible = false;
  bool destroying = false;
  // Keys are upper-cased: property names compare case-insensitively.
  std::map<std::string, HANDLE> properties;
  // Area waiting for WM_PAINT, in client coordinates.
  bool invalid = false;
  bool erase_pending = false;
  RECT invalid_rect{0, 0, 0, 0};
  // The window's own device context: GetDC hands out this one every time.
  std::unique_ptr<DeviceContext> dc;
  int pixel_format = 0;
  // The window's shape given by SetWindowRgn (a Region, owned by the window);
  // null while the window is rectangular.
  std::unique_ptr<GdiObject> region;
  // The backend's native window (an X window id), 0 when it has none.
  unsigned long native = 0;
};

// The record behind a handle, or null for a null, stale or unknown handle.
PlatformWindow* window_from_handle(HWND window);
// Every live window, in creation order.
const std::vector<PlatformWindow*>& all_windows();
// True for a top-level window (no parent).
inline bool is_top_level(const PlatformWindow* w) { return w->parent == nullptr; }
// Origin of the window's client area in screen pixels.
POINT client_origin_on_screen(const PlatformWindow* w);

// ---- the event source's side of the queue ------------------------------------
// Queues an input message (key, button, motion, close): first-in first-out,
// except that a mouse move replaces a move of the same window still waiting
// when no other input for that window has been queued after it. `pt` is the
// cursor position in screen pixels.
void queue_input_message(HWND window, UINT message, WPARAM wparam, LPARAM lparam, POINT pt);
// Remembers the character a key-down produced, for TranslateMessage.
void remember_key_character(HWND window, LPARAM key_lparam, char cp1252_character);
// Marks an area of the window (client coordinates, null: all) for repainting.
void invalidate_window(PlatformWindow* w, const RECT* area, bool erase);
// The window's client size changed outside our control (window manager).
void window_resized_by_system(PlatformWindow* w, int width, int height);
