// The status bar: a child window along the bottom of its parent's client area,
// split into parts at the right edges SB_SETPARTS gives, each showing a text.
// Part 0's text is the window's own text.

#include "platform/status_bar.h"

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "platform/resource_objects.h"
#include "platform/resources.h"
#include "platform/window.h"
#include "platform/window_backend.h"
#include "platform/window_record.h"

namespace {

constexpr char kClassName[] = "msctls_statusbar32";
constexpr int kMaxParts = 256;
constexpr DWORD kTextColour = 0x00000000;
constexpr DWORD kShadowColour = 0x00A0A0A0;
constexpr DWORD kHighlightColour = 0x00FFFFFF;

struct StatusBar {
  std::vector<int> edges{-1};        // right edge of each part; -1: the bar's right end
  std::vector<std::string> texts{""};  // texts of parts 1..; part 0 is the window text
};

std::map<HWND, StatusBar>& bars() {
  static auto* map = new std::map<HWND, StatusBar>();
  return *map;
}

// `text` shortened from the end until it fits in `width` pixels.
std::string fitted(const std::string& text, int width) {
  std::string s = text;
  while (!s.empty() && window_backend().text_width(s) > width) s.pop_back();
  return s;
}

void paint(HWND window, PlatformWindow* w, const StatusBar& bar) {
  PAINTSTRUCT ps;
  if (BeginPaint(window, &ps) == nullptr) return;
  WindowBackend& backend = window_backend();
  backend.fill_rect(w, RECT{0, 0, w->width, w->height}, system_colour(COLOR_BTNFACE));
  backend.draw_line(w, 0, 0, w->width, 0, kShadowColour);
  backend.draw_line(w, 0, 1, w->width, 1, kHighlightColour);
  const int text_top = std::max(2, (w->height - backend.text_height()) / 2 + 1);
  int left = 0;
  for (size_t i = 0; i < bar.edges.size(); ++i) {
    const bool last = i + 1 == bar.edges.size();
    int right = bar.edges[i] < 0 ? w->width : std::min(bar.edges[i], w->width);
    if (last && bar.edges[i] < 0) right = w->width;
    right = std::max(right, left);
    const std::string& text = i == 0 ? w->title : bar.texts[i];
    if (!text.empty() && right - left > 8)
      backend.draw_text(w, left + 4, text_top, fitted(text, right - left - 8), kTextColour);
    if (!last && right < w->width) {
      backend.draw_line(w, right - 1, 3, right - 1, w->height - 2, kShadowColour);
      backend.draw_line(w, right, 3, right, w->height - 2, kHighlightColour);
    }
    left = right;
  }
  EndPaint(window, &ps);
}

LRESULT status_bar_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  PlatformWindow* w = window_from_handle(window);
  if (w == nullptr) return 0;
  switch (message) {
    case WM_CREATE:
      bars()[window] = StatusBar{};
      return 0;
    case WM_DESTROY:
      bars().erase(window);
      return 0;
    case WM_ERASEBKGND:
      return 1;  // the paint covers everything
    case WM_PAINT: {
      auto it = bars().find(window);
      if (it == bars().end()) return DefWindowProcA(window, message, wparam, lparam);
      paint(window, w, it->second);
      return 0;
    }
    case SB_SETPARTS: {
      auto it = bars().find(window);
      const int* edges = reinterpret_cast<const int*>(lparam);
      if (it == bars().end() || wparam == 0 || wparam > kMaxParts || edges == nullptr) return FALSE;
      StatusBar& bar = it->second;
      bar.edges.assign(edges, edges + wparam);
      bar.texts.resize(wparam);
      invalidate_window(w, nullptr, true);
      return TRUE;
    }
    case SB_SETTEXTA: {
      auto it = bars().find(window);
      const size_t part = wparam & 0xFF;
      if (it == bars().end() || part >= it->second.edges.size()) return FALSE;
      const char* text = reinterpret_cast<const char*>(lparam);
      if (part == 0)
        w->title = text ? text : "";
      else
        it->second.texts[part] = text ? text : "";
      invalidate_window(w, nullptr, true);
      return TRUE;
    }
    default:
      return DefWindowProcA(window, message, wparam, lparam);
  }
}

bool register_status_bar_class() {
  WNDCLASSEXA existing;
  if (GetClassInfoExA(nullptr, kClassName, &existing))
    return existing.lpfnWndProc == status_bar_procedure;
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = status_bar_procedure;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(IDC_ARROW));
  wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  wc.lpszClassName = kClassName;
  return RegisterClassExA(&wc) != 0;
}

}  // namespace

HWND CreateStatusWindowA(LONG style, LPCSTR text, HWND parent, UINT id) {
  PlatformWindow* p = window_from_handle(parent);
  if (p == nullptr || !register_status_bar_class()) return nullptr;
  const int height = std::max(window_backend().text_height() + 9, 20);
  const DWORD child_style = static_cast<DWORD>(style) | WS_CHILD;
  return CreateWindowExA(0, kClassName, text, child_style, 0, std::max(p->height - height, 0),
                         p->width, height, parent,
                         reinterpret_cast<HMENU>(static_cast<uintptr_t>(id)),
                         GetModuleHandleA(nullptr), nullptr);
}
