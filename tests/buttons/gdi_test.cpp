// Regions, palettes, memory device contexts and BitBlt, without a display.

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "platform/gdi.h"
#include "platform/headless_backend.h"
#include "platform/window_record.h"
#include "tests/buttons/button_images.h"

namespace {

std::vector<RECT> rects_of(HRGN r) { return region_from_handle(r)->rects; }

// A region description of the rectangles, its header saying `count`
// rectangles (the real number unless given).
std::vector<BYTE> description(const std::vector<RECT>& rects, DWORD count = DWORD(-1)) {
  RGNDATAHEADER h{32, RDH_RECTANGLES, count == DWORD(-1) ? DWORD(rects.size()) : count, 0,
                  RECT{0, 0, 0, 0}};
  std::vector<BYTE> bytes(32 + 16 * rects.size());
  std::memcpy(bytes.data(), &h, 32);
  if (!rects.empty()) std::memcpy(bytes.data() + 32, rects.data(), 16 * rects.size());
  return bytes;
}

HRGN region_of(const std::vector<RECT>& rects) {
  const std::vector<BYTE> d = description(rects);
  return ExtCreateRegion(nullptr, DWORD(d.size()), reinterpret_cast<const RGNDATA*>(d.data()));
}

TEST(Regions, DescriptionsBecomeOneBandedListWhateverTheirOrderAndOverlap) {
  // Unsorted, overlapping, touching, empty and inverted rectangles.
  HRGN r = region_of({{0, 1, 2, 2}, {2, 0, 3, 1}, {0, 0, 2, 1}, {1, 0, 2, 2},
                      {5, 5, 5, 9}, {3, 3, 1, 1}, {6, 0, 8, 1}, {6, 1, 8, 2}});
  ASSERT_NE(r, nullptr);
  EXPECT_EQ(rects_of(r), (std::vector<RECT>{{0, 0, 3, 1}, {6, 0, 8, 1}, {0, 1, 2, 2}, {6, 1, 8, 2}}));
  RECT box;
  EXPECT_EQ(GetRgnBox(r, &box), COMPLEXREGION);
  EXPECT_EQ(box, (RECT{0, 0, 8, 2}));
  DeleteObject(r);
}

TEST(Regions, BadDescriptionsAreRefused) {
  const std::vector<RECT> two{{0, 0, 1, 1}, {2, 2, 3, 3}};
  struct Case {
    const char* what;
    std::vector<BYTE> bytes;
    DWORD count;
    bool with_transform;
    bool accepted;
  };
  std::vector<BYTE> bad_size = description(two);
  bad_size[0] = 16;
  std::vector<BYTE> bad_type = description(two);
  bad_type[4] = 2;
  const std::vector<Case> cases = {
      {"exact fit", description(two), 64, false, true},
      {"count of 0 in a bare header", description({}), 32, false, true},
      {"shorter than a header", description({}), 31, false, false},
      {"rectangles past the bytes given", description(two), 63, false, false},
      {"header counting more than follow", description(two, 3), 64, false, false},
      {"header size not 32", bad_size, 64, false, false},
      {"type not rectangles", bad_type, 64, false, false},
      {"with a transform", description(two), 64, true, false},
  };
  const XFORM identity{1, 0, 0, 1, 0, 0};
  for (const Case& c : cases) {
    HRGN r = ExtCreateRegion(c.with_transform ? &identity : nullptr, c.count,
                             reinterpret_cast<const RGNDATA*>(c.bytes.data()));
    EXPECT_EQ(r != nullptr, c.accepted) << c.what;
    DeleteObject(r);
  }
  EXPECT_EQ(ExtCreateRegion(nullptr, 64, nullptr), nullptr);
}

TEST(Regions, CombineWithEveryMode) {
  struct Case {
    int mode;
    int kind;
    std::vector<RECT> rects;
  };
  // A = (0,0)-(4,4), B = (2,2)-(6,6).
  const std::vector<Case> cases = {
      {RGN_OR, COMPLEXREGION, {{0, 0, 4, 2}, {0, 2, 6, 4}, {2, 4, 6, 6}}},
      {RGN_AND, SIMPLEREGION, {{2, 2, 4, 4}}},
      {RGN_DIFF, COMPLEXREGION, {{0, 0, 4, 2}, {0, 2, 2, 4}}},
      {RGN_XOR, COMPLEXREGION, {{0, 0, 4, 2}, {0, 2, 2, 4}, {4, 2, 6, 4}, {2, 4, 6, 6}}},
      {RGN_COPY, SIMPLEREGION, {{0, 0, 4, 4}}},
  };
  for (const Case& c : cases) {
    HRGN a = CreateRectRgn(0, 0, 4, 4);
    HRGN b = CreateRectRgn(2, 2, 6, 6);
    // The destination is the first source, as the buttons use it.
    EXPECT_EQ(CombineRgn(a, a, b, c.mode), c.kind) << c.mode;
    EXPECT_EQ(rects_of(a), c.rects) << c.mode;
    DeleteObject(a);
    DeleteObject(b);
  }
  HRGN a = CreateRectRgn(0, 0, 1, 1);
  HRGN b = CreateRectRgn(3, 0, 4, 1);
  EXPECT_EQ(CombineRgn(a, a, b, RGN_AND), NULLREGION);
  EXPECT_EQ(CombineRgn(a, a, b, 9), RGN_ERROR);
  EXPECT_EQ(CombineRgn(a, a, nullptr, RGN_OR), RGN_ERROR);
  DeleteObject(a);
  DeleteObject(b);
}

TEST(Regions, PointsOnTheEdges) {
  HRGN r = region_of({{1, 1, 3, 3}, {5, 1, 6, 3}, {1, 4, 2, 5}});
  struct Case {
    int x, y;
    bool inside;
  };
  const std::vector<Case> cases = {{1, 1, true},  {2, 2, true},  {3, 1, false}, {1, 3, false},
                                   {0, 1, false}, {4, 2, false}, {5, 2, true},  {6, 2, false},
                                   {1, 4, true},  {1, 0, false}, {1, 5, false}, {3, 4, false}};
  for (const Case& c : cases)
    EXPECT_EQ(PtInRegion(r, c.x, c.y) != FALSE, c.inside) << c.x << "," << c.y;
  DeleteObject(r);
  EXPECT_FALSE(PtInRegion(r, 1, 1));  // a released region contains nothing
}

// A 32-bit bottom-up section of w by h, its pixels' address in *bits.
HBITMAP section32(int w, int h, void** bits) {
  BITMAPINFO info{};
  info.bmiHeader = BITMAPINFOHEADER{40, w, h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  return CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, bits, nullptr, 0);
}

// 0x00RRGGBB of picture pixel (x, y) of a 32-bit bottom-up section.
uint32_t pixel32(const void* bits, int w, int h, int x, int y) {
  uint32_t p;
  std::memcpy(&p, static_cast<const BYTE*>(bits) + (size_t(h - 1 - y) * w + x) * 4, 4);
  return p;
}

TEST(MemoryContexts, CopyConvertsThroughTheColourTableIntoABottomUpSection) {
  // A 4-bit top-down source of 3 by 2 with a colour table of four entries.
  struct Info4 {
    BITMAPINFOHEADER header;
    RGBQUAD colours[4];
  } info{{40, 3, -2, 1, 4, BI_RGB, 0, 0, 0, 4, 0},
         {{0, 0, 255, 0}, {0, 255, 0, 0}, {255, 0, 0, 0}, {255, 0, 255, 0}}};
  void* source_bits = nullptr;
  HBITMAP source = CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&info),
                                    DIB_RGB_COLORS, &source_bits, nullptr, 0);
  ASSERT_NE(source, nullptr);
  // Top row indices 0 1 2, bottom row 3 0 1 (two pixels a byte, high first).
  BYTE* s = static_cast<BYTE*>(source_bits);
  s[0] = 0x01; s[1] = 0x20; s[4] = 0x30; s[5] = 0x10;

  void* bits = nullptr;
  HBITMAP target = section32(3, 2, &bits);
  ASSERT_NE(target, nullptr);
  HDC from = CreateCompatibleDC(nullptr);
  HDC to = CreateCompatibleDC(nullptr);
  HGDIOBJ from_old = SelectObject(from, source);
  HGDIOBJ to_old = SelectObject(to, target);
  ASSERT_NE(from_old, nullptr);
  // The table has the 16 entries of the depth, those past the 4 given black.
  RGBQUAD table[256] = {};
  EXPECT_EQ(GetDIBColorTable(from, 0, 256, table), 16u);
  EXPECT_EQ(GetDIBColorTable(from, 2, 256, table), 14u);
  EXPECT_EQ(table[0].rgbBlue, 255);  // entry 2
  EXPECT_EQ(table[2].rgbBlue + table[2].rgbGreen + table[2].rgbRed, 0);  // entry 4

  EXPECT_TRUE(BitBlt(to, 0, 0, 3, 2, from, 0, 0, SRCCOPY));
  const uint32_t red = 0xFF0000, green = 0x00FF00, blue = 0x0000FF, magenta = 0xFF00FF;
  const uint32_t expected[2][3] = {{red, green, blue}, {magenta, red, green}};
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 3; ++x) EXPECT_EQ(pixel32(bits, 3, 2, x, y), expected[y][x]) << x << y;

  // Clipped on every side: source offset left of the image, target past its end.
  std::memset(bits, 0, 24);
  EXPECT_TRUE(BitBlt(to, 1, 0, 10, 10, from, -1, 1, SRCCOPY));
  EXPECT_EQ(pixel32(bits, 3, 2, 0, 0), 0u);
  EXPECT_EQ(pixel32(bits, 3, 2, 1, 0), 0u);  // came from x = -1: nothing
  EXPECT_EQ(pixel32(bits, 3, 2, 2, 0), magenta);
  EXPECT_EQ(pixel32(bits, 3, 2, 2, 1), 0u);

  EXPECT_FALSE(BitBlt(to, 0, 0, 3, 2, from, 0, 0, 0x00EE0086));  // only SRCCOPY
  EXPECT_FALSE(BitBlt(from, 0, 0, 3, 2, to, 0, 0, SRCCOPY));      // 4-bit targets are not written

  // A bitmap released while selected is never followed.
  EXPECT_EQ(SelectObject(from, from_old), source);
  EXPECT_TRUE(DeleteObject(source));
  EXPECT_EQ(SelectObject(from, source), nullptr);
  EXPECT_EQ(SelectObject(to, to_old), target);
  DeleteObject(target);
  EXPECT_FALSE(BitBlt(to, 0, 0, 1, 1, from, 0, 0, SRCCOPY));
  EXPECT_TRUE(DeleteDC(from));
  EXPECT_TRUE(DeleteDC(to));
  EXPECT_FALSE(DeleteDC(to));
  EXPECT_FALSE(DeleteDC(GetDC(nullptr)));  // not a memory context
}

TEST(MemoryContexts, SectionsRefuseBadHeaders) {
  struct Case {
    const char* what;
    BITMAPINFOHEADER header;
    HANDLE section;
  };
  int mapping = 0;
  const std::vector<Case> cases = {
      {"width 0", {40, 0, 1, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, nullptr},
      {"height 0", {40, 1, 0, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, nullptr},
      {"two planes", {40, 1, 1, 2, 32, BI_RGB, 0, 0, 0, 0, 0}, nullptr},
      {"12 bits", {40, 1, 1, 1, 12, BI_RGB, 0, 0, 0, 0, 0}, nullptr},
      {"compressed", {40, 1, 1, 1, 8, 1, 0, 0, 0, 0, 0}, nullptr},
      {"more colours than the depth", {40, 1, 1, 1, 1, BI_RGB, 0, 0, 0, 3, 0}, nullptr},
      {"too large", {40, 100000, 100000, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, nullptr},
      {"short header", {12, 1, 1, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, nullptr},
      {"file mapping", {40, 1, 1, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, &mapping},
  };
  for (const Case& c : cases) {
    BITMAPINFO info{};
    info.bmiHeader = c.header;
    void* bits = &mapping;
    EXPECT_EQ(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, c.section, 0), nullptr)
        << c.what;
    EXPECT_EQ(bits, nullptr) << c.what;
  }
}

TEST(Palettes, EntriesAndSelection) {
  struct {
    WORD version, count;
    PALETTEENTRY entries[3];
  } lp{0x300, 3, {{1, 2, 3, 0}, {4, 5, 6, 0}, {7, 8, 9, 0}}};
  HPALETTE p = CreatePalette(reinterpret_cast<LOGPALETTE*>(&lp));
  ASSERT_NE(p, nullptr);
  PALETTEENTRY out[4] = {};
  EXPECT_EQ(GetPaletteEntries(p, 1, 4, out), 2u);
  EXPECT_EQ(out[1].peRed, 7);
  lp.version = 0x200;
  EXPECT_EQ(CreatePalette(reinterpret_cast<LOGPALETTE*>(&lp)), nullptr);

  HPALETTE halftone = CreateHalftonePalette(nullptr);
  EXPECT_EQ(GetPaletteEntries(halftone, 0, 0, nullptr), 256u);

  HDC dc = CreateCompatibleDC(nullptr);
  HPALETTE stock = SelectPalette(dc, p, FALSE);
  ASSERT_NE(stock, nullptr);
  EXPECT_EQ(GetCurrentObject(dc, OBJ_PAL), p);
  EXPECT_EQ(SelectPalette(dc, stock, FALSE), p);
  EXPECT_FALSE(DeleteObject(stock));  // the stock palette stays
  DeleteDC(dc);
  EXPECT_TRUE(DeleteObject(p));
  EXPECT_TRUE(DeleteObject(halftone));
}

LRESULT plain_procedure(HWND w, UINT m, WPARAM wp, LPARAM lp) { return DefWindowProcA(w, m, wp, lp); }

class WindowShapes : public testing::Test {
 protected:
  void SetUp() override {
    previous_ = set_window_backend(&backend_);
    WNDCLASSEXA known;
    if (!GetClassInfoExA(nullptr, "GdiTestWindow", &known)) {
      WNDCLASSA wc{};
      wc.lpfnWndProc = plain_procedure;
      wc.lpszClassName = "GdiTestWindow";
      ASSERT_NE(RegisterClassA(&wc), 0);
    }
    window_ = CreateWindowExA(0, "GdiTestWindow", "", WS_POPUP | WS_VISIBLE, 0, 0, 40, 30,
                              nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(window_, nullptr);
  }
  void TearDown() override {
    DestroyWindow(window_);
    MSG m;
    while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&m);
    set_window_backend(previous_);
  }
  HeadlessBackend backend_;
  WindowBackend* previous_ = nullptr;
  HWND window_ = nullptr;
};

TEST_F(WindowShapes, TheWindowOwnsItsRegion) {
  HRGN shape = CreateRectRgn(0, 0, 10, 10);
  HRGN copy = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(GetWindowRgn(window_, copy), RGN_ERROR);  // rectangular so far
  EXPECT_EQ(SetWindowRgn(window_, shape, FALSE), 1);
  EXPECT_FALSE(DeleteObject(shape));  // not the caller's any more
  EXPECT_EQ(GetWindowRgn(window_, copy), SIMPLEREGION);
  EXPECT_EQ(rects_of(copy), (std::vector<RECT>{{0, 0, 10, 10}}));

  // Another window cannot be handed the same region.
  HWND other = CreateWindowExA(0, "GdiTestWindow", "", WS_POPUP, 0, 0, 5, 5, nullptr, nullptr,
                               nullptr, nullptr);
  EXPECT_EQ(SetWindowRgn(other, shape, FALSE), 0);
  DestroyWindow(other);

  // A new shape replaces (and frees) the old one; null makes it rectangular.
  EXPECT_EQ(SetWindowRgn(window_, CreateRectRgn(1, 1, 2, 2), TRUE), 1);
  EXPECT_FALSE(is_gdi_object(shape));
  EXPECT_TRUE(window_->invalid);
  EXPECT_EQ(SetWindowRgn(window_, nullptr, FALSE), 1);
  EXPECT_EQ(GetWindowRgn(window_, copy), RGN_ERROR);
  EXPECT_EQ(SetWindowRgn(window_, copy, FALSE), 1);
  DestroyWindow(window_);
  EXPECT_FALSE(is_gdi_object(copy));  // went with its window
}

TEST_F(WindowShapes, CopyOntoAWindowIsClippedToItsClientArea) {
  void* bits = nullptr;
  HBITMAP image = section32(50, 50, &bits);
  HDC from = CreateCompatibleDC(nullptr);
  SelectObject(from, image);
  EXPECT_TRUE(BitBlt(GetDC(window_), 5, 6, 50, 50, from, 0, 0, SRCCOPY));
  ASSERT_FALSE(backend_.drawn.empty());
  const HeadlessBackend::DrawOp& op = backend_.drawn.back();
  EXPECT_EQ(op.kind, HeadlessBackend::DrawOp::kImage);
  EXPECT_EQ(op.rect, (RECT{5, 6, 40, 30}));
  EXPECT_FALSE(BitBlt(GetDC(nullptr), 0, 0, 1, 1, from, 0, 0, SRCCOPY));  // no screen copies
  DeleteDC(from);
  DeleteObject(image);
}

}  // namespace
