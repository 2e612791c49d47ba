#include "framework/render/projection_lights.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>

#include "framework/render/window_size.h"
#include "tests/textures/expect_calls.h"

namespace {

// Sets the window size for one test and restores it, with the light state.
class ProjectionLights : public ::testing::Test {
 protected:
  void SetUp() override {
    saved_w_ = WIDTH;
    saved_h_ = HEIGHT;
    WIDTH = 800;
    HEIGHT = 600;
    std::copy(std::begin(AMBIENTLIGHT), std::end(AMBIENTLIGHT), saved_ambient_);
    std::copy(std::begin(LIGHTPOSITION), std::end(LIGHTPOSITION), saved_position_);
    gl_record::clear();
  }
  void TearDown() override {
    WIDTH = saved_w_;
    HEIGHT = saved_h_;
    std::copy(std::begin(saved_ambient_), std::end(saved_ambient_), AMBIENTLIGHT);
    std::copy(std::begin(saved_position_), std::end(saved_position_), LIGHTPOSITION);
  }

 private:
  int saved_w_ = 0, saved_h_ = 0;
  float saved_ambient_[4] = {}, saved_position_[4] = {};
};

}  // namespace

TEST_F(ProjectionLights, PerspectiveSetUpInOrder) {
  OPENGL_INIT(100.0, 0.25, 0.5, 0.75, 1.0);
  expect_calls({
      {"glClearColor", {0.5, 0.75, 1.0, 0.25}},  // alpha comes first in the arguments
      {"glViewport", {0, 0, 800, 600}},
      {"glMatrixMode", {GL_PROJECTION}},
      {"glLoadIdentity", {}},
      {"gluPerspective", {45.0, 800.0 / 600.0, 0.1, 100.0}},
      {"glMatrixMode", {GL_MODELVIEW}},
      {"glLoadIdentity", {}},
      {"glClearDepth", {100.0}},
      {"glEnable", {GL_DEPTH_TEST}},
      {"glDepthFunc", {GL_LEQUAL}},
      {"glColor4f", {1.0, 1.0, 1.0, 0.5}},
      {"glBlendFunc", {GL_SRC_ALPHA, GL_ONE}},
      {"glLightModeli", {GL_LIGHT_MODEL_LOCAL_VIEWER, 1}},
      {"glHint", {GL_LINE_SMOOTH_HINT, GL_NICEST}},
      {"glHint", {GL_POLYGON_SMOOTH_HINT, GL_NICEST}},
      {"glHint", {GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST}},
      {"glEnable", {GL_AUTO_NORMAL}},
      {"glEnable", {GL_NORMALIZE}},
  });
}

TEST_F(ProjectionLights, OrthographicBoxFollowsTheWindowProportions) {
  OPENGL_I2D(0, 0, 0, 0);
  expect_calls({
      {"glClearColor", {0, 0, 0, 0}},
      {"glViewport", {0, 0, 800, 600}},
      {"glMatrixMode", {GL_PROJECTION}},
      {"glLoadIdentity", {}},
      {"glOrtho", {-2.0, 2.0, -1.5, 1.5, -2.0, 2.0}},
      {"glMatrixMode", {GL_MODELVIEW}},
      {"glLoadIdentity", {}},
      {"glEnable", {GL_DEPTH_TEST}},
      {"glDepthFunc", {GL_LEQUAL}},
      {"glEnable", {GL_NORMALIZE}},
  });
  // A size whose proportion is not exact in binary: the bound is (2 * 700) / 900.
  WIDTH = 900;
  HEIGHT = 700;
  gl_record::clear();
  OPENGL_I2D(0, 0, 0, 0);
  const auto ortho = gl_record::named("glOrtho");
  ASSERT_EQ(ortho.size(), 1u);
  EXPECT_EQ(ortho[0].args[2], -1400.0 / 900.0);
  EXPECT_EQ(ortho[0].args[3], 1400.0 / 900.0);
}

TEST_F(ProjectionLights, BackFacesCulledWithSmoothShading) {
  SETGLREFRACTIVE();
  expect_calls({
      {"glEnable", {GL_CULL_FACE}},
      {"glCullFace", {GL_BACK}},
      {"glFrontFace", {GL_CCW}},
      {"glShadeModel", {GL_SMOOTH}},
  });
}

TEST_F(ProjectionLights, LightTakesTheColourVariablesWhenSetUp) {
  SETGLLIGHT(GL_LIGHT0, 0, 0, 0, 0.1f);
  expect_calls({
      {"glEnable", {GL_LIGHTING}},
      {"glLightfv", {GL_LIGHT0, GL_AMBIENT, 0.5, 0.5, 0.5, 1.0}},
      {"glLightfv", {GL_LIGHT0, GL_DIFFUSE, 1, 1, 1, 1}},
      {"glLightfv", {GL_LIGHT0, GL_SPECULAR, 1, 1, 1, 1}},
      {"glEnable", {GL_LIGHT0}},
      {"glLightfv", {GL_LIGHT0, GL_POSITION, 0, 0, 0, 0.1f}},
  });
  EXPECT_EQ(LIGHTPOSITION[3], 0.1f);

  // A colour changed afterwards reaches OpenGL only with the next set-up.
  AMBIENTLIGHT[0] = 0.25f;
  gl_record::clear();
  PUTGLPOINTLIGHT(GL_LIGHT0, 0, 1, 2, 3, 0);
  EXPECT_EQ(gl_record::count("glLightfv"), 1u);
  SETGLLIGHT(GL_LIGHT1, 1, 2, 3, 0);
  const auto lights = gl_record::named("glLightfv");
  ASSERT_EQ(lights.size(), 5u);
  EXPECT_EQ(lights[1].args, (std::vector<double>{GL_LIGHT1, GL_AMBIENT, 0.25, 0.5, 0.5, 1.0}));
  EXPECT_EQ(lights[4].args, (std::vector<double>{GL_LIGHT1, GL_POSITION, 1, 2, 3, 0}));
}

TEST_F(ProjectionLights, PointLightMarkerOnlyForANonZeroSize) {
  PUTGLPOINTLIGHT(GL_LIGHT0, 0, 0, 10, 0, 0.1f);
  expect_calls({{"glLightfv", {GL_LIGHT0, GL_POSITION, 0, 10, 0, 0.1f}}});

  for (float size : {5.0f, -1.0f}) {
    SCOPED_TRACE(size);
    gl_record::clear();
    PUTGLPOINTLIGHT(GL_LIGHT2, size, 1, 2, 3, 0.5f);
    // The marker sits at (x, y, z) as given, not divided by w.
    expect_calls({
        {"glLightfv", {GL_LIGHT2, GL_POSITION, 1, 2, 3, 0.5}},
        {"glPointSize", {size}},
        {"glBegin", {GL_POINTS}},
        {"glNormal3f", {0, 0, 1}},
        {"glVertex3f", {1, 2, 3}},
        {"glEnd", {}},
    });
    EXPECT_EQ(LIGHTPOSITION[3], 0.5f);
  }
}
