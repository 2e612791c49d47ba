// Window classes, windows, properties and default message handling.
// Display-independent: native windows come from the backend.

#include <algorithm>
#include <cctype>
#include <cstring>
#include <unordered_set>

#include "platform/device_context_registry.h"
#include "platform/resource_objects.h"
#include "platform/window.h"
#include "platform/window_backend.h"
#include "platform/window_record.h"

// Defined in message_queue.cpp / input.cpp: forget what the queue and the
// pointer hold for a window that goes away.
void forget_window_messages(PlatformWindow* w);
void forget_window_capture(PlatformWindow* w);
// Defined in gl_binding.cpp: release a context current on a dying window.
void forget_window_gl(PlatformWindow* w);

namespace {

constexpr ATOM kFirstAtom = 0xC000;

// The tables below are never torn down: windows and classes a program still
// holds at exit stay reachable (and usable by late destructors).

std::vector<std::unique_ptr<WindowClass>>& classes() {
  static auto* list = new std::vector<std::unique_ptr<WindowClass>>();
  return *list;
}

std::vector<PlatformWindow*>& windows_in_order() {
  static auto* list = new std::vector<PlatformWindow*>();
  return *list;
}

std::unordered_set<const PlatformWindow*>& live_windows() {
  static auto* set = new std::unordered_set<const PlatformWindow*>();
  return *set;
}

// A name pointer below 0x10000 carries an atom instead of text.
bool is_atom_name(LPCSTR name) { return reinterpret_cast<uintptr_t>(name) < 0x10000; }

std::string upper(const char* text) {
  std::string s = text ? text : "";
  for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return s;
}

WindowClass* find_class(LPCSTR name) {
  if (name == nullptr) return nullptr;
  if (is_atom_name(name)) {
    const ATOM atom = static_cast<ATOM>(reinterpret_cast<uintptr_t>(name));
    for (auto& c : classes())
      if (c->atom == atom) return c.get();
    return nullptr;
  }
  const std::string wanted = upper(name);
  for (auto& c : classes())
    if (upper(c->name.c_str()) == wanted) return c.get();
  return nullptr;
}

ATOM register_class(const WindowClass& description) {
  if (description.proc == nullptr || description.name.empty()) return 0;
  if (find_class(description.name.c_str())) return 0;
  if (classes().size() >= 0x3FFF) return 0;
  auto c = std::make_unique<WindowClass>(description);
  c->atom = static_cast<ATOM>(kFirstAtom + classes().size());
  const ATOM atom = c->atom;
  classes().push_back(std::move(c));
  return atom;
}

void unlink_from_parent(PlatformWindow* w) {
  if (!w->parent) return;
  auto& siblings = w->parent->children;
  siblings.erase(std::remove(siblings.begin(), siblings.end(), w), siblings.end());
}

// Frees the record of a window and its descendants, children first.
void release_records(PlatformWindow* w) {
  const std::vector<PlatformWindow*> children = w->children;
  for (PlatformWindow* child : children) release_records(child);
  forget_window_capture(w);
  forget_window_gl(w);
  forget_window_messages(w);
  window_backend().destroy_window(w);
  unlink_from_parent(w);
  unregister_device_context(w->dc.get());
  auto& order = windows_in_order();
  order.erase(std::remove(order.begin(), order.end(), w), order.end());
  live_windows().erase(w);
  delete w;
}

void send_destroy(PlatformWindow* w) {
  HWND handle = w;
  SendMessageA(handle, WM_DESTROY, 0, 0);
  if (!window_from_handle(handle)) return;
  const std::vector<PlatformWindow*> children = w->children;
  for (PlatformWindow* child : children) {
    if (!window_from_handle(child) || child->destroying) continue;
    child->destroying = true;
    send_destroy(child);
  }
}

}  // namespace

PlatformWindow* window_from_handle(HWND window) {
  if (window == nullptr || live_windows().count(window) == 0) return nullptr;
  return window;
}

const std::vector<PlatformWindow*>& all_windows() { return windows_in_order(); }

POINT client_origin_on_screen(const PlatformWindow* w) {
  POINT p{0, 0};
  for (const PlatformWindow* at = w; at; at = at->parent) {
    if (at->parent == nullptr) {
      RECT r;
      if (window_backend().window_screen_rect(const_cast<PlatformWindow*>(at), &r)) {
        p.X += r.left;
        p.Y += r.top;
      } else {
        p.X += at->x;
        p.Y += at->y;
      }
    } else {
      p.X += at->x;
      p.Y += at->y;
    }
  }
  return p;
}

// ---- classes ------------------------------------------------------------------

// The class without a small icon: the large one serves for both.
ATOM RegisterClassA(const WNDCLASSA* wc) {
  if (wc == nullptr) return 0;
  const WNDCLASSEXA ex{sizeof(WNDCLASSEXA), wc->style,        wc->lpfnWndProc,
                       wc->cbClsExtra,      wc->cbWndExtra,   wc->hInstance,
                       wc->hIcon,           wc->hCursor,      wc->hbrBackground,
                       wc->lpszMenuName,    wc->lpszClassName, nullptr};
  return RegisterClassExA(&ex);
}

ATOM RegisterClassExA(const WNDCLASSEXA* wc) {
  if (wc == nullptr || wc->cbSize != sizeof(WNDCLASSEXA) || wc->lpszClassName == nullptr ||
      is_atom_name(wc->lpszClassName))
    return 0;
  WindowClass c;
  c.name = wc->lpszClassName;
  c.style = wc->style;
  c.proc = wc->lpfnWndProc;
  c.instance = wc->hInstance;
  c.icon = wc->hIcon;
  c.small_icon = wc->hIconSm ? wc->hIconSm : wc->hIcon;
  c.cursor = wc->hCursor;
  c.background = wc->hbrBackground;
  return register_class(c);
}

BOOL GetClassInfoExA(HINSTANCE, LPCSTR class_name, WNDCLASSEXA* wc) {
  const WindowClass* c = find_class(class_name);
  if (c == nullptr || wc == nullptr) return FALSE;
  wc->cbSize = sizeof(WNDCLASSEXA);
  wc->style = c->style;
  wc->lpfnWndProc = c->proc;
  wc->cbClsExtra = 0;
  wc->cbWndExtra = 0;
  wc->hInstance = c->instance;
  wc->hIcon = c->icon;
  wc->hCursor = c->cursor;
  wc->hbrBackground = c->background;
  wc->lpszMenuName = nullptr;
  wc->lpszClassName = c->name.c_str();
  wc->hIconSm = c->small_icon;
  return c->atom;
}

// ---- windows --------------------------------------------------------------------

HWND CreateWindowExA(DWORD ex_style, LPCSTR class_name, LPCSTR title, DWORD style, int x, int y,
                     int width, int height, HWND parent, HMENU menu, HINSTANCE instance,
                     LPVOID param) {
  const WindowClass* c = find_class(class_name);
  if (c == nullptr) return nullptr;
  PlatformWindow* parent_record = nullptr;
  if (parent != nullptr) {
    parent_record = window_from_handle(parent);
    if (parent_record == nullptr || parent_record->destroying) return nullptr;
  }
  const bool child = (style & WS_CHILD) != 0;
  if (child && parent_record == nullptr) return nullptr;

  auto* w = new PlatformWindow();
  w->window_class = c;
  w->proc = c->proc;
  w->style = style;
  w->ex_style = ex_style;
  w->title = title ? title : "";
  // A pop-up or overlapped window with an owner still lives on the screen;
  // only WS_CHILD windows live inside their parent.
  w->parent = child ? parent_record : nullptr;
  w->x = x == CW_USEDEFAULT ? 0 : x;
  w->y = (x == CW_USEDEFAULT || y == CW_USEDEFAULT) ? 0 : y;
  w->width = width == CW_USEDEFAULT ? 640 : std::max(width, 0);
  w->height = (width == CW_USEDEFAULT || height == CW_USEDEFAULT) ? 480 : std::max(height, 0);
  w->control_id = child ? reinterpret_cast<uintptr_t>(menu) : 0;
  w->dc = std::make_unique<DeviceContext>();
  w->dc->window = w;

  if (!window_backend().create_window(w)) {
    delete w;
    return nullptr;
  }
  live_windows().insert(w);
  windows_in_order().push_back(w);
  register_device_context(w->dc.get());
  if (w->parent) w->parent->children.push_back(w);

  CREATESTRUCTA cs{};
  cs.lpCreateParams = param;
  cs.hInstance = instance;
  cs.hMenu = menu;
  cs.hwndParent = parent;
  cs.cx = w->width;
  cs.cy = w->height;
  cs.x = w->x;
  cs.y = w->y;
  cs.style = static_cast<LONG>(style);
  cs.lpszName = title;
  cs.lpszClass = class_name;
  cs.dwExStyle = ex_style;
  HWND handle = w;
  const LRESULT created = SendMessageA(handle, WM_CREATE, 0, reinterpret_cast<LPARAM>(&cs));
  if (!window_from_handle(handle)) return nullptr;  // destroyed during WM_CREATE
  if (created == -1) {
    DestroyWindow(handle);
    return nullptr;
  }
  SendMessageA(handle, WM_SIZE, 0, MAKELPARAM(w->width, w->height));
  if (!window_from_handle(handle)) return nullptr;
  SendMessageA(handle, WM_MOVE, 0, MAKELPARAM(w->x, w->y));
  if (!window_from_handle(handle)) return nullptr;
  if (style & WS_VISIBLE) ShowWindow(handle, SW_SHOW);
  return window_from_handle(handle) ? handle : nullptr;
}

BOOL DestroyWindow(HWND window) {
  PlatformWindow* w = window_from_handle(window);
  if (w == nullptr) return FALSE;
  if (w->destroying) return TRUE;  // already on its way out (re-entrant call)
  w->destroying = true;
  if (w->visible) window_backend().show_window(w, false);
  send_destroy(w);
  if (window_from_handle(window)) release_records(w);
  return TRUE;
}

BOOL IsWindow(HWND window) { return window_from_handle(window) ? TRUE : FALSE; }

BOOL ShowWindow(HWND window, int command) {
  PlatformWindow* w = window_from_handle(window);
  if (w == nullptr) return FALSE;
  const BOOL was_visible = w->visible ? TRUE : FALSE;
  const bool show = command != SW_HIDE;
  if (show == w->visible) return was_visible;
  w->visible = show;
  if (show) {
    w->style |= WS_VISIBLE;
    invalidate_window(w, nullptr, true);
  } else {
    w->style &= ~static_cast<DWORD>(WS_VISIBLE);
  }
  window_backend().show_window(w, show);
  return was_visible;
}

BOOL SetWindowTextA(HWND window, LPCSTR text) {
  PlatformWindow* w = window_from_handle(window);
  if (w == nullptr) return FALSE;
  w->title = text ? text : "";
  window_backend().set_title(w);
  if (!is_top_level(w)) invalidate_window(w, nullptr, true);
  return TRUE;
}

int GetWindowTextA(HWND window, LPSTR buffer, int size) {
  PlatformWindow* w = window_from_handle(window);
  if (w == nullptr || buffer == nullptr || size <= 0) return 0;
  const size_t n = std::min(w->title.size(), static_cast<size_t>(size - 1));
  std::memcpy(buffer, w->title.data(), n);
  buffer[n] = '\0';
  return static_cast<int>(n);
}

BOOL GetWindowRect(HWND window, RECT* rect) {
  PlatformWindow* w = window_from_handle(window);
  if (w == nullptr || rect == nullptr) return FALSE;
  const POINT origin = client_origin_on_screen(w);
  *rect = RECT{origin.X, origin.Y, origin.X + w->width, origin.Y + w->height};
  return TRUE;
}

BOOL GetClientRect(HWND window, RECT* rect) {
  PlatformWindow* w = window_from_handle(window);
  if (w == nullptr || rect == nullptr) return FALSE;
  *rect = RECT{0, 0, w->width, w->height};
  return TRUE;
}

BOOL MoveWindow(HWND window, int x, int y, int width, int height, BOOL repaint) {
  PlatformWindow* w = window_from_handle(window);
  if (w == nullptr) return FALSE;
  width = std::max(width, 0);
  height = std::max(height, 0);
  const bool moved = x != w->x || y != w->y;
  const bool sized = width != w->width || height != w->height;
  w->x = x;
  w->y = y;
  w->width = width;
  w->height = height;
  window_backend().move_window(w);
  if (sized) SendMessageA(window, WM_SIZE, 0, MAKELPARAM(width, height));
  if (moved && window_from_handle(window)) SendMessageA(window, WM_MOVE, 0, MAKELPARAM(x, y));
  if (repaint && window_from_handle(window)) invalidate_window(w, nullptr, true);
  return TRUE;
}

HWND GetParent(HWND window) {
  PlatformWindow* w = window_from_handle(window);
  return w ? w->parent : nullptr;
}

int GetDlgCtrlID(HWND window) {
  PlatformWindow* w = window_from_handle(window);
  return w ? static_cast<int>(w->control_id) : 0;
}

// ---- properties ---------------------------------------------------------------------

BOOL SetPropA(HWND window, LPCSTR name, HANDLE value) {
  PlatformWindow* w = window_from_handle(window);
  if (w == nullptr || name == nullptr || is_atom_name(name)) return FALSE;
  w->properties[upper(name)] = value;
  return TRUE;
}

HANDLE GetPropA(HWND window, LPCSTR name) {
  PlatformWindow* w = window_from_handle(window);
  if (w == nullptr || name == nullptr || is_atom_name(name)) return nullptr;
  auto it = w->properties.find(upper(name));
  return it == w->properties.end() ? nullptr : it->second;
}

HANDLE RemovePropA(HWND window, LPCSTR name) {
  PlatformWindow* w = window_from_handle(window);
  if (w == nullptr || name == nullptr || is_atom_name(name)) return nullptr;
  auto it = w->properties.find(upper(name));
  if (it == w->properties.end()) return nullptr;
  HANDLE value = it->second;
  w->properties.erase(it);
  return value;
}

// ---- default handling -----------------------------------------------------------------

LRESULT DefWindowProcA(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  PlatformWindow* w = window_from_handle(window);
  if (w == nullptr) return 0;
  switch (message) {
    case WM_CLOSE:
      DestroyWindow(window);
      return 0;
    case WM_SYSCOMMAND:
      if ((wparam & 0xFFF0) == SC_CLOSE) SendMessageA(window, WM_CLOSE, 0, 0);
      return 0;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      BeginPaint(window, &ps);
      EndPaint(window, &ps);
      return 0;
    }
    case WM_ERASEBKGND: {
      // A window drawn with OpenGL is never cleared behind its back.
      if (w->pixel_format != 0) return 1;
      const Brush* brush = brush_from_handle(w->window_class->background);
      if (brush == nullptr || brush->hollow) return 0;
      window_backend().fill_rect(w, RECT{0, 0, w->width, w->height}, brush->colour);
      return 1;
    }
    case WM_RBUTTONUP: {
      // The context-menu request follows the right button's release, with
      // the position in screen pixels.
      const POINT origin = client_origin_on_screen(w);
      const int x = static_cast<int16_t>(LOWORD(static_cast<uintptr_t>(lparam))) + origin.X;
      const int y = static_cast<int16_t>(HIWORD(static_cast<uintptr_t>(lparam))) + origin.Y;
      SendMessageA(window, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(window), MAKELPARAM(x, y));
      return 0;
    }
    case WM_CONTEXTMENU:
      if (w->parent) return SendMessageA(w->parent, WM_CONTEXTMENU, wparam, lparam);
      return 0;
    default:
      return 0;
  }
}

LRESULT SendMessageA(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  PlatformWindow* w = window_from_handle(window);
  if (w == nullptr || w->proc == nullptr) return 0;
  return w->proc(window, message, wparam, lparam);
}
