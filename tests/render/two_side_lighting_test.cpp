#include "framework/render/two_side_lighting.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include "tests/gl_double/gl_record.h"

TEST(TwoSideLighting, EachSwitchMakesExactlyOneLightModelCall) {
  gl_record::clear();
  TWOSIDEON();
  TWOSIDEON();
  TWOSIDEOFF();
  const auto& calls = gl_record::calls();
  ASSERT_EQ(calls.size(), 3u);
  const double expected[3] = {1, 1, 0};
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(calls[i].name, "glLightModeli");
    EXPECT_EQ(calls[i].args, (std::vector<double>{GL_LIGHT_MODEL_TWO_SIDE, expected[i]}));
  }
}
