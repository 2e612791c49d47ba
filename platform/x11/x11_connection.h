// The process's one connection to the X server, its atoms, the map from X
// windows to our windows, and an error trap. Private to platform/x11/.
#pragma once

#include "platform/x11/xlib.h"

#include <string>
#include <unordered_map>

#include "platform/types.h"

struct PlatformWindow;
struct Cursor;
struct CursorImage;

struct X11Connection {
  Display* display = nullptr;
  int screen = 0;
  Window root = 0;
  XFontStruct* font = nullptr;
  Atom wm_protocols = 0, wm_delete_window = 0, net_wm_name = 0, net_wm_icon_name = 0,
       utf8_string = 0, motif_wm_hints = 0, net_wm_state = 0, net_wm_state_fullscreen = 0,
       net_wm_icon = 0, net_wm_pid = 0, net_wm_window_type = 0,
       net_wm_window_type_dialog = 0;
  std::unordered_map<Window, PlatformWindow*> windows;
};

// The connection, opened on first use; null when there is no display (DISPLAY
// unset or the server unreachable). A failed open is not retried.
X11Connection* x11();

// Our window behind an X window, or null.
PlatformWindow* x11_window(Window window);

// Collects X errors between its construction and failed() instead of letting
// Xlib end the process.
class X11ErrorTrap {
 public:
  explicit X11ErrorTrap(Display* display);
  ~X11ErrorTrap();
  // Waits for the server to answer everything sent so far; true when any of
  // it failed.
  bool failed();

 private:
  Display* display_;
  int (*previous_)(Display*, XErrorEvent*);
};

// Turns one X event into queue entries (shared by the backend's pump and the
// message box's own loop).
void x11_translate_event(XEvent& event);

// Pixel value of a 0x00BBGGRR colour on a visual.
unsigned long x11_pixel(Visual* visual, DWORD colour);

// Waits for the window to be mapped (at most `timeout_ms`), leaving every
// other event queued. True when it was.
bool x11_wait_mapped(Window window, int timeout_ms);

// The X cursor for one of ours, made on first use (0 when it cannot be).
unsigned long x11_cursor(Cursor* cursor);
// Sets _NET_WM_ICON of a top-level X window from a picture.
void x11_set_icon(Window window, const CursorImage& image);

// Windows-1252 text drawn with the core font in Latin-1.
int x11_text_width(const std::string& cp1252);
void x11_draw_text(Drawable drawable, GC gc, int x, int top, const std::string& cp1252);
int x11_text_height();

// Message box over X11; -1 when there is no display.
int x11_message_box(PlatformWindow* owner, const std::string& text, const std::string& caption,
                    UINT type);
