// System cursors, cursor files, the application icon and stock brushes.

#include "platform/resources.h"

#include <memory>
#include <unordered_set>

#include "platform/cursor_file.h"
#include "platform/resource_objects.h"

namespace {

// Cursors live for the whole process; their tables are never torn down, so
// the cursors stay reachable to the very end.
std::vector<Cursor*>& cursors() {
  static auto* list = new std::vector<Cursor*>();
  return *list;
}

std::unordered_set<const void*>& cursor_set() {
  static auto* set = new std::unordered_set<const void*>();
  return *set;
}

Cursor* add_cursor(std::unique_ptr<Cursor> cursor) {
  Cursor* c = cursor.release();  // cursors live for the whole process
  cursors().push_back(c);
  cursor_set().insert(c);
  return c;
}

bool is_system_cursor_id(int id) {
  switch (id) {
    case IDC_ARROW: case IDC_IBEAM: case IDC_WAIT: case IDC_CROSS: case IDC_UPARROW:
    case IDC_SIZE: case IDC_SIZENWSE: case IDC_SIZENESW: case IDC_SIZEWE: case IDC_SIZENS:
    case IDC_SIZEALL: case IDC_NO: case IDC_HAND: case IDC_APPSTARTING: case IDC_HELP:
      return true;
    default:
      return false;
  }
}

// The application icon: a small framed window with a blue caption, 32 by 32.
CursorImage application_icon_image() {
  CursorImage image;
  image.width = image.height = 32;
  image.argb.assign(32 * 32, 0);
  for (int y = 2; y < 30; ++y) {
    for (int x = 2; x < 30; ++x) {
      uint32_t colour = 0xFFFFFFFFu;                       // client area
      if (y < 9) colour = 0xFF2050C0u;                     // caption
      if (x == 2 || x == 29 || y == 2 || y == 29) colour = 0xFF102040u;  // frame
      if (y >= 4 && y <= 6 && x >= 24 && x <= 27) colour = 0xFFE0E0E0u;  // close box
      image.argb[static_cast<size_t>(y) * 32 + x] = colour;
    }
  }
  return image;
}

Brush* make_stock_brush(DWORD colour, bool hollow) {
  auto* b = new Brush();
  b->stock = true;
  b->colour = colour;
  b->hollow = hollow;
  return b;
}

}  // namespace

Cursor* cursor_from_handle(HCURSOR cursor) {
  return (cursor && cursor_set().count(cursor)) ? cursor : nullptr;
}

const std::vector<Cursor*>& all_cursors() { return cursors(); }

Brush* brush_from_handle(HBRUSH brush) {
  return gdi_object_as<Brush>(brush);
}

DWORD system_colour(int index) {
  switch (index) {
    case COLOR_BTNFACE:
      return 0x00F0F0F0;
    default:
      return 0x00FFFFFF;
  }
}

HCURSOR LoadCursorA(HINSTANCE, LPCSTR name) {
  const uintptr_t value = reinterpret_cast<uintptr_t>(name);
  if (value >= 0x10000) return nullptr;  // only the system cursors are resources here
  const int id = static_cast<int>(value);
  if (!is_system_cursor_id(id)) return nullptr;
  for (Cursor* c : cursors())
    if (c->system_id == id) return c;
  auto c = std::make_unique<Cursor>();
  c->system_id = id;
  return add_cursor(std::move(c));
}

HCURSOR LoadCursorFromFileA(LPCSTR file_name) {
  if (file_name == nullptr) return nullptr;
  auto c = std::make_unique<Cursor>();
  if (!load_cursor_file(file_name, &c->image)) return nullptr;
  return add_cursor(std::move(c));
}

HICON LoadIconA(HINSTANCE, LPCSTR name) {
  if (reinterpret_cast<uintptr_t>(name) != IDI_APPLICATION) return nullptr;
  static Icon application{application_icon_image()};
  return &application;
}

const CursorImage* icon_image(HICON icon) {
  if (icon == nullptr) return nullptr;
  HICON application = LoadIconA(nullptr, MAKEINTRESOURCEA(IDI_APPLICATION));
  if (icon == application) return &application->image;
  // The framework may hand a cursor loaded from a file in as the icon.
  const void* handle = icon;
  if (cursor_set().count(handle)) {
    const Cursor* c = static_cast<const Cursor*>(handle);
    if (!c->image.argb.empty()) return &c->image;
  }
  return nullptr;
}

HBRUSH GetSysColorBrush(int index) {
  if (index != COLOR_BTNFACE) return nullptr;
  static Brush* face = make_stock_brush(system_colour(COLOR_BTNFACE), false);
  return face;
}

HGDIOBJ GetStockObject(int index) {
  static Brush* white = make_stock_brush(0x00FFFFFF, false);
  static Brush* black = make_stock_brush(0x00000000, false);
  static Brush* hollow = make_stock_brush(0, true);
  switch (index) {
    case WHITE_BRUSH:
      return white;
    case BLACK_BRUSH:
      return black;
    case NULL_BRUSH:
      return hollow;
    default:
      return nullptr;
  }
}
