// Image buttons without a display: the outline of a BMP file, the palettes
// of loaded images, and the button's window procedure driven by messages.

#include <gtest/gtest.h>

#include <cstring>
#include <utility>
#include <vector>

#include "framework/window/image_button_class.h"
#include "framework/window/image_buttons.h"
#include "framework/window/window_lifecycle.h"
#include "platform/device_context_registry.h"
#include "platform/headless_backend.h"
#include "platform/resource_objects.h"
#include "platform/resources.h"
#include "platform/window_record.h"
#include "tests/buttons/button_images.h"

namespace {

using button_images::Picture;
using button_images::kKey;

constexpr uint32_t kRed = 0xFF0000, kGreen = 0x00FF00, kBlue = 0x0000FF;

std::vector<RECT> rects_of(HRGN r) {
  const Region* region = region_from_handle(r);
  return region ? region->rects : std::vector<RECT>{};
}

uint32_t key_or_red(char c) { return c == 'K' ? kKey : kRed; }

// Every region request BITMAPTOREGION makes: rectangles, buffer bytes.
std::vector<std::pair<DWORD, DWORD>>& requests() {
  static std::vector<std::pair<DWORD, DWORD>> seen;
  return seen;
}
void record_request(DWORD count, DWORD bytes) { requests().emplace_back(count, bytes); }

class Outline : public testing::Test {
 protected:
  void SetUp() override {
    requests().clear();
    region_request_observer = record_request;
  }
  void TearDown() override { region_request_observer = nullptr; }

  HRGN outline(const std::vector<uint8_t>& file) {
    const std::string path = dir_.write("image" + std::to_string(++files_) + ".bmp", file);
    return BITMAPTOREGION(path.c_str(), button_key_colour, button_key_tolerance);
  }

  bmp_builder::TempDir dir_;
  int files_ = 0;
};

TEST_F(Outline, OpaqueRunsInImageCoordinatesAtEveryDepth) {
  const Picture p = button_images::from_rows({"OOKK", "KOKO", "KKKK"}, key_or_red);
  const std::vector<RECT> expected{{0, 0, 2, 1}, {1, 1, 2, 2}, {3, 1, 4, 2}};
  const std::vector<std::pair<int, bool>> kinds = {{24, false}, {24, true}, {32, false},
                                                   {8, false},  {4, true},  {1, false}};
  for (const auto& [bpp, top_down] : kinds) {
    HRGN r = outline(button_images::bmp(p, bpp, top_down));
    ASSERT_NE(r, nullptr) << bpp;
    EXPECT_EQ(rects_of(r), expected) << bpp << (top_down ? " top-down" : " bottom-up");
    DeleteObject(r);
  }
}

TEST_F(Outline, KeyColourWithToleranceOneAbove) {
  struct Case {
    uint32_t colour;
    bool cut;
  };
  const std::vector<Case> cases = {
      {0xFF00FF, true},  {0xFF01FF, true},  {0xFF02FF, false},
      {0xFE00FF, false}, {0xFF00FE, false}, {0xFF01FE, false},
  };
  for (const Case& c : cases) {
    // Key, the colour, key.
    Picture p{3, 1, {kKey, c.colour, kKey}};
    HRGN r = outline(button_images::bmp(p, 24));
    ASSERT_NE(r, nullptr);
    const std::vector<RECT> expected =
        c.cut ? std::vector<RECT>{} : std::vector<RECT>{{1, 0, 2, 1}};
    EXPECT_EQ(rects_of(r), expected) << std::hex << c.colour;
    DeleteObject(r);
  }
  // The range is capped at 255: a key colour of green 255 and a wide
  // tolerance cut green 255 only.
  Picture p{2, 1, {0x00FF00, 0x00FE00}};
  const std::string path = dir_.write("green.bmp", button_images::bmp(p, 24));
  HRGN r = BITMAPTOREGION(path.c_str(), 0x00FF00, 200);
  EXPECT_EQ(rects_of(r), (std::vector<RECT>{{1, 0, 2, 1}}));
  DeleteObject(r);
}

TEST_F(Outline, ImageAllOfTheKeyColourGivesAnEmptyRegion) {
  HRGN r = outline(button_images::bmp(button_images::filled(7, 5, kKey), 24));
  ASSERT_NE(r, nullptr);
  RECT box;
  EXPECT_EQ(GetRgnBox(r, &box), NULLREGION);
  // One request, with no rectangle, from a buffer still at its first size.
  EXPECT_EQ(requests(), (std::vector<std::pair<DWORD, DWORD>>{{0, 32 + 16 * ALLOC_UNIT}}));
  DeleteObject(r);
}

TEST_F(Outline, ManyRunsArePassedOnInRequestsOf2000) {
  // Three runs a row over 1500 rows: 4500 runs, the first request ending
  // inside row 666.
  std::vector<std::string> rows(1500, "OKOKO");
  HRGN r = outline(button_images::bmp(button_images::from_rows(rows, key_or_red), 24));
  ASSERT_NE(r, nullptr);
  const DWORD bytes = 32 + 16 * 2000;  // grown by ALLOC_UNIT to 2000, then kept
  EXPECT_EQ(requests(),
            (std::vector<std::pair<DWORD, DWORD>>{{2000, bytes}, {2000, bytes}, {500, bytes}}));
  // The merged parts cover every row: three columns, one band.
  EXPECT_EQ(rects_of(r), (std::vector<RECT>{{0, 0, 1, 1500}, {2, 0, 3, 1500}, {4, 0, 5, 1500}}));
  DeleteObject(r);
}

TEST_F(Outline, UnreadableFilesGiveNoRegion) {
  EXPECT_EQ(BITMAPTOREGION((dir_.path() + "/missing.bmp").c_str(), button_key_colour, 1),
            nullptr);
  EXPECT_EQ(outline({'B', 'M', 0, 0}), nullptr);
  EXPECT_TRUE(requests().empty());
}

TEST(LoadBmpFromFile, PaletteFromTheColourTableOrHalftone) {
  bmp_builder::TempDir dir;
  HPALETTE halftone = CreateHalftonePalette(GetDC(nullptr));
  std::vector<PALETTEENTRY> halftone_entries(256);
  GetPaletteEntries(halftone, 0, 256, halftone_entries.data());
  DeleteObject(halftone);

  const Picture two{2, 1, {0x102030, 0x405060}};
  const Picture three{3, 1, {0x102030, 0x405060, 0x708090}};
  struct Case {
    const char* what;
    std::vector<uint8_t> file;
    std::vector<PALETTEENTRY> table;  // empty: the halftone palette
  };
  const std::vector<Case> cases = {
      {"1 bit", button_images::bmp(two, 1), {{0x10, 0x20, 0x30, 0}, {0x40, 0x50, 0x60, 0}}},
      {"8 bits, 3 colours",
       button_images::bmp(three, 8),
       {{0x10, 0x20, 0x30, 0}, {0x40, 0x50, 0x60, 0}, {0x70, 0x80, 0x90, 0}}},
      {"24 bits", button_images::bmp(three, 24), {}},
      {"32 bits", button_images::bmp(three, 32), {}},
  };
  for (const Case& c : cases) {
    const std::string path = dir.write(std::string(c.what) + ".bmp", c.file);
    HPALETTE pal = nullptr;
    HBITMAP bitmap = LOADBMPFROMFILE(path.c_str(), &pal);
    ASSERT_NE(bitmap, nullptr) << c.what;
    std::vector<PALETTEENTRY> entries(256);
    ASSERT_EQ(GetPaletteEntries(pal, 0, 256, entries.data()), 256u) << c.what;
    std::vector<PALETTEENTRY> expected = c.table;
    if (expected.empty())
      expected = halftone_entries;
    else
      expected.resize(256, PALETTEENTRY{0, 0, 0, 0});  // past the table: zero
    for (size_t i = 0; i < 256; ++i) {
      const PALETTEENTRY& e = entries[i];
      const PALETTEENTRY& x = expected[i];
      ASSERT_TRUE(e.peRed == x.peRed && e.peGreen == x.peGreen && e.peBlue == x.peBlue &&
                  e.peFlags == 0)
          << c.what << " entry " << i;
    }
    DeleteObject(pal);
    DeleteObject(bitmap);
  }

  // A failed load leaves the palette variable alone.
  HPALETTE untouched = CreateHalftonePalette(nullptr);
  HPALETTE pal = untouched;
  EXPECT_EQ(LOADBMPFROMFILE((dir.path() + "/none.bmp").c_str(), &pal), nullptr);
  EXPECT_EQ(pal, untouched);
  DeleteObject(untouched);
}

TEST(ImageButtonClass, RegisteredByTheWindowRegistrationOnce) {
  HeadlessBackend backend;
  WindowBackend* previous = set_window_backend(&backend);
  WINDOWREGISTER();
  WNDCLASSEXA wc{};
  ASSERT_TRUE(GetClassInfoExA(nullptr, "IMAGEBUTTON", &wc));
  EXPECT_EQ(wc.lpfnWndProc, HOVERBUTTONHANDLER);
  EXPECT_EQ(wc.style, 0u);
  EXPECT_EQ(wc.hInstance, GetModuleHandleA(nullptr));
  EXPECT_EQ(wc.hCursor, LoadCursorA(nullptr, MAKEINTRESOURCEA(IDC_ARROW)));
  EXPECT_EQ(static_cast<GdiObject*>(wc.hbrBackground), GetStockObject(NULL_BRUSH));
  // Asked again, the class is only looked up: WINDOWCLASSEX gets its description.
  std::memset(&WINDOWCLASSEX, 0, sizeof WINDOWCLASSEX);
  register_image_button_class();
  EXPECT_EQ(WINDOWCLASSEX.lpfnWndProc, HOVERBUTTONHANDLER);
  EXPECT_STREQ(WINDOWCLASSEX.lpszClassName, "IMAGEBUTTON");
  set_window_backend(previous);
}

// ---- the button's window procedure -------------------------------------------------

// A headless backend that keeps the pixels put onto windows.
class PixelBackend : public HeadlessBackend {
 public:
  struct Image {
    HWND window;
    RECT rect;
    std::vector<uint32_t> pixels;
  };
  std::vector<Image> images;

  void put_image(PlatformWindow* w, int x, int y, int width, int height, const uint32_t* pixels,
                 int stride) override {
    Image image{w, RECT{x, y, x + width, y + height}, {}};
    for (int row = 0; row < height; ++row)
      image.pixels.insert(image.pixels.end(), pixels + size_t(row) * stride,
                          pixels + size_t(row) * stride + width);
    images.push_back(std::move(image));
    HeadlessBackend::put_image(w, x, y, width, height, pixels, stride);
  }
};

LRESULT parent_procedure(HWND w, UINT m, WPARAM wp, LPARAM lp) { return DefWindowProcA(w, m, wp, lp); }

constexpr int kButtonId = 77;

class Button : public testing::Test {
 protected:
  void SetUp() override {
    previous_ = set_window_backend(&backend_);
    register_image_button_class();
    WNDCLASSEXA known;
    if (!GetClassInfoExA(nullptr, "ButtonTestParent", &known)) {
      WNDCLASSA wc{};
      wc.lpfnWndProc = parent_procedure;
      wc.lpszClassName = "ButtonTestParent";
      ASSERT_NE(RegisterClassA(&wc), 0);
    }
    parent_ = CreateWindowExA(0, "ButtonTestParent", "", WS_POPUP | WS_VISIBLE, 0, 0, 200, 100,
                              nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(parent_, nullptr);
    saved_type_ = BMPTYPE;
    BMPTYPE = dir_.path() + "/B";
  }
  void TearDown() override {
    ReleaseCapture();
    DestroyWindow(parent_);
    drain();
    BMPTYPE = saved_type_;
    set_window_backend(previous_);
  }

  // The normal image: red with its four corners in the key colour.
  void write_images(bool normal = true, bool hover = true, bool pressed = true) {
    const Picture n = button_images::from_rows({"KRRRRK", "RRRRRR", "RRRRRR", "KRRRRK"}, key_or_red);
    if (normal) dir_.write("BN.BMP", button_images::bmp(n, 24));
    if (hover) dir_.write("BH.BMP", button_images::bmp(button_images::filled(6, 4, kGreen), 24));
    if (pressed) dir_.write("BP.BMP", button_images::bmp(button_images::filled(6, 4, kBlue), 8));
  }

  HWND make_button() {
    return CreateWindowExA(0, "IMAGEBUTTON", "", WS_CHILD | WS_VISIBLE, 23, 29, 50, 50, parent_,
                           reinterpret_cast<HMENU>(uintptr_t(kButtonId)), nullptr, nullptr);
  }

  static int state(HWND button) {
    return int(reinterpret_cast<uintptr_t>(GetPropA(button, "HOVERMODEBYTE")));
  }

  // Commands posted to the parent so far (taken off the queue).
  std::vector<MSG> commands() {
    std::vector<MSG> out;
    MSG m;
    while (PeekMessageA(&m, parent_, WM_COMMAND, WM_COMMAND, PM_REMOVE)) out.push_back(m);
    return out;
  }

  // Dispatches everything waiting (paint requests come back until painted).
  static void drain() {
    MSG m;
    while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&m);
  }

  PixelBackend backend_;
  WindowBackend* previous_ = nullptr;
  HWND parent_ = nullptr;
  bmp_builder::TempDir dir_;
  std::string saved_type_;
};

TEST_F(Button, CreationSizesPlacesAndShapesTheWindow) {
  write_images();
  HWND button = make_button();
  ASSERT_NE(button, nullptr);
  // Moved by (-3, -19), the frame and caption of a captioned parent, and
  // sized to the normal image.
  EXPECT_EQ(button->x, 20);
  EXPECT_EQ(button->y, 10);
  EXPECT_EQ(button->width, 6);
  EXPECT_EQ(button->height, 4);
  EXPECT_EQ(state(button), 1);
  const std::vector<RECT> outline{{1, 0, 5, 1}, {0, 1, 6, 3}, {1, 3, 5, 4}};
  HRGN shape = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(GetWindowRgn(button, shape), COMPLEXREGION);
  EXPECT_EQ(rects_of(shape), outline);
  // Hit-testing has a region of its own, not the window's.
  HRGN hit = static_cast<HRGN>(GetPropA(button, "HOVERBUTTONREGION"));
  EXPECT_EQ(rects_of(hit), outline);
  EXPECT_NE(static_cast<GdiObject*>(hit), button->region.get());
  DeleteObject(shape);
}

struct Event {
  UINT message;
  WPARAM flags;
  int x, y;
};

TEST_F(Button, StateTable) {
  write_images();
  const Event move_in{WM_MOUSEMOVE, 0, 2, 1};
  const Event move_out{WM_MOUSEMOVE, 0, -3, 1};  // left of the button, under capture
  const Event down{WM_LBUTTONDOWN, MK_LBUTTON, 2, 1};
  const Event up{WM_LBUTTONUP, 0, 2, 1};
  struct Case {
    const char* what;
    std::vector<Event> events;
    int state;
    bool captured;
    size_t commands;
  };
  const std::vector<Case> cases = {
      {"move inside", {move_in}, 2, true, 0},
      {"move inside, left held", {{WM_MOUSEMOVE, MK_LBUTTON, 2, 1}}, 3, true, 0},
      {"move inside, right held", {{WM_MOUSEMOVE, MK_RBUTTON, 3, 2}}, 3, true, 0},
      {"hovering, move inside with a button", {move_in, {WM_MOUSEMOVE, MK_LBUTTON, 3, 2}}, 2,
       true, 0},
      {"move over a cut corner", {{WM_MOUSEMOVE, 0, 0, 0}}, 1, false, 0},
      {"hover, move out", {move_in, move_out}, 1, false, 0},
      {"press", {down}, 3, true, 0},
      {"press, release", {down, up}, 1, false, 1},
      {"press, move inside, release", {down, {WM_MOUSEMOVE, MK_LBUTTON, 4, 2}, up}, 1, false, 1},
      {"press, move out, release",
       {down, {WM_MOUSEMOVE, MK_LBUTTON, -3, 1}, {WM_LBUTTONUP, 0, -3, 1}}, 1, false, 0},
      {"hover, release", {move_in, up}, 1, false, 0},
  };
  for (const Case& c : cases) {
    HWND button = make_button();
    ASSERT_NE(button, nullptr);
    drain();
    for (const Event& e : c.events)
      SendMessageA(button, e.message, e.flags, MAKELPARAM(e.x, e.y));
    EXPECT_EQ(state(button), c.state) << c.what;
    EXPECT_EQ(GetCapture() == button, c.captured) << c.what;
    const std::vector<MSG> posted = commands();
    ASSERT_EQ(posted.size(), c.commands) << c.what;
    for (const MSG& m : posted) {
      EXPECT_EQ(m.wParam, WPARAM(kButtonId)) << c.what;
      EXPECT_EQ(m.lParam, 0) << c.what;
    }
    DestroyWindow(button);
  }
}

TEST_F(Button, PaintsTheImageOfItsState) {
  write_images();
  HWND button = make_button();
  struct Case {
    std::vector<Event> events;
    uint32_t colour;
  };
  const std::vector<Case> cases = {
      {{}, kRed},
      {{{WM_MOUSEMOVE, 0, 2, 1}}, kGreen},
      {{{WM_LBUTTONDOWN, MK_LBUTTON, 2, 1}}, kBlue},
      {{{WM_LBUTTONUP, 0, 2, 1}}, kRed},
  };
  for (const Case& c : cases) {
    for (const Event& e : c.events)
      SendMessageA(button, e.message, e.flags, MAKELPARAM(e.x, e.y));
    InvalidateRect(button, nullptr, FALSE);
    backend_.images.clear();
    UpdateWindow(button);
    ASSERT_EQ(backend_.images.size(), 1u) << std::hex << c.colour;
    const PixelBackend::Image& image = backend_.images[0];
    EXPECT_EQ(image.window, button);
    EXPECT_EQ(image.rect, (RECT{0, 0, 6, 4}));
    EXPECT_EQ(image.pixels[1 * 6 + 2], c.colour);
    EXPECT_FALSE(button->invalid);
  }
  // The normal image is copied whole; the window's shape hides the corners.
  EXPECT_EQ(backend_.images[0].pixels[0], kKey);
}

TEST_F(Button, DestructionReleasesEveryObject) {
  write_images();
  HWND button = make_button();
  std::vector<const void*> objects;
  std::vector<HDC> contexts;
  for (const char* name : {"NORMALBITMAP", "HOVERBITMAP", "PRESSBITMAP"}) {
    HDC dc = static_cast<HDC>(GetPropA(button, name));
    ASSERT_NE(dc, nullptr) << name;
    contexts.push_back(dc);
    objects.push_back(GetCurrentObject(dc, OBJ_BITMAP));
    objects.push_back(GetCurrentObject(dc, OBJ_PAL));
  }
  objects.push_back(GetPropA(button, "HOVERBUTTONREGION"));
  for (const void* o : objects) ASSERT_TRUE(is_gdi_object(o));

  SendMessageA(button, WM_DESTROY, 0, 0);
  for (const char* name :
       {"NORMALBITMAP", "HOVERBITMAP", "PRESSBITMAP", "HOVERMODEBYTE", "HOVERBUTTONREGION"})
    EXPECT_EQ(GetPropA(button, name), nullptr) << name;
  for (HDC dc : contexts) EXPECT_EQ(device_context_from_handle(dc), nullptr);
  for (size_t i = 0; i < objects.size(); ++i) EXPECT_FALSE(is_gdi_object(objects[i])) << i;
  // The destruction that follows finds nothing left to release.
  EXPECT_TRUE(DestroyWindow(button));
}

TEST_F(Button, MissingHoverImagePaintsNothingWhileHovering) {
  write_images(true, false, true);
  HWND button = make_button();
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(GetPropA(button, "HOVERBITMAP"), nullptr);
  SendMessageA(button, WM_MOUSEMOVE, 0, MAKELPARAM(2, 1));
  EXPECT_EQ(state(button), 2);
  backend_.images.clear();
  UpdateWindow(button);
  EXPECT_TRUE(backend_.images.empty());
  // The paint request was answered: none is waiting.
  MSG m;
  EXPECT_FALSE(PeekMessageA(&m, button, WM_PAINT, WM_PAINT, PM_NOREMOVE));
}

TEST_F(Button, MissingNormalImageGivesAnEmptyButtonThatStillClicks) {
  write_images(false, true, true);
  HWND button = make_button();
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->width, 0);
  EXPECT_EQ(button->height, 0);
  EXPECT_EQ(GetPropA(button, "HOVERBUTTONREGION"), nullptr);
  EXPECT_EQ(button->region, nullptr);
  SendMessageA(button, WM_MOUSEMOVE, 0, MAKELPARAM(0, 0));
  EXPECT_EQ(state(button), 1);  // never hovers
  EXPECT_EQ(GetCapture(), nullptr);
  backend_.images.clear();
  UpdateWindow(button);
  EXPECT_TRUE(backend_.images.empty());
  SendMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, 0);
  SendMessageA(button, WM_LBUTTONUP, 0, 0);
  EXPECT_EQ(commands().size(), 1u);
}

}  // namespace
