// The X11 backend: every window is a real X window (a WS_CHILD window an X
// subwindow of its parent), X events become queue entries, capture is a
// pointer grab, and drawing uses core X requests.
//
// How the window system maps onto X:
// - A top-level window's size is its drawable area (the window manager
//   frames it outside). Without WS_THICKFRAME its size hints fix minimum =
//   maximum size. _MOTIF_WM_HINTS carries caption, border and buttons from
//   the style; a window without caption covering the whole screen also gets
//   _NET_WM_STATE_FULLSCREEN (the display mode is never touched).
// - Titles are Windows-1252: _NET_WM_NAME gets UTF-8, WM_NAME Latin-1.
// - WM_DELETE_WINDOW from the window manager becomes WM_CLOSE.
// - Keys: XKB's detectable auto-repeat, plus a check for the server's
//   release/press pairs, so a held key gives repeated key-downs only.
// - Showing a top-level window waits for it to be mapped and gives it the
//   input focus, as activation does.
// - An OpenGL pixel format may need another visual than the window was made
//   with: SetPixelFormat then makes the X window again with that visual,
//   moves the children over and keeps the same record, handle and device
//   context (remake_with_visual).

#include "platform/x11/xlib.h"
#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <bitset>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "platform/resource_objects.h"
#include "platform/text_encoding.h"
#include "platform/window_backend.h"
#include "platform/window_record.h"
#include "platform/x11/glx_binding.h"
#include "platform/x11/key_codes.h"
#include "platform/x11/x11_connection.h"
#include "platform/x11/x11_shape.h"

namespace {

// _MOTIF_WM_HINTS bits.
constexpr long kMwmHintsFunctions = 1, kMwmHintsDecorations = 2;
constexpr long kMwmFuncResize = 2, kMwmFuncMove = 4, kMwmFuncMinimize = 8,
               kMwmFuncMaximize = 16, kMwmFuncClose = 32;
constexpr long kMwmDecorBorder = 2, kMwmDecorResizeh = 4, kMwmDecorTitle = 8,
               kMwmDecorMenu = 16, kMwmDecorMinimize = 32, kMwmDecorMaximize = 64;

constexpr long kTopLevelEvents = ExposureMask | KeyPressMask | KeyReleaseMask | ButtonPressMask |
                                 ButtonReleaseMask | PointerMotionMask | StructureNotifyMask |
                                 FocusChangeMask;
constexpr long kChildEvents =
    ExposureMask | ButtonPressMask | ButtonReleaseMask | PointerMotionMask | StructureNotifyMask;

// Per native window: the visual it was made with.
struct NativeInfo {
  Visual* visual = nullptr;
  int depth = 0;
  Colormap colormap = 0;  // ours to free, 0 when the default one
};

std::unordered_map<const PlatformWindow*, NativeInfo>& native_info() {
  static auto* map = new std::unordered_map<const PlatformWindow*, NativeInfo>();
  return *map;
}

std::bitset<256> keys_down;
PlatformWindow* grab_window = nullptr;

bool captioned(DWORD style) { return (style & WS_CAPTION) == WS_CAPTION; }

WPARAM mouse_flags(unsigned int state) {
  WPARAM flags = 0;
  if (state & Button1Mask) flags |= MK_LBUTTON;
  if (state & Button2Mask) flags |= MK_MBUTTON;
  if (state & Button3Mask) flags |= MK_RBUTTON;
  if (state & ShiftMask) flags |= MK_SHIFT;
  if (state & ControlMask) flags |= MK_CONTROL;
  return flags;
}

void set_size_hints(X11Connection* c, PlatformWindow* w) {
  XSizeHints* hints = XAllocSizeHints();
  if (hints == nullptr) return;
  hints->flags = PPosition | USPosition | PSize;
  hints->x = w->x;
  hints->y = w->y;
  hints->width = std::max(w->width, 1);
  hints->height = std::max(w->height, 1);
  if (!(w->style & WS_THICKFRAME)) {
    // Not resizable: the smallest and the largest size are the size.
    hints->flags |= PMinSize | PMaxSize;
    hints->min_width = hints->max_width = hints->width;
    hints->min_height = hints->max_height = hints->height;
  }
  XSetWMNormalHints(c->display, w->native, hints);
  XFree(hints);
}

void set_title_properties(X11Connection* c, PlatformWindow* w) {
  const std::string utf8 = cp1252_to_utf8(w->title);
  const std::string latin1 = cp1252_to_latin1(w->title);
  for (Atom property : {c->net_wm_name, c->net_wm_icon_name})
    XChangeProperty(c->display, w->native, property, c->utf8_string, 8, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(utf8.data()),
                    static_cast<int>(utf8.size()));
  for (Atom property : {static_cast<Atom>(XA_WM_NAME), static_cast<Atom>(XA_WM_ICON_NAME)})
    XChangeProperty(c->display, w->native, property, XA_STRING, 8, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(latin1.data()),
                    static_cast<int>(latin1.size()));
}

// Everything the window manager reads from a top-level window.
void set_top_level_properties(X11Connection* c, PlatformWindow* w) {
  Display* d = c->display;
  Atom protocols[] = {c->wm_delete_window};
  XSetWMProtocols(d, w->native, protocols, 1);
  set_title_properties(c, w);

  XClassHint class_hint;
  std::string class_name = w->window_class ? w->window_class->name : "window";
  class_hint.res_name = class_name.data();
  class_hint.res_class = class_name.data();
  XSetClassHint(d, w->native, &class_hint);

  XWMHints wm_hints{};
  wm_hints.flags = InputHint | StateHint;
  wm_hints.input = True;
  wm_hints.initial_state = NormalState;
  XSetWMHints(d, w->native, &wm_hints);

  set_size_hints(c, w);

  const DWORD s = w->style;
  long motif[5] = {kMwmHintsFunctions | kMwmHintsDecorations, kMwmFuncMove, 0, 0, 0};
  if (s & WS_SYSMENU) motif[1] |= kMwmFuncClose;
  if (s & WS_MINIMIZEBOX) motif[1] |= kMwmFuncMinimize;
  if (s & WS_MAXIMIZEBOX) motif[1] |= kMwmFuncMaximize;
  if (s & WS_THICKFRAME) motif[1] |= kMwmFuncResize;
  if (captioned(s)) {
    motif[2] = kMwmDecorBorder | kMwmDecorTitle;
    if (s & WS_SYSMENU) motif[2] |= kMwmDecorMenu;
    if (s & WS_MINIMIZEBOX) motif[2] |= kMwmDecorMinimize;
    if (s & WS_MAXIMIZEBOX) motif[2] |= kMwmDecorMaximize;
    if (s & WS_THICKFRAME) motif[2] |= kMwmDecorResizeh;
  }
  XChangeProperty(d, w->native, c->motif_wm_hints, c->motif_wm_hints, 32, PropModeReplace,
                  reinterpret_cast<unsigned char*>(motif), 5);

  // A window without a caption covering the whole screen is a full-screen
  // window: the window manager is told so (the display mode stays).
  if (!captioned(s) && w->x == 0 && w->y == 0 && w->width == DisplayWidth(d, c->screen) &&
      w->height == DisplayHeight(d, c->screen)) {
    Atom state[] = {c->net_wm_state_fullscreen};
    XChangeProperty(d, w->native, c->net_wm_state, XA_ATOM, 32, PropModeReplace,
                    reinterpret_cast<unsigned char*>(state), 1);
  }

  long pid = static_cast<long>(getpid());
  XChangeProperty(d, w->native, c->net_wm_pid, XA_CARDINAL, 32, PropModeReplace,
                  reinterpret_cast<unsigned char*>(&pid), 1);

  if (w->window_class) {
    const CursorImage* icon = icon_image(w->window_class->icon);
    if (icon) x11_set_icon(w->native, *icon);
  }
}

// Makes the X window for a record with the given visual (null: the
// parent's).
bool make_native(X11Connection* c, PlatformWindow* w, Visual* visual, int depth,
                 Colormap colormap) {
  const Window parent = w->parent ? w->parent->native : c->root;
  if (parent == 0) return false;
  XSetWindowAttributes a{};
  unsigned long mask = CWEventMask | CWBackPixmap | CWBorderPixel;
  a.background_pixmap = None;  // our erase message paints the background
  a.border_pixel = 0;
  a.event_mask = w->parent ? kChildEvents : kTopLevelEvents;
  if (colormap) {
    mask |= CWColormap;
    a.colormap = colormap;
  }
  X11ErrorTrap trap(c->display);
  const Window xw = XCreateWindow(c->display, parent, w->x, w->y,
                                  static_cast<unsigned>(std::max(w->width, 1)),
                                  static_cast<unsigned>(std::max(w->height, 1)), 0,
                                  visual ? depth : CopyFromParent, InputOutput,
                                  visual ? visual : CopyFromParent, mask, &a);
  if (trap.failed() || xw == 0) return false;
  w->native = xw;
  c->windows[xw] = w;
  if (w->parent == nullptr) set_top_level_properties(c, w);
  if (w->window_class) {
    if (Cursor* cursor = cursor_from_handle(w->window_class->cursor)) {
      if (const unsigned long xc = x11_cursor(cursor)) XDefineCursor(c->display, xw, xc);
    }
  }
  NativeInfo info;
  XWindowAttributes attributes;
  if (XGetWindowAttributes(c->display, xw, &attributes)) {
    info.visual = attributes.visual;
    info.depth = attributes.depth;
  }
  info.colormap = colormap;
  native_info()[w] = info;
  return true;
}

void map_and_focus(X11Connection* c, PlatformWindow* w) {
  if (w->parent) {
    XMapWindow(c->display, w->native);
    XFlush(c->display);
    return;
  }
  XMapRaised(c->display, w->native);
  // Showing a top-level window activates it, as the framework expects of
  // its one window (keys go to it from then on).
  if (x11_wait_mapped(w->native, 2000)) {
    X11ErrorTrap trap(c->display);
    XSetInputFocus(c->display, w->native, RevertToPointerRoot, CurrentTime);
  }
}

POINT event_screen_point(int x_root, int y_root) { return POINT{x_root, y_root}; }

void translate_key(X11Connection* c, XKeyEvent& key, bool press) {
  PlatformWindow* w = x11_window(key.window);
  if (w == nullptr) return;
  const unsigned keycode = key.keycode & 0xFF;
  if (!press && XEventsQueued(c->display, QueuedAfterReading)) {
    // A release followed at once by a press of the same key at the same
    // time is the server's auto-repeat: the key stays down.
    XEvent next;
    XPeekEvent(c->display, &next);
    if (next.type == KeyPress && next.xkey.keycode == key.keycode && next.xkey.time == key.time)
      return;
  }
  KeySym keysym = XLookupKeysym(&key, 0);
  const WPARAM vk = virtual_key_from_keysym(keysym);
  if (vk == 0) return;
  const POINT pt = event_screen_point(key.x_root, key.y_root);
  if (press) {
    const bool repeat = keys_down.test(keycode);
    keys_down.set(keycode);
    const LPARAM lparam = static_cast<LPARAM>(1u | (keycode << 16) | (repeat ? 1u << 30 : 0u));
    char text[8] = {0};
    KeySym ignored;
    const int n = XLookupString(&key, text, sizeof text, &ignored, nullptr);
    if (n == 1) remember_key_character(w, lparam, text[0]);
    queue_input_message(w, WM_KEYDOWN, vk, lparam, pt);
  } else {
    keys_down.reset(keycode);
    const LPARAM lparam = static_cast<LPARAM>(1u | (keycode << 16) | (1u << 30) | (1u << 31));
    queue_input_message(w, WM_KEYUP, vk, lparam, pt);
  }
}

void translate_button(XButtonEvent& button, bool press) {
  PlatformWindow* w = x11_window(button.window);
  if (w == nullptr) return;
  UINT message;
  WPARAM bit;
  switch (button.button) {
    case Button1:
      message = press ? WM_LBUTTONDOWN : WM_LBUTTONUP;
      bit = MK_LBUTTON;
      break;
    case Button2:
      message = press ? WM_MBUTTONDOWN : WM_MBUTTONUP;
      bit = MK_MBUTTON;
      break;
    case Button3:
      message = press ? WM_RBUTTONDOWN : WM_RBUTTONUP;
      bit = MK_RBUTTON;
      break;
    default:
      return;  // wheel buttons have no message here
  }
  // The state is the one before the event: the button changes with it.
  WPARAM flags = mouse_flags(button.state);
  flags = press ? (flags | bit) : (flags & ~bit);
  queue_input_message(w, message, flags, MAKELPARAM(button.x, button.y),
                      event_screen_point(button.x_root, button.y_root));
}

class X11Backend : public WindowBackend {
 public:
  bool create_window(PlatformWindow* w) override {
    X11Connection* c = x11();
    if (c == nullptr) return false;
    return make_native(c, w, nullptr, 0, 0);
  }

  void destroy_window(PlatformWindow* w) override {
    X11Connection* c = x11();
    if (c == nullptr || w->native == 0) return;
    if (grab_window == w) ungrab_pointer();
    c->windows.erase(w->native);
    XDestroyWindow(c->display, w->native);
    auto it = native_info().find(w);
    if (it != native_info().end()) {
      if (it->second.colormap) XFreeColormap(c->display, it->second.colormap);
      native_info().erase(it);
    }
    XFlush(c->display);
    w->native = 0;
  }

  void show_window(PlatformWindow* w, bool show) override {
    X11Connection* c = x11();
    if (c == nullptr || w->native == 0) return;
    if (show) {
      map_and_focus(c, w);
    } else if (w->parent) {
      XUnmapWindow(c->display, w->native);
    } else {
      XWithdrawWindow(c->display, w->native, c->screen);
    }
    XFlush(c->display);
  }

  void set_title(PlatformWindow* w) override {
    X11Connection* c = x11();
    if (c == nullptr || w->native == 0 || w->parent) return;
    set_title_properties(c, w);
    XFlush(c->display);
  }

  void move_window(PlatformWindow* w) override {
    X11Connection* c = x11();
    if (c == nullptr || w->native == 0) return;
    if (w->parent == nullptr) set_size_hints(c, w);
    XMoveResizeWindow(c->display, w->native, w->x, w->y,
                      static_cast<unsigned>(std::max(w->width, 1)),
                      static_cast<unsigned>(std::max(w->height, 1)));
    XFlush(c->display);
  }

  bool window_screen_rect(PlatformWindow* w, RECT* rect) override {
    X11Connection* c = x11();
    if (c == nullptr || w->native == 0) return false;
    int x = 0, y = 0;
    Window child;
    if (!XTranslateCoordinates(c->display, w->native, c->root, 0, 0, &x, &y, &child))
      return false;
    *rect = RECT{x, y, x + w->width, y + w->height};
    return true;
  }

  void pump_events() override {
    X11Connection* c = x11();
    if (c == nullptr) return;
    while (XPending(c->display)) {
      XEvent event;
      XNextEvent(c->display, &event);
      x11_translate_event(event);
    }
  }

  void wait_events(int timeout_ms) override {
    X11Connection* c = x11();
    if (c == nullptr) {
      // Nothing can ever arrive; only timers can end the wait.
      usleep(static_cast<useconds_t>(timeout_ms < 0 ? 100000 : timeout_ms * 1000));
      return;
    }
    XFlush(c->display);
    if (XPending(c->display)) return;
    pollfd fd{ConnectionNumber(c->display), POLLIN, 0};
    poll(&fd, 1, timeout_ms);
  }

  bool grab_pointer(PlatformWindow* w) override {
    X11Connection* c = x11();
    if (c == nullptr || w->native == 0) return false;
    const int status = XGrabPointer(c->display, w->native, False,
                                    ButtonPressMask | ButtonReleaseMask | PointerMotionMask,
                                    GrabModeAsync, GrabModeAsync, None, None, CurrentTime);
    grab_window = status == GrabSuccess ? w : nullptr;
    return status == GrabSuccess;
  }

  void ungrab_pointer() override {
    X11Connection* c = x11();
    grab_window = nullptr;
    if (c == nullptr) return;
    XUngrabPointer(c->display, CurrentTime);
    XFlush(c->display);
  }

  bool cursor_pos(POINT* point) override {
    X11Connection* c = x11();
    if (c == nullptr) return false;
    Window root, child;
    int rx, ry, wx, wy;
    unsigned int mask;
    if (!XQueryPointer(c->display, c->root, &root, &child, &rx, &ry, &wx, &wy, &mask))
      return false;
    *point = POINT{rx, ry};
    return true;
  }

  bool set_cursor_pos(int x, int y) override {
    X11Connection* c = x11();
    if (c == nullptr) return false;
    XWarpPointer(c->display, None, c->root, 0, 0, 0, 0, x, y);
    XFlush(c->display);
    return true;
  }

  PlatformWindow* foreground_window() override {
    X11Connection* c = x11();
    if (c == nullptr) return nullptr;
    Window focus = 0;
    int revert;
    XGetInputFocus(c->display, &focus, &revert);
    if (focus == None) return nullptr;
    if (focus == PointerRoot || focus == c->root) {
      // Keys follow the pointer: the window under it is the foreground one.
      Window at = c->root;
      for (int depth = 0; depth < 32 && at != None; ++depth) {
        if (PlatformWindow* w = x11_window(at)) return top_level_of(w);
        Window root, child;
        int rx, ry, wx, wy;
        unsigned int mask;
        if (!XQueryPointer(c->display, at, &root, &child, &rx, &ry, &wx, &wy, &mask)) break;
        at = child;
      }
      return nullptr;
    }
    // The focus window or one of its ancestors.
    X11ErrorTrap trap(c->display);
    for (Window at = focus; at != None && at != c->root;) {
      if (PlatformWindow* w = x11_window(at)) return top_level_of(w);
      Window root, parent;
      Window* children = nullptr;
      unsigned int count = 0;
      if (!XQueryTree(c->display, at, &root, &parent, &children, &count)) break;
      if (children) XFree(children);
      at = parent;
    }
    return nullptr;
  }

  int screen_width() override {
    X11Connection* c = x11();
    return c ? DisplayWidth(c->display, c->screen) : 0;
  }

  int screen_height() override {
    X11Connection* c = x11();
    return c ? DisplayHeight(c->display, c->screen) : 0;
  }

  void fill_rect(PlatformWindow* w, const RECT& rect, DWORD colour) override {
    GC gc = make_gc(w, colour);
    if (gc == nullptr) return;
    X11Connection* c = x11();
    if (rect.right > rect.left && rect.bottom > rect.top)
      XFillRectangle(c->display, w->native, gc, rect.left, rect.top,
                     static_cast<unsigned>(rect.right - rect.left),
                     static_cast<unsigned>(rect.bottom - rect.top));
    XFreeGC(c->display, gc);
  }

  void draw_line(PlatformWindow* w, int x0, int y0, int x1, int y1, DWORD colour) override {
    GC gc = make_gc(w, colour);
    if (gc == nullptr) return;
    XDrawLine(x11()->display, w->native, gc, x0, y0, x1, y1);
    XFreeGC(x11()->display, gc);
  }

  void draw_text(PlatformWindow* w, int x, int y, const std::string& text, DWORD colour) override {
    GC gc = make_gc(w, colour);
    if (gc == nullptr) return;
    x11_draw_text(w->native, gc, x, y, text);
    XFreeGC(x11()->display, gc);
  }

  int text_height() override { return x11_text_height(); }
  int text_width(const std::string& text) override { return x11_text_width(text); }

  void put_image(PlatformWindow* w, int x, int y, int width, int height, const uint32_t* pixels,
                 int stride) override {
    X11Connection* c = x11();
    if (c == nullptr || w->native == 0 || pixels == nullptr || width <= 0 || height <= 0) return;
    const NativeInfo& info = native_info()[w];
    if (info.visual == nullptr) return;
    char* data = static_cast<char*>(std::malloc(static_cast<size_t>(width) * height * 4));
    if (data == nullptr) return;
    XImage* image = XCreateImage(c->display, info.visual, static_cast<unsigned>(info.depth),
                                 ZPixmap, 0, data, static_cast<unsigned>(width),
                                 static_cast<unsigned>(height), 32, 0);
    if (image == nullptr) {
      std::free(data);
      return;
    }
    for (int row = 0; row < height; ++row) {
      for (int col = 0; col < width; ++col) {
        const uint32_t p = pixels[static_cast<size_t>(row) * stride + col];
        // 0x00RRGGBB to 0x00BBGGRR for the pixel conversion.
        const DWORD colour = ((p >> 16) & 0xFF) | (p & 0xFF00) | ((p & 0xFF) << 16);
        XPutPixel(image, col, row, x11_pixel(info.visual, colour));
      }
    }
    GC gc = XCreateGC(c->display, w->native, 0, nullptr);
    XPutImage(c->display, w->native, gc, image, 0, 0, x, y, static_cast<unsigned>(width),
              static_cast<unsigned>(height));
    XFreeGC(c->display, gc);
    XDestroyImage(image);  // frees `data`
  }

  void flush() override {
    if (X11Connection* c = x11()) XFlush(c->display);
  }

  void set_window_shape(PlatformWindow* w, const std::vector<RECT>* rects) override {
    x11_set_window_shape(w, rects);
  }

  const std::vector<PixelFormatCandidate>& pixel_formats() override {
    return glx_pixel_formats();
  }

  bool set_pixel_format(PlatformWindow* w, int format) override {
    X11Connection* c = x11();
    if (c == nullptr || w->native == 0) return false;
    XVisualInfo* vi = glx_visual(format);
    if (vi == nullptr) return false;
    const NativeInfo current = native_info()[w];
    bool ok = true;
    if (current.visual == nullptr || XVisualIDFromVisual(current.visual) != vi->visualid)
      ok = remake_with_visual(c, w, vi);
    XFree(vi);
    return ok;
  }

  void* create_context(int format) override { return glx_create_context(format); }
  void delete_context(void* context) override { glx_delete_context(context); }
  bool make_current(PlatformWindow* w, void* context) override {
    return glx_make_current(w ? w->native : 0, context);
  }
  bool swap_buffers(PlatformWindow* w) override { return glx_swap_buffers(w->native); }

  int message_box(PlatformWindow* owner, const std::string& text, const std::string& caption,
                  UINT type) override {
    return x11_message_box(owner, text, caption, type);
  }

 private:
  static PlatformWindow* top_level_of(PlatformWindow* w) {
    while (w->parent) w = w->parent;
    return w;
  }

  GC make_gc(PlatformWindow* w, DWORD colour) {
    X11Connection* c = x11();
    if (c == nullptr || w == nullptr || w->native == 0) return nullptr;
    const NativeInfo& info = native_info()[w];
    if (info.visual == nullptr) return nullptr;
    XGCValues values;
    values.foreground = x11_pixel(info.visual, colour);
    return XCreateGC(c->display, w->native, GCForeground, &values);
  }

  // The window's X window made again with another visual (an OpenGL pixel
  // format's); the record, its children and its mapped state carry over.
  bool remake_with_visual(X11Connection* c, PlatformWindow* w, XVisualInfo* vi) {
    const Window old_native = w->native;
    const NativeInfo old_info = native_info()[w];
    const Window parent = w->parent ? w->parent->native : c->root;
    const Colormap colormap = XCreateColormap(c->display, parent, vi->visual, AllocNone);
    if (!make_native(c, w, vi->visual, vi->depth, colormap)) {
      XFreeColormap(c->display, colormap);
      w->native = old_native;
      native_info()[w] = old_info;
      return false;
    }
    for (PlatformWindow* child : w->children)
      XReparentWindow(c->display, child->native, w->native, child->x, child->y);
    const bool had_grab = grab_window == w;
    c->windows.erase(old_native);
    if (w->visible) map_and_focus(c, w);
    XDestroyWindow(c->display, old_native);
    if (old_info.colormap) XFreeColormap(c->display, old_info.colormap);
    if (had_grab) grab_pointer(w);
    invalidate_window(w, nullptr, true);
    XFlush(c->display);
    return true;
  }
};

}  // namespace

void x11_translate_event(XEvent& event) {
  X11Connection* c = x11();
  if (c == nullptr) return;
  switch (event.type) {
    case KeyPress:
      translate_key(c, event.xkey, true);
      break;
    case KeyRelease:
      translate_key(c, event.xkey, false);
      break;
    case ButtonPress:
      translate_button(event.xbutton, true);
      break;
    case ButtonRelease:
      translate_button(event.xbutton, false);
      break;
    case MotionNotify: {
      PlatformWindow* w = x11_window(event.xmotion.window);
      if (w == nullptr) break;
      queue_input_message(w, WM_MOUSEMOVE, mouse_flags(event.xmotion.state),
                          MAKELPARAM(event.xmotion.x, event.xmotion.y),
                          event_screen_point(event.xmotion.x_root, event.xmotion.y_root));
      break;
    }
    case Expose: {
      PlatformWindow* w = x11_window(event.xexpose.window);
      if (w == nullptr) break;
      const RECT area{event.xexpose.x, event.xexpose.y, event.xexpose.x + event.xexpose.width,
                      event.xexpose.y + event.xexpose.height};
      invalidate_window(w, &area, true);
      break;
    }
    case ConfigureNotify: {
      PlatformWindow* w = x11_window(event.xconfigure.window);
      if (w && w->parent == nullptr)
        window_resized_by_system(w, event.xconfigure.width, event.xconfigure.height);
      break;
    }
    case ClientMessage: {
      PlatformWindow* w = x11_window(event.xclient.window);
      if (w && event.xclient.message_type == c->wm_protocols && event.xclient.format == 32 &&
          static_cast<Atom>(event.xclient.data.l[0]) == c->wm_delete_window) {
        POINT pt{0, 0};
        window_backend().cursor_pos(&pt);
        queue_input_message(w, WM_CLOSE, 0, 0, pt);
      }
      break;
    }
    case MappingNotify:
      XRefreshKeyboardMapping(&event.xmapping);
      break;
    default:
      break;
  }
}

WindowBackend& x11_window_backend() {
  static auto* backend = new X11Backend();
  return *backend;
}
