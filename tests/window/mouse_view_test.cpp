#include "framework/window/mouse_view.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/gl_double/gl_record.h"
#include "tests/window/framework_state.h"

namespace {

using Args = std::vector<double>;

struct ModeCase {
  int mode;
  TGLVERTEX my;                // expected MY, d = -DEPTH = -5
  Args translate, turn_x, turn_y;  // glTranslatef and the two glRotatef calls
};

TEST(MouseView, EachModeTranslatesThenTurnsByBothAngles) {
  SavedFrameworkState saved;
  const ModeCase cases[] = {
      {GL_M0, {0, 0, -5}, {0, 0, -5}, {10, 1, 0, 0}, {-20.5, 0, 1, 0}},
      {GL_MX, {0, -5, 0}, {0, -5, 0}, {10, 1, 0, 0}, {-20.5, 0, 0, 1}},
      {GL_MY, {-5, 0, 0}, {-5, 0, 0}, {10, 0, 0, -1}, {-20.5, 0, 1, 0}},
      {GL_MZ, {0, 0, -5}, {0, 0, -5}, {10, 0, 1, 0}, {-20.5, 1, 0, 0}},
  };
  for (const ModeCase& c : cases) {
    SCOPED_TRACE(c.mode);
    XROT = 10;
    YROT = -20.5f;
    DEPTH = 5;
    MY = {9, 9, 9};
    MSPEED = 0;
    gl_record::clear();
    SETGLMOUSEMOVE(c.mode, 2);
    EXPECT_EQ(MSPEED, 2);
    EXPECT_EQ(MY.X, c.my.X);
    EXPECT_EQ(MY.Y, c.my.Y);
    EXPECT_EQ(MY.Z, c.my.Z);
    const auto& calls = gl_record::calls();
    ASSERT_EQ(calls.size(), 3u);
    EXPECT_EQ(gl_record::describe(calls[0]), gl_record::describe({"glTranslatef", c.translate, {}}));
    EXPECT_EQ(gl_record::describe(calls[1]), gl_record::describe({"glRotatef", c.turn_x, {}}));
    EXPECT_EQ(gl_record::describe(calls[2]), gl_record::describe({"glRotatef", c.turn_y, {}}));
  }
}

TEST(MouseView, UnknownModeOnlySetsSpeed) {
  SavedFrameworkState saved;
  for (int mode : {-1, 4, 1000}) {
    DEPTH = 5;
    MY = {1, 2, 3};
    MSPEED = 2;
    gl_record::clear();
    SETGLMOUSEMOVE(mode, 7);
    EXPECT_EQ(MSPEED, 7);
    EXPECT_TRUE(gl_record::calls().empty());
    EXPECT_EQ(MY.X, 1);
    EXPECT_EQ(MY.Y, 2);
    EXPECT_EQ(MY.Z, 3);
  }
}

}  // namespace
