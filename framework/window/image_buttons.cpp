#include "framework/window/image_buttons.h"

#include <algorithm>
#include <cstring>
#include <vector>

std::string BMPTYPE;
void (*region_request_observer)(DWORD, DWORD) = nullptr;

namespace {

// Property names of a button window.
constexpr const char* NORMAL_BITMAP = "NORMALBITMAP";
constexpr const char* HOVER_BITMAP = "HOVERBITMAP";
constexpr const char* PRESS_BITMAP = "PRESSBITMAP";
constexpr const char* HOVER_MODE = "HOVERMODEBYTE";
constexpr const char* HOVER_REGION = "HOVERBUTTONREGION";

// A logical palette of 256 entries, laid out as LOGPALETTE.
struct LogPalette256 {
  WORD palVersion;
  WORD palNumEntries;
  PALETTEENTRY palPalEntry[256];
};

// ---- the rectangle buffer of BITMAPTOREGION -----------------------------------
// RGNDATA layout: the 32-byte header, then room for `capacity` rectangles.
class RectangleBuffer {
 public:
  explicit RectangleBuffer(DWORD capacity) { resize(capacity); }

  void resize(DWORD capacity) {
    capacity_ = capacity;
    bytes_.resize(sizeof(RGNDATAHEADER) + size_t(capacity) * sizeof(RECT));
  }
  DWORD capacity() const { return capacity_; }
  DWORD byte_size() const { return DWORD(bytes_.size()); }

  RGNDATAHEADER header() const {
    RGNDATAHEADER h;
    std::memcpy(&h, bytes_.data(), sizeof h);
    return h;
  }
  void set_header(const RGNDATAHEADER& h) { std::memcpy(bytes_.data(), &h, sizeof h); }
  void set_rect(DWORD slot, const RECT& r) {
    std::memcpy(bytes_.data() + sizeof(RGNDATAHEADER) + size_t(slot) * sizeof(RECT), &r, sizeof r);
  }
  const RGNDATA* data() const { return reinterpret_cast<const RGNDATA*>(bytes_.data()); }

 private:
  DWORD capacity_ = 0;
  std::vector<BYTE> bytes_;
};

constexpr RECT kEmptyBound{2147483647, 2147483647, 0, 0};

// Makes a region of the rectangles gathered and merges it into `result`.
void merge_region(const RectangleBuffer& buffer, HRGN& result) {
  if (region_request_observer) region_request_observer(buffer.header().nCount, buffer.byte_size());
  HRGN part = ExtCreateRegion(nullptr, buffer.byte_size(), buffer.data());
  if (result == nullptr) {
    result = part;
  } else {
    CombineRgn(result, result, part, RGN_OR);
    DeleteObject(part);
  }
}

// ---- per-button data ---------------------------------------------------------------
int button_state(HWND wnd) {
  return int(reinterpret_cast<uintptr_t>(GetPropA(wnd, HOVER_MODE)));
}

void set_button_state(HWND wnd, int state) {
  SetPropA(wnd, HOVER_MODE, reinterpret_cast<HANDLE>(uintptr_t(state)));
}

// Loads one state image into a memory device context with its palette
// selected and realised; null when the image cannot be loaded (the button
// then paints nothing in that state).
HDC load_state_image(const std::string& file, HBITMAP* bitmap_out = nullptr) {
  HPALETTE pal = nullptr;
  HBITMAP bitmap = LOADBMPFROMFILE(file.c_str(), &pal);
  if (bitmap_out) *bitmap_out = bitmap;
  if (bitmap == nullptr) return nullptr;
  HDC dc = CreateCompatibleDC(nullptr);
  if (dc == nullptr) {
    DeleteObject(pal);
    DeleteObject(bitmap);
    if (bitmap_out) *bitmap_out = nullptr;
    return nullptr;
  }
  SelectObject(dc, bitmap);
  SelectPalette(dc, pal, FALSE);
  RealizePalette(dc);
  return dc;
}

// Releases a state's memory device context with the bitmap and palette
// selected into it, and removes the property.
void release_state_image(HWND wnd, const char* property) {
  HDC dc = static_cast<HDC>(GetPropA(wnd, property));
  if (dc != nullptr) {
    HGDIOBJ bitmap = GetCurrentObject(dc, OBJ_BITMAP);
    HGDIOBJ palette = GetCurrentObject(dc, OBJ_PAL);
    DeleteDC(dc);
    DeleteObject(bitmap);  // stock objects are refused, as they should be
    DeleteObject(palette);
  }
  RemovePropA(wnd, property);
}

void on_create(HWND wnd) {
  const std::string normal = BMPTYPE + "N" + ".BMP";
  HBITMAP normal_bitmap = nullptr;
  HDC normal_dc = load_state_image(normal, &normal_bitmap);
  // A missing normal image gives a button of 0 by 0 pixels.
  BITMAP bm{};
  if (normal_bitmap) GetObjectA(normal_bitmap, sizeof bm, &bm);

  RECT r{}, r1{};
  GetWindowRect(wnd, &r);
  GetWindowRect(GetParent(wnd), &r1);
  MoveWindow(wnd, r.left - r1.left - 3, r.top - r1.top - 19, bm.bmWidth, bm.bmHeight, FALSE);

  if (normal_dc) SetPropA(wnd, NORMAL_BITMAP, normal_dc);
  if (HDC dc = load_state_image(BMPTYPE + "H" + ".BMP")) SetPropA(wnd, HOVER_BITMAP, dc);
  if (HDC dc = load_state_image(BMPTYPE + "P" + ".BMP")) SetPropA(wnd, PRESS_BITMAP, dc);
  set_button_state(wnd, BUTTON_NORMAL);

  HRGN rgn = BITMAPTOREGION(normal.c_str(), button_key_colour, button_key_tolerance);
  if (rgn != nullptr) {
    // The window owns its region from here on; hit-testing uses a copy.
    SetWindowRgn(wnd, rgn, FALSE);
    if (HRGN hit = BITMAPTOREGION(normal.c_str(), button_key_colour, button_key_tolerance))
      SetPropA(wnd, HOVER_REGION, hit);
  }
}

void on_destroy(HWND wnd) {
  RemovePropA(wnd, HOVER_MODE);
  if (HANDLE rgn = GetPropA(wnd, HOVER_REGION)) DeleteObject(static_cast<HRGN>(rgn));
  RemovePropA(wnd, HOVER_REGION);
  release_state_image(wnd, PRESS_BITMAP);
  release_state_image(wnd, HOVER_BITMAP);
  release_state_image(wnd, NORMAL_BITMAP);
}

void on_paint(HWND wnd) {
  RECT r{};
  GetWindowRect(wnd, &r);
  HDC source = nullptr;
  switch (button_state(wnd)) {
    case BUTTON_NORMAL:
      source = static_cast<HDC>(GetPropA(wnd, NORMAL_BITMAP));
      break;
    case BUTTON_HOVER:
      source = static_cast<HDC>(GetPropA(wnd, HOVER_BITMAP));
      break;
    case BUTTON_PRESSED:
      source = static_cast<HDC>(GetPropA(wnd, PRESS_BITMAP));
      break;
    default:
      break;
  }
  // The paint is begun and ended even with no image to show, so the window
  // is validated and the request does not come back at once.
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(wnd, &ps);
  if (source != nullptr && dc != nullptr)
    BitBlt(dc, 0, 0, r.right - r.left, r.bottom - r.top, source, 0, 0, SRCCOPY);
  EndPaint(wnd, &ps);
}

void on_mouse_move(HWND wnd, WPARAM wparam, LPARAM lparam) {
  HRGN rgn = static_cast<HRGN>(GetPropA(wnd, HOVER_REGION));
  const int state = button_state(wnd);
  if (rgn == nullptr || state == 0) return;
  const int x = LOWORD(uintptr_t(lparam));
  const int y = HIWORD(uintptr_t(lparam));
  if (PtInRegion(rgn, x, y)) {
    if (state != BUTTON_NORMAL) return;
    set_button_state(wnd, (wparam & (MK_LBUTTON | MK_RBUTTON)) ? BUTTON_PRESSED : BUTTON_HOVER);
    // Holding the capture lets the button see the move that leaves it.
    SetCapture(wnd);
    InvalidateRect(wnd, nullptr, FALSE);
  } else {
    set_button_state(wnd, BUTTON_NORMAL);
    ReleaseCapture();
    InvalidateRect(wnd, nullptr, FALSE);
  }
}

}  // namespace

HBITMAP LOADBMPFROMFILE(const char* FILENAME, HPALETTE* PAL) {
  HANDLE loaded = LoadImageA(GetModuleHandleA(nullptr), FILENAME, IMAGE_BITMAP, 0, 0,
                             LR_LOADFROMFILE | LR_CREATEDIBSECTION);
  HBITMAP bitmap = bitmap_from_handle(loaded);
  if (bitmap == nullptr) return nullptr;
  BITMAP bm{};
  GetObjectA(bitmap, sizeof bm, &bm);
  HPALETTE pal = nullptr;
  if (int(bm.bmPlanes) * int(bm.bmBitsPixel) > 8) {
    HDC screen = GetDC(nullptr);
    pal = CreateHalftonePalette(screen);
    ReleaseDC(nullptr, screen);
  } else {
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(dc, bitmap);
    // Entries past the image's colour table stay zero.
    RGBQUAD table[256] = {};
    GetDIBColorTable(dc, 0, 256, table);
    LogPalette256 lp{};
    lp.palVersion = PALETTE_VERSION;
    lp.palNumEntries = 256;
    for (int i = 0; i < 256; ++i)
      lp.palPalEntry[i] = PALETTEENTRY{table[i].rgbRed, table[i].rgbGreen, table[i].rgbBlue, 0};
    pal = CreatePalette(reinterpret_cast<const LOGPALETTE*>(&lp));
    SelectObject(dc, previous);
    DeleteDC(dc);
  }
  if (PAL)
    *PAL = pal;
  else
    DeleteObject(pal);
  return bitmap;
}

HRGN BITMAPTOREGION(const char* BMPNAME, DWORD TRANSCOLOR, BYTE TOLERANCE) {
  HRGN RSLT = nullptr;
  HPALETTE PAL = nullptr;
  HBITMAP INBMP = LOADBMPFROMFILE(BMPNAME, &PAL);
  if (INBMP == nullptr) return nullptr;
  HDC MEMDC = CreateCompatibleDC(nullptr);
  if (MEMDC == nullptr) {
    DeleteObject(PAL);
    DeleteObject(INBMP);
    return nullptr;
  }

  BITMAP BM{};
  GetObjectA(INBMP, sizeof BM, &BM);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = BM.bmWidth;
  info.bmiHeader.biHeight = BM.bmHeight;  // positive: rows bottom-up
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP HBM32 = CreateDIBSection(MEMDC, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HDC TEMPDC = HBM32 ? CreateCompatibleDC(MEMDC) : nullptr;
  if (TEMPDC == nullptr) {
    DeleteObject(HBM32);
    DeleteDC(MEMDC);
    DeleteObject(PAL);
    DeleteObject(INBMP);
    return nullptr;
  }

  // Every depth is first copied into the 32-bit section.
  HGDIOBJ HOLDBMP = SelectObject(MEMDC, HBM32);
  HGDIOBJ TEMPOLD = SelectObject(TEMPDC, INBMP);
  HPALETTE OLDPAL = SelectPalette(TEMPDC, PAL, TRUE);
  RealizePalette(TEMPDC);
  BitBlt(MEMDC, 0, 0, BM.bmWidth, BM.bmHeight, TEMPDC, 0, 0, SRCCOPY);
  SelectPalette(TEMPDC, OLDPAL, FALSE);
  SelectObject(TEMPDC, TEMPOLD);
  DeleteDC(TEMPDC);

  BITMAP BM32{};
  GetObjectA(HBM32, sizeof BM32, &BM32);
  if (BM32.bmWidthBytes % 4 != 0) BM32.bmWidthBytes += 4 - BM32.bmWidthBytes % 4;

  DWORD MAXRECTS = ALLOC_UNIT;
  RectangleBuffer buffer(MAXRECTS);
  RGNDATAHEADER header{sizeof(RGNDATAHEADER), RDH_RECTANGLES, 0, 0, kEmptyBound};
  buffer.set_header(header);

  const int LR = int(TRANSCOLOR & 0xFF);
  const int LG = int((TRANSCOLOR >> 8) & 0xFF);
  const int LB = int((TRANSCOLOR >> 16) & 0xFF);
  const int HR = std::min(LR + int(TOLERANCE), 255);
  const int HG = std::min(LG + int(TOLERANCE), 255);
  const int HB = std::min(LB + int(TOLERANCE), 255);

  // The top image row is the last one in memory.
  const BYTE* P32 = static_cast<const BYTE*>(BM32.bmBits) +
                    ptrdiff_t(BM32.bmHeight - 1) * BM32.bmWidthBytes;
  for (int Y = 0; Y < BM.bmHeight; ++Y) {
    for (int X = 0; X < BM.bmWidth;) {
      const int X0 = X;
      while (X < BM.bmWidth) {
        // 0x00RRGGBB, stored blue first.
        const BYTE* p = P32 + 4 * ptrdiff_t(X);
        const int b = p[0], g = p[1], r = p[2];
        const bool transparent =
            r >= LR && r <= HR && g >= LG && g <= HG && b >= LB && b <= HB;
        if (transparent) break;
        ++X;
      }
      if (X > X0) {
        if (header.nCount >= MAXRECTS) {
          MAXRECTS += ALLOC_UNIT;
          buffer.resize(MAXRECTS);
        }
        RECT run;
        SetRect(&run, X0, Y, X, Y + 1);
        buffer.set_rect(header.nCount, run);
        RECT& bound = header.rcBound;
        bound.left = std::min<LONG>(bound.left, X0);
        bound.top = std::min<LONG>(bound.top, Y);
        bound.right = std::max<LONG>(bound.right, X);
        bound.bottom = std::max<LONG>(bound.bottom, Y + 1);
        ++header.nCount;
        buffer.set_header(header);
        if (header.nCount == REGION_REQUEST_RECTS) {
          merge_region(buffer, RSLT);
          header.nCount = 0;
          header.rcBound = kEmptyBound;
          buffer.set_header(header);
        }
      }
      ++X;  // past the transparent pixel that ended the run
    }
    P32 -= BM32.bmWidthBytes;
  }
  merge_region(buffer, RSLT);

  SelectObject(MEMDC, HOLDBMP);
  DeleteObject(HBM32);
  DeleteDC(MEMDC);
  DeleteObject(PAL);
  DeleteObject(INBMP);
  return RSLT;
}

LRESULT HOVERBUTTONHANDLER(HWND WND, UINT IMSG, WPARAM wparam, LPARAM lparam) {
  switch (IMSG) {
    case WM_CREATE:
      on_create(WND);
      return 0;
    case WM_DESTROY:
      on_destroy(WND);
      return 0;
    case WM_PAINT:
      on_paint(WND);
      return 0;
    case WM_MOUSEMOVE:
      on_mouse_move(WND, wparam, lparam);
      return 0;
    case WM_LBUTTONDOWN:
      SetCapture(WND);
      set_button_state(WND, BUTTON_PRESSED);
      InvalidateRect(WND, nullptr, FALSE);
      return 0;
    case WM_LBUTTONUP:
      if (button_state(WND) == BUTTON_PRESSED)
        PostMessageA(GetParent(WND), WM_COMMAND, WPARAM(GetDlgCtrlID(WND)) & 0xFFFF, 0);
      set_button_state(WND, BUTTON_NORMAL);
      ReleaseCapture();
      InvalidateRect(WND, nullptr, FALSE);
      return 0;
    default:
      return DefWindowProcA(WND, IMSG, wparam, lparam);
  }
}
