// Basic types, handles and constants of the platform layer: our own
// definitions, sized for this 64-bit system (message parameters and handles
// are pointer-sized).
#pragma once

#include <cstddef>
#include <cstdint>

typedef int BOOL;
typedef uint8_t BYTE;
typedef uint16_t WORD;
typedef uint32_t DWORD;
typedef int32_t LONG;
typedef unsigned int UINT;
typedef uint16_t ATOM;
typedef uintptr_t WPARAM;
typedef intptr_t LPARAM;
typedef intptr_t LRESULT;
typedef char CHAR;
typedef const char* LPCSTR;
typedef char* LPSTR;
typedef void* LPVOID;
typedef void* HANDLE;

enum : BOOL { FALSE = 0, TRUE = 1 };

// Opaque handle types. Each points at an object owned by the platform layer.
struct PlatformWindow;
struct DeviceContext;
struct GdiObject;
struct Bitmap;
struct Region;
struct Palette;
struct GlContext;
struct Cursor;
struct Icon;
struct Brush;
struct Menu;
struct ModuleInstance;

typedef PlatformWindow* HWND;
typedef DeviceContext* HDC;
typedef GdiObject* HGDIOBJ;
typedef Bitmap* HBITMAP;
typedef Region* HRGN;
typedef Palette* HPALETTE;
typedef GlContext* HGLRC;
typedef Cursor* HCURSOR;
typedef Icon* HICON;
typedef Brush* HBRUSH;
typedef Menu* HMENU;
typedef ModuleInstance* HINSTANCE;

// Packing helpers for message parameters.
inline WORD LOWORD(uintptr_t v) { return static_cast<WORD>(v & 0xFFFF); }
inline WORD HIWORD(uintptr_t v) { return static_cast<WORD>((v >> 16) & 0xFFFF); }
inline LPARAM MAKELPARAM(int lo, int hi) {
  return static_cast<LPARAM>((static_cast<uint32_t>(hi & 0xFFFF) << 16) |
                             static_cast<uint32_t>(lo & 0xFFFF));
}
