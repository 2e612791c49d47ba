// The framework's windowed window on a real X server: creation and context,
// real drags and keys, free look, the frame-rate title.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <string>

#include "framework/window/mouse_view.h"
#include "framework/window/window_lifecycle.h"
#include "framework/window/window_procedure.h"
#include "platform/device_context.h"
#include "platform/gl_binding.h"
#include "tests/window/framework_state.h"
#include "tests/window/x11_driving.h"

namespace {

using x11_driving::output_of;
using x11_driving::pump_until;
using x11_driving::pump_until_quiet;
using x11_driving::run;

const char kTitle[] = "Dimostrazione sulla generare delle conchiglie";

class FrameworkWindow : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    OGLWINDOWSETTING(ARROW, "", GENERIC, "");
    CREATEOGLWINDOW(kTitle, 800, 600, 32, false);
    pump_until_quiet();
    window_id_ = output_of(std::string("xdotool search --name '^") + kTitle + "$' | head -n 1");
  }
  static void TearDownTestSuite() { DELETEOGLWINDOW(); }

  void SetUp() override {
    ASSERT_FALSE(window_id_.empty()) << "the X server does not know the window by its title";
    pump_until_quiet();
  }

  // Pointer actions through the XTest extension; xdotool's connection is
  // closed (and so its requests done) when the command returns.
  static bool pointer(const std::string& actions) { return run("xdotool " + actions); }
  // A move to (x, y) relative to the window's origin as the X server places
  // the window; the point may lie outside the window.
  static std::string at(int x, int y) {
    const std::string geometry = output_of("xdotool getwindowgeometry --shell " + window_id_);
    int origin_x = 0, origin_y = 0;
    const size_t px = geometry.find("X="), py = geometry.find("Y=");
    if (px != std::string::npos) origin_x = std::atoi(geometry.c_str() + px + 2);
    if (py != std::string::npos) origin_y = std::atoi(geometry.c_str() + py + 2);
    return "mousemove " + std::to_string(origin_x + x) + " " + std::to_string(origin_y + y) + " ";
  }

  static std::string window_id_;
  SavedFrameworkState saved_;
};
std::string FrameworkWindow::window_id_;

TEST_F(FrameworkWindow, WindowedIs800By600WithTitleAndCurrentContext) {
  EXPECT_TRUE(ACTIVE);
  EXPECT_EQ(WIDTH, 800);
  EXPECT_EQ(HEIGHT, 600);
  ASSERT_NE(HWINDOW, nullptr);
  ASSERT_NE(DCWINDOW, nullptr);
  ASSERT_NE(RCWINDOW, nullptr);

  RECT client;
  ASSERT_TRUE(GetClientRect(HWINDOW, &client));
  EXPECT_EQ(client.right - client.left, 800);
  EXPECT_EQ(client.bottom - client.top, 600);
  // The X server's own view of the window.
  EXPECT_NE(output_of("xdotool getwindowgeometry " + window_id_).find("Geometry: 800x600"),
            std::string::npos);
  char title[128] = {};
  GetWindowTextA(HWINDOW, title, sizeof title);
  EXPECT_STREQ(title, kTitle);

  const GLubyte* version = glGetString(GL_VERSION);
  const GLubyte* renderer = glGetString(GL_RENDERER);
  ASSERT_NE(version, nullptr);
  ASSERT_NE(renderer, nullptr);
  glClearColor(0, 1, 0, 1);
  glClear(GL_COLOR_BUFFER_BIT);
  GLubyte pixel[4] = {};
  glReadPixels(10, 10, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, pixel);
  EXPECT_EQ(pixel[0], 0);
  EXPECT_EQ(pixel[1], 255);
  EXPECT_EQ(pixel[2], 0);
  EXPECT_TRUE(SwapBuffers(DCWINDOW));

  // What the platform granted for the request of 32 bits of everything.
  PIXELFORMATDESCRIPTOR granted;
  std::memset(&granted, 0, sizeof granted);
  const int format = DCWINDOW->pixel_format;
  ASSERT_GT(format, 0);
  ASSERT_GT(DescribePixelFormat(DCWINDOW, format, sizeof granted, &granted), 0);
  std::cout << "GL " << version << " on " << renderer << "\npixel format " << format
            << ": flags 0x" << std::hex << granted.dwFlags << std::dec << ", colour "
            << int(granted.cColorBits) << " (r" << int(granted.cRedBits) << " g"
            << int(granted.cGreenBits) << " b" << int(granted.cBlueBits) << " a"
            << int(granted.cAlphaBits) << "), depth " << int(granted.cDepthBits) << ", stencil "
            << int(granted.cStencilBits) << ", accum " << int(granted.cAccumBits) << ", aux "
            << int(granted.cAuxBuffers) << ", layer " << int(granted.iLayerType) << std::endl;
  EXPECT_NE(granted.dwFlags & PFD_DOUBLEBUFFER, 0u);
  EXPECT_NE(granted.dwFlags & PFD_SUPPORT_OPENGL, 0u);
  EXPECT_EQ(granted.iPixelType, PFD_TYPE_RGBA);
  EXPECT_GT(granted.cDepthBits, 0);
}

TEST_F(FrameworkWindow, RealLeftDragTurnsViewOneDegreePerPixel) {
  MSPEED = 2;
  const float xrot = XROT, yrot = YROT;
  ASSERT_TRUE(pointer(at(100, 100) + "mousedown 1 " + at(110, 105) + "mouseup 1"));
  pump_until_quiet();
  EXPECT_FALSE(LEFTMOUSEDOWN);
  EXPECT_FLOAT_EQ(YROT - yrot, 10);
  EXPECT_FLOAT_EQ(XROT - xrot, 5);
}

TEST_F(FrameworkWindow, RealRightDragDownBringsViewNearer) {
  MSPEED = 2;
  const float depth = DEPTH, xrot = XROT;
  ASSERT_TRUE(pointer(at(200, 200) + "mousedown 3 " + at(200, 205) + "mouseup 3"));
  pump_until_quiet();
  EXPECT_FALSE(RIGHTMOUSEDOWN);
  EXPECT_FLOAT_EQ(DEPTH - depth, -1);
  EXPECT_EQ(XROT, xrot);
}

TEST_F(FrameworkWindow, CapturedDragLeftOfAndAboveWindowTurnsByRealOffset) {
  // Move the window away from the screen corner so the pointer can leave it
  // to the left and upwards.
  ASSERT_TRUE(MoveWindow(HWINDOW, 150, 120, 800, 600, TRUE));
  pump_until_quiet();
  MSPEED = 2;
  const float xrot = XROT, yrot = YROT;
  ASSERT_TRUE(pointer(at(10, 10) + "mousedown 1 " + at(-20, -10) + "mouseup 1"));
  pump_until_quiet();
  EXPECT_FLOAT_EQ(YROT - yrot, -30);
  EXPECT_FLOAT_EQ(XROT - xrot, -20);
  MoveWindow(HWINDOW, 0, 0, 800, 600, TRUE);
  pump_until_quiet();
}

TEST_F(FrameworkWindow, FreeLookTurnsByCursorOffsetAndRecentresCursor) {
  ASSERT_TRUE(run("xdotool windowfocus --sync " + window_id_));
  ASSERT_TRUE(pointer("mousemove 400 300"));
  pump_until_quiet();
  ASSERT_EQ(GetForegroundWindow(), HWINDOW);
  MSPEED = 2;
  MOUSEFREE = true;
  const float xrot = XROT, yrot = YROT;
  ASSERT_TRUE(pointer("mousemove 450 300"));
  EXPECT_TRUE(pump_until([&] { return XROT != xrot; }));
  // The pointer is back at the centre: further motion reports no offset.
  const int handled = x11_driving::pump_for(500);
  std::cout << "messages in 500 ms of free look at rest: " << handled << std::endl;
  EXPECT_FLOAT_EQ(XROT - xrot, 1);  // 50 px right of centre: 50 / 100 * 2
  EXPECT_FLOAT_EQ(YROT, yrot);
  POINT cursor;
  ASSERT_TRUE(GetCursorPos(&cursor));
  EXPECT_EQ(cursor.X, 400);
  EXPECT_EQ(cursor.Y, 300);
  EXPECT_TRUE(MOUSEFREE);
}

TEST_F(FrameworkWindow, FrameRateTitleReachesWindowAndServer) {
  VIEWFPS = true;
  FORCEFPS = 1;
  ADDFORCEFPS = 0;
  FPSCOUNT = 300;
  SendMessageA(HWINDOW, WM_TIMER, WPARAM(FPS_TIMER), 0);
  EXPECT_EQ(FPSCOUNT, 0);
  char title[128] = {};
  GetWindowTextA(HWINDOW, title, sizeof title);
  EXPECT_STREQ(title, "Dimostrazione sulla generare delle conchiglie - FPS [60]");
  pump_until_quiet();
  EXPECT_EQ(output_of("xdotool getwindowname " + window_id_),
            "Dimostrazione sulla generare delle conchiglie - FPS [60]");
  SetWindowTextA(HWINDOW, kTitle);
}

TEST_F(FrameworkWindow, RealEscapeClearsRunningFlagButKeepsWindow) {
  ASSERT_TRUE(ACTIVE);
  SETKEY[VK_ESCAPE] = 0;
  ASSERT_TRUE(run("xdotool windowfocus --sync " + window_id_ + " key Escape"));
  EXPECT_TRUE(pump_until([] { return !ACTIVE; }));
  pump_until_quiet();
  EXPECT_EQ(SETKEY[VK_ESCAPE], 0);
  EXPECT_TRUE(IsWindow(HWINDOW));
}

}  // namespace
