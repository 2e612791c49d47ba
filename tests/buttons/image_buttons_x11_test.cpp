// Image buttons on a real X server: a button over the framework's window
// takes the outline of its normal image as its X shape, shows its hover and
// pressed images under the real pointer, and a click reaches the
// application's command callback.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "framework/window/image_buttons.h"
#include "framework/window/window_lifecycle.h"
#include "framework/window/window_procedure.h"
#include "platform/gl_binding.h"
#include "platform/x11/x11_shape.h"
#include "tests/buttons/button_images.h"
#include "tests/window/framework_state.h"
#include "tests/window/x11_driving.h"

namespace {

using button_images::Picture;
using x11_driving::run;

constexpr int kWidth = 40, kHeight = 30, kButtonId = 501;
constexpr uint32_t kRed = 0xFF0000, kGreen = 0x00FF00, kBlue = 0x0000FF;
// The parent's clear colour (0.2, 0.4, 0.6).
constexpr int kParent[3] = {51, 102, 153};

// The normal image: red, with its corners cut off diagonally and a 4 by 4
// hole in the middle, all in the key colour.
bool cut(int x, int y) {
  const int l = x, r = kWidth - 1 - x, t = y, b = kHeight - 1 - y;
  const bool corner = l + t < 8 || r + t < 8 || l + b < 8 || r + b < 8;
  const bool hole = x >= 18 && x < 22 && y >= 13 && y < 17;
  return corner || hole;
}

Picture normal_picture() {
  Picture p = button_images::filled(kWidth, kHeight, kRed);
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x)
      if (cut(x, y)) p.pixels[size_t(y) * kWidth + x] = button_images::kKey;
  return p;
}

// Which pixels of the button's box a list of rectangles covers.
std::vector<bool> mask_of(const std::vector<RECT>& rects) {
  std::vector<bool> mask(size_t(kWidth) * kHeight, false);
  for (const RECT& r : rects)
    for (int y = std::max<int>(r.top, 0); y < std::min<int>(r.bottom, kHeight); ++y)
      for (int x = std::max<int>(r.left, 0); x < std::min<int>(r.right, kWidth); ++x)
        mask[size_t(y) * kWidth + x] = true;
  return mask;
}

// The screen as the X server holds it, read with xwd.
struct Screen {
  int width = 0, height = 0;
  std::vector<unsigned char> rgb;
  bool valid() const { return width > 0; }
  const unsigned char* at(int x, int y) const { return &rgb[(size_t(y) * width + x) * 3]; }
  uint32_t colour(int x, int y) const {
    const unsigned char* p = at(x, y);
    return (uint32_t(p[0]) << 16) | (uint32_t(p[1]) << 8) | p[2];
  }
  bool parent_at(int x, int y) const {
    const unsigned char* p = at(x, y);
    for (int i = 0; i < 3; ++i)
      if (std::abs(int(p[i]) - kParent[i]) > 2) return false;
    return true;
  }
};

Screen read_screen(const std::string& dir) {
  Screen s;
  const std::string file = dir + "/screen.ppm";
  if (!run("xwd -root -silent | xwdtopnm > " + file + " 2>/dev/null")) return s;
  std::ifstream in(file, std::ios::binary);
  std::string magic;
  int maxval = 0;
  in >> magic >> s.width >> s.height >> maxval;
  in.get();
  if (magic != "P6" || maxval != 255 || s.width <= 0 || s.height <= 0) return Screen{};
  s.rgb.resize(size_t(s.width) * s.height * 3);
  in.read(reinterpret_cast<char*>(s.rgb.data()), std::streamsize(s.rgb.size()));
  std::remove(file.c_str());
  if (!in) return Screen{};
  return s;
}

struct Command {
  HWND window;
  UINT message;
  WPARAM wparam;
  LPARAM lparam;
};
std::vector<Command> commands;

LRESULT record_command(HWND w, UINT m, WPARAM wp, LPARAM lp) {
  commands.push_back(Command{w, m, wp, lp});
  return 0;
}

void no_menu_bar() {}

class ButtonOnScreen : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    saved_ = new SavedFrameworkState;
    dir_ = new bmp_builder::TempDir;
    dir_->write("BN.BMP", button_images::bmp(normal_picture(), 24));
    dir_->write("BH.BMP", button_images::bmp(button_images::filled(kWidth, kHeight, kGreen), 24));
    dir_->write("BP.BMP", button_images::bmp(button_images::filled(kWidth, kHeight, kBlue), 8));
    // Menu hooks on, so commands reach GETINPUTCOMMAND.
    SHOWMENUBAR = true;
    CREATEMENUBAR = no_menu_bar;
    GETINPUTCOMMAND = record_command;
    OGLWINDOWSETTING(ARROW, "", GENERIC, "");
    CREATEOGLWINDOW("Pulsanti immagine", 400, 300, 32, false);
    glClearColor(0.2f, 0.4f, 0.6f, 1.0f);
  }
  static void TearDownTestSuite() {
    DELETEOGLWINDOW();
    delete dir_;
    delete saved_;
  }

  void SetUp() override {
    commands.clear();
    ASSERT_TRUE(pointer("mousemove 1200 1000"));
    BMPTYPE = dir_->path() + "/B";
    // Asked for at (103, 119): the handler moves it by (-3, -19).
    button_ = CreateWindowExA(0, "IMAGEBUTTON", "", WS_CHILD | WS_VISIBLE, 103, 119, 0, 0,
                              HWINDOW, reinterpret_cast<HMENU>(uintptr_t(kButtonId)),
                              GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(button_, nullptr);
    RECT r;
    ASSERT_TRUE(GetWindowRect(button_, &r));
    origin_x_ = r.left;
    origin_y_ = r.top;
    pump_for(300);
  }
  void TearDown() override {
    DestroyWindow(button_);
    pump_for(100);
  }

  // The frame loop: draw the parent, take one message, present.
  static void frame() {
    glClear(GL_COLOR_BUFFER_BIT);
    SETGLMSG();
    SwapBuffers(DCWINDOW);
  }
  static void pump_for(int ms) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (std::chrono::steady_clock::now() < end) {
      frame();
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
  }
  static bool pump_until(const std::function<bool()>& done, int timeout_ms = 5000) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeout_ms);
    while (!done()) {
      if (std::chrono::steady_clock::now() > end) return false;
      frame();
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
  }
  static bool pointer(const std::string& actions) { return run("xdotool " + actions); }
  // A pointer move to (x, y) of the button's box.
  std::string to(int x, int y) const {
    return "mousemove " + std::to_string(origin_x_ + x) + " " + std::to_string(origin_y_ + y);
  }
  int state() const { return int(reinterpret_cast<uintptr_t>(GetPropA(button_, "HOVERMODEBYTE"))); }

  // Pumps until the screen shows `colour` at (x, y) of the button's box.
  bool shows(uint32_t colour, int x, int y) {
    Screen s;
    pump_until([&] {
      pump_for(50);
      s = read_screen(dir_->path());
      return s.valid() && s.colour(origin_x_ + x, origin_y_ + y) == colour;
    });
    return s.valid() && s.colour(origin_x_ + x, origin_y_ + y) == colour;
  }

  static SavedFrameworkState* saved_;
  static bmp_builder::TempDir* dir_;
  HWND button_ = nullptr;
  int origin_x_ = 0, origin_y_ = 0;
};

SavedFrameworkState* ButtonOnScreen::saved_ = nullptr;
bmp_builder::TempDir* ButtonOnScreen::dir_ = nullptr;

TEST_F(ButtonOnScreen, TheWindowHasTheOutlineOfTheNormalImage) {
  RECT client;
  GetClientRect(button_, &client);
  EXPECT_EQ(client.right, kWidth);
  EXPECT_EQ(client.bottom, kHeight);
  RECT parent;
  GetWindowRect(HWINDOW, &parent);
  EXPECT_EQ(origin_x_ - parent.left, 100);
  EXPECT_EQ(origin_y_ - parent.top, 100);

  std::vector<bool> expected(size_t(kWidth) * kHeight);
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x) expected[size_t(y) * kWidth + x] = !cut(x, y);

  // The shape as the X server keeps it.
  std::vector<RECT> shape;
  ASSERT_TRUE(x11_window_shape(button_, &shape));
  EXPECT_TRUE(mask_of(shape) == expected);

  // On screen: the normal image inside the outline, the parent elsewhere.
  ASSERT_TRUE(shows(kRed, 10, 10));
  const Screen s = read_screen(dir_->path());
  ASSERT_TRUE(s.valid());
  int wrong = 0;
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x) {
      const bool ok = expected[size_t(y) * kWidth + x]
                          ? s.colour(origin_x_ + x, origin_y_ + y) == kRed
                          : s.parent_at(origin_x_ + x, origin_y_ + y);
      if (!ok && ++wrong <= 5) ADD_FAILURE() << "pixel " << x << "," << y;
    }
  EXPECT_EQ(wrong, 0);
}

TEST_F(ButtonOnScreen, HoverPressAndClickUnderTheRealPointer) {
  // Over the hole in the middle the pointer is over the parent.
  ASSERT_TRUE(pointer(to(19, 14)));
  pump_for(300);
  EXPECT_EQ(state(), 1);

  ASSERT_TRUE(pointer(to(6, 15)));
  ASSERT_TRUE(pump_until([&] { return state() == 2; }));
  EXPECT_TRUE(shows(kGreen, 10, 10));
  EXPECT_TRUE(shows(kGreen, 30, 20));

  ASSERT_TRUE(pointer("mousedown 1"));
  ASSERT_TRUE(pump_until([&] { return state() == 3; }));
  EXPECT_TRUE(shows(kBlue, 10, 10));

  ASSERT_TRUE(pointer("mouseup 1"));
  ASSERT_TRUE(pump_until([&] { return !commands.empty(); }));
  ASSERT_EQ(commands.size(), 1u);
  EXPECT_EQ(commands[0].window, HWINDOW);
  EXPECT_EQ(commands[0].message, UINT(WM_COMMAND));
  EXPECT_EQ(commands[0].wparam, WPARAM(kButtonId));
  EXPECT_EQ(commands[0].lparam, 0);
  EXPECT_EQ(state(), 1);
  EXPECT_TRUE(shows(kRed, 10, 10));

  // Hover again, then leave: the captured move out ends the hover.
  ASSERT_TRUE(pointer(to(8, 15)));
  ASSERT_TRUE(pump_until([&] { return state() == 2; }));
  ASSERT_TRUE(pointer(to(-30, -30)));
  ASSERT_TRUE(pump_until([&] { return state() == 1; }));
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_TRUE(shows(kRed, 10, 10));
  EXPECT_EQ(commands.size(), 1u);
}

TEST_F(ButtonOnScreen, PressThenLeaveBeforeReleasingIsNoClick) {
  ASSERT_TRUE(pointer(to(6, 15) + " mousedown 1"));
  ASSERT_TRUE(pump_until([&] { return state() == 3; }));
  ASSERT_TRUE(pointer(to(-30, 15)));
  ASSERT_TRUE(pump_until([&] { return state() == 1; }));
  ASSERT_TRUE(pointer("mouseup 1"));
  pump_for(300);
  EXPECT_TRUE(commands.empty());
  EXPECT_EQ(state(), 1);
}

}  // namespace
