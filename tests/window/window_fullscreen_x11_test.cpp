// Full screen: the window covers the whole screen at its current size.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "framework/window/window_lifecycle.h"
#include "framework/window/window_procedure.h"
#include "tests/window/x11_driving.h"

namespace {

TEST(FullScreenWindow, CoversScreenAtItsCurrentSize) {
  // The X server's own answer, e.g. "1280 1024".
  const std::string screen = x11_driving::output_of("xdotool getdisplaygeometry");
  int screen_w = 0, screen_h = 0;
  ASSERT_EQ(std::sscanf(screen.c_str(), "%d %d", &screen_w, &screen_h), 2) << screen;
  ASSERT_FALSE(screen_w == 800 && screen_h == 600) << "the screen must differ from the request";

  OGLWINDOWSETTING(ARROW, "", GENERIC, "");
  CREATEOGLWINDOW("Dimostrazione sulla generare delle conchiglie", 800, 600, 32, true);
  x11_driving::pump_until_quiet();
  EXPECT_TRUE(ACTIVE);
  EXPECT_EQ(WIDTH, screen_w);
  EXPECT_EQ(HEIGHT, screen_h);
  EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), screen_w);
  RECT outer;
  ASSERT_TRUE(GetWindowRect(HWINDOW, &outer));
  EXPECT_EQ(outer.left, 0);
  EXPECT_EQ(outer.top, 0);
  EXPECT_EQ(outer.right, screen_w);
  EXPECT_EQ(outer.bottom, screen_h);
  EXPECT_NE(glGetString(GL_VERSION), nullptr);
  // The display mode is untouched.
  EXPECT_EQ(x11_driving::output_of("xdotool getdisplaygeometry"), screen);
  DELETEOGLWINDOW();
  EXPECT_FALSE(ACTIVE);
}

}  // namespace
