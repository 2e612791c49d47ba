#include "platform/x11/x11_connection.h"

#include "platform/x11/xlib.h"
#include <poll.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "platform/text_encoding.h"

namespace {

int trapped_error = 0;

int record_error(Display*, XErrorEvent* error) {
  trapped_error = error->error_code;
  return 0;
}

// Errors nobody traps (a window that went away meanwhile) do not end the
// program: the platform's calls report failure through their results. They
// are written to standard error, so a run can be checked for them.
int report_error(Display* display, XErrorEvent* error) {
  char text[256] = "";
  XGetErrorText(display, error->error_code, text, sizeof text);
  std::fprintf(stderr, "X error: %s (request %d.%d, resource 0x%lx)\n", text,
               error->request_code, error->minor_code, error->resourceid);
  return 0;
}

X11Connection* open_connection() {
  const char* name = std::getenv("DISPLAY");
  if (name == nullptr || *name == '\0') return nullptr;
  Display* display = XOpenDisplay(name);
  if (display == nullptr) return nullptr;
  XSetErrorHandler(report_error);
  auto* c = new X11Connection();
  c->display = display;
  c->screen = DefaultScreen(display);
  c->root = RootWindow(display, c->screen);
  // Held keys then repeat as presses alone, without release/press pairs.
  Bool supported = False;
  XkbSetDetectableAutoRepeat(display, True, &supported);
  c->font = XLoadQueryFont(display, "-misc-fixed-medium-r-semicondensed--13-*-*-*-c-60-iso8859-1");
  if (c->font == nullptr) c->font = XLoadQueryFont(display, "fixed");
  auto atom = [display](const char* n) { return XInternAtom(display, n, False); };
  c->wm_protocols = atom("WM_PROTOCOLS");
  c->wm_delete_window = atom("WM_DELETE_WINDOW");
  c->net_wm_name = atom("_NET_WM_NAME");
  c->net_wm_icon_name = atom("_NET_WM_ICON_NAME");
  c->utf8_string = atom("UTF8_STRING");
  c->motif_wm_hints = atom("_MOTIF_WM_HINTS");
  c->net_wm_state = atom("_NET_WM_STATE");
  c->net_wm_state_fullscreen = atom("_NET_WM_STATE_FULLSCREEN");
  c->net_wm_icon = atom("_NET_WM_ICON");
  c->net_wm_pid = atom("_NET_WM_PID");
  c->net_wm_window_type = atom("_NET_WM_WINDOW_TYPE");
  c->net_wm_window_type_dialog = atom("_NET_WM_WINDOW_TYPE_DIALOG");
  return c;
}

}  // namespace

X11Connection* x11() {
  static X11Connection* connection = open_connection();
  return connection;
}

PlatformWindow* x11_window(Window window) {
  X11Connection* c = x11();
  if (c == nullptr) return nullptr;
  auto it = c->windows.find(window);
  return it == c->windows.end() ? nullptr : it->second;
}

X11ErrorTrap::X11ErrorTrap(Display* display) : display_(display) {
  XSync(display_, False);
  trapped_error = 0;
  previous_ = XSetErrorHandler(record_error);
}

X11ErrorTrap::~X11ErrorTrap() {
  XSync(display_, False);
  XSetErrorHandler(previous_);
}

bool X11ErrorTrap::failed() {
  XSync(display_, False);
  return trapped_error != 0;
}

unsigned long x11_pixel(Visual* visual, DWORD colour) {
  const unsigned long channels[3] = {colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF};
  const unsigned long masks[3] = {visual->red_mask, visual->green_mask, visual->blue_mask};
  unsigned long pixel = 0;
  for (int i = 0; i < 3; ++i) {
    unsigned long mask = masks[i];
    if (mask == 0) continue;
    int shift = 0;
    while (((mask >> shift) & 1u) == 0) ++shift;
    const unsigned long max = mask >> shift;
    pixel |= ((channels[i] * max + 127) / 255) << shift;
  }
  return pixel;
}

bool x11_wait_mapped(Window window, int timeout_ms) {
  X11Connection* c = x11();
  if (c == nullptr) return false;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeout_ms);
  XEvent event;
  for (;;) {
    if (XCheckTypedWindowEvent(c->display, window, MapNotify, &event)) return true;
    XWindowAttributes attributes;
    if (XGetWindowAttributes(c->display, window, &attributes) &&
        attributes.map_state == IsViewable)
      return true;
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                          deadline - std::chrono::steady_clock::now())
                          .count();
    if (left <= 0) return false;
    pollfd fd{ConnectionNumber(c->display), POLLIN, 0};
    poll(&fd, 1, static_cast<int>(left < 20 ? left : 20));
  }
}

int x11_text_height() {
  X11Connection* c = x11();
  if (c == nullptr || c->font == nullptr) return 13;
  return c->font->ascent + c->font->descent;
}

int x11_text_width(const std::string& cp1252) {
  X11Connection* c = x11();
  if (c == nullptr || c->font == nullptr) return 6 * static_cast<int>(cp1252.size());
  const std::string latin1 = cp1252_to_latin1(cp1252);
  return XTextWidth(c->font, latin1.data(), static_cast<int>(latin1.size()));
}

void x11_draw_text(Drawable drawable, GC gc, int x, int top, const std::string& cp1252) {
  X11Connection* c = x11();
  if (c == nullptr || c->font == nullptr) return;
  const std::string latin1 = cp1252_to_latin1(cp1252);
  XSetFont(c->display, gc, c->font->fid);
  XDrawString(c->display, drawable, gc, x, top + c->font->ascent, latin1.data(),
              static_cast<int>(latin1.size()));
}
