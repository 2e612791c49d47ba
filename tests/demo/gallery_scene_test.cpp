#include "demo/gallery_scene.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "framework/render/textures.h"
#include "framework/render/window_size.h"
#include "framework/window/window_procedure.h"
#include "shells/modulated_spiral_shell.h"
#include "shells/spiral_shell.h"
#include "shells/two_part_spiral_shell.h"
#include "tests/gl_double/gl_record.h"

namespace {

using Args = std::vector<double>;
using Stream = std::vector<gl_record::Call>;

// Gives slots 0..7 recognisable texture names and puts the view state and
// the slot table back afterwards.
class GalleryScene : public testing::Test {
 protected:
  void SetUp() override {
    std::memcpy(saved_slots_, TEXTUREID2, sizeof saved_slots_);
    saved_view_[0] = XROT;
    saved_view_[1] = YROT;
    saved_view_[2] = DEPTH;
    saved_speed_ = MSPEED;
    saved_size_[0] = WIDTH;
    saved_size_[1] = HEIGHT;
    WIDTH = 800;
    HEIGHT = 600;
    for (int slot = 0; slot < 8; ++slot) TEXTUREID2[slot] = 100 + slot;
    XROT = YROT = DEPTH = 0;
    gl_record::clear();
  }
  void TearDown() override {
    std::memcpy(TEXTUREID2, saved_slots_, sizeof saved_slots_);
    XROT = saved_view_[0];
    YROT = saved_view_[1];
    DEPTH = saved_view_[2];
    MSPEED = saved_speed_;
    WIDTH = saved_size_[0];
    HEIGHT = saved_size_[1];
  }

  static Stream frame() {
    gl_record::clear();
    OPENGL_DRAW();
    return gl_record::calls();
  }

  unsigned int saved_slots_[8];
  float saved_view_[3];
  int saved_speed_ = 0;
  int saved_size_[2] = {0, 0};
};

std::vector<std::string> text(const Stream& s, size_t from, size_t count) {
  std::vector<std::string> out;
  for (size_t i = from; i < from + count && i < s.size(); ++i) out.push_back(gl_record::describe(s[i]));
  return out;
}

size_t find(const Stream& s, const std::string& described, size_t from = 0) {
  const std::string name = described.substr(0, described.find('('));
  for (size_t i = from; i < s.size(); ++i)
    if (s[i].name == name && gl_record::describe(s[i]) == described) return i;
  return s.size();
}

bool same(const Stream& a, size_t a_from, const Stream& b) {
  if (a.size() - a_from != b.size()) return false;
  for (size_t i = 0; i < b.size(); ++i) {
    const auto& x = a[a_from + i];
    const auto& y = b[i];
    if (x.name != y.name || x.args.size() != y.args.size()) return false;
    if (!x.args.empty() &&
        std::memcmp(x.args.data(), y.args.data(), x.args.size() * sizeof(double)) != 0)
      return false;
  }
  return true;
}

// The eighteen shell blocks written out from the gallery's placement and
// shape tables, independently of the program's own table.
Stream expected_shells() {
  gl_record::clear();
  auto block = [](int slot, float x, float y, float z, auto draw) {
    TEXTURESELECTID(slot);
    glPushMatrix();
    glTranslatef(x, y, z);
    draw();
    glPopMatrix();
  };
  const float third = 1.0f / 3.0f, sixth = 1.0f / 6.0f;
  block(1, -5, 0, -6, [] { SPIRALSHELL(6, 21, 1, 0, 0.25f, 1, 0.2f, 1, 0.5f, 0, 80, 20, 0.5f); });
  block(0, -5, 0.02f, -6, [] { SPIRALSHELL(6, 21, 1, 0, 0.25f, 0.98f, 0.2f, 1, 0.5f, 0, 80, 20, 0.5f); });
  block(2, 0, 1.5f, -6, [] {
    SPIRALSHELL(6, 30, -1, 0, 0.16f, 1, 0.2f, 1, 0.4f, 0.25f, 128, 32, 0.4f);
    TEXTURESELECTID(0);
    SPIRALSHELL(6, 30, -1, 0, 0.16f, 0.98f, 0.2f, 1, 0.4f, 0.25f, 128, 32, 0.4f);
  });
  block(3, 5, 0, -6, [] { SPIRALSHELL(6, 35, -1, 0, 0.15f, 1, 0.2f, 1, 0.05f, 0, 64, 20, 1); });
  block(0, 5, 0.02f, -6, [] { SPIRALSHELL(6, 35, -1, 0, 0.15f, 0.98f, 0.2f, 1, 0.05f, 0, 64, 20, 1); });
  block(4, -6, 0.5f, 0, [] { SPIRALSHELL(4, 25, 1, 0, 0.26f, 1.25f, 0.3f, 1, 0, 0, 128, 20, 2); });
  block(1, -1.5f, 0, 0, [] { SPIRALSHELL(12, 90, -1, 0, 0.02f, 0.3f, 0.2f, 1, 0.1f, 0, 180, 64, 1); });
  block(0, -1.5f, 0.02f, 0, [] { SPIRALSHELL(12, 90, -1, 0, 0.02f, 0.28f, 0.2f, 1, 0.1f, 0, 180, 64, 1); });
  block(1, 1.5f, 0.2f, 0, [] { SPIRALSHELL2(12, 90, -1, 0, 0.02f, 0.3f, 0.2f, 1, 0.1f, 0, 180, 64, 2, 1, 20, 10, 1); });
  block(0, 1.5f, 0.24f, 0, [] { SPIRALSHELL2(12, 90, -1, 0, 0.02f, 0.28f, 0.2f, 1, 0.1f, 0, 180, 64, 2, 1, 20, 10, 1); });
  block(5, 5, 0, 0, [] { SPIRALSHELL2(6, 30, -1, 0, 0.14f, 1, 0.2f, 0.4f, 0.1f, 0, 180, 64, 1, 1, 3, 1, 0.4f); });
  block(0, 5, 0.02f, 0, [] { SPIRALSHELL2(6, 30, -1, 0, 0.14f, 0.98f, 0.2f, 0.4f, 0.1f, 0, 180, 64, 1, 1, 3, 1, 0.4f); });
  block(6, -7, 1.5f, 6, [] { SPIRALSHELL2(6, 30, -1, 0, 0.14f, 1, 0.2f, 0.4f, 0.3f, 0.2f, 180, 64, 2.5f, 0.5f, 32, 16, 0.5f); });
  block(0, -7, 1.52f, 6, [&] { SPIRALSHELL2(6, 30, -1, 0, 0.14f, 0.98f, 0.2f, 0.4f, 0.3f, 0.2f, 180, 64, 2.5f, 0.5f, 32, 16, third); });
  block(6, -2, 1.5f, 8, [&] { SPIRALSHELL(7, 5, -1, 0, 0.15f, 1, 0.2f, 0, 0, 0.07f, 128, 64, sixth); });
  block(0, -2, 1.52f, 8, [] { SPIRALSHELL(7, 5, -1, 0, 0.15f, 0.98f, 0.2f, 0, 0, 0.07f, 128, 64, 0.1f); });
  block(7, 6, 3.5f, 6, [] { SPIRALSHELL3(5, 30, -1, 0, 0.14f, 1, 0.2f, 0.25f, 0.15f, 0.7f, 0, 128, 2, 12, 0.25f); });
  block(0, 6, 3.52f, 6, [] { SPIRALSHELL3(5, 30, -1, 0, 0.14f, 0.98f, 0.2f, 0.25f, 0.15f, 0.7f, 0, 128, 2, 12, 0.5f); });
  return gl_record::calls();
}

TEST_F(GalleryScene, CameraViewLightAndFloorComeFirstInOrder) {
  const Stream s = frame();
  ASSERT_FALSE(s.empty());
  EXPECT_EQ(gl_record::describe(s[0]), "glClear(16640)");
  EXPECT_EQ(gl_record::describe(s[1]), "glLoadIdentity()");

  // After both projection set-ups (the perspective one last) comes the camera.
  const size_t perspective = find(s, "gluPerspective(45, 1.33333333, 0.1, 100)");
  const size_t ortho = find(s, "glOrtho(-2, 2, -1.5, 1.5, -2, 2)");
  ASSERT_LT(ortho, perspective);
  const size_t camera = find(s, "glTranslatef(0, -1, -30)", perspective);
  ASSERT_LT(camera, s.size());
  EXPECT_EQ(text(s, camera, 23), (std::vector<std::string>{
      "glTranslatef(0, -1, -30)", "glRotatef(30, 1, 0, 0)",
      "glTranslatef(0, 0, -0)", "glRotatef(0, 1, 0, 0)", "glRotatef(0, 0, 1, 0)",
      "glLightfv(16384, 4611, 0, 10, 0, 0.100000001)",
      "glDisable(3553)",
      "glLightModeli(2898, 1)", "glDisable(2884)", "glBegin(7)", "glNormal3f(-0, 1, 0)",
      "glTexCoord2f(1, 1)", "glVertex3f(10, 0, -10)", "glTexCoord2f(0, 1)", "glVertex3f(-10, 0, -10)",
      "glTexCoord2f(0, 0)", "glVertex3f(-10, 0, 10)", "glTexCoord2f(1, 0)", "glVertex3f(10, 0, 10)",
      "glEnd()", "glEnable(2884)", "glLightModeli(2898, 0)", "glEnable(3553)"}));
}

TEST_F(GalleryScene, ShellsFollowTheTablesExactly) {
  const Stream s = frame();
  const Stream shells = expected_shells();
  const size_t start = find(s, "glEnable(3553)");  // TEXTUREON after the floor
  ASSERT_LT(start, s.size());
  EXPECT_TRUE(same(s, start + 1, shells)) << "frame has " << s.size() - start - 1
                                          << " calls after the floor, expected " << shells.size();
}

// The floor's normal is the cross product's exact result: (-0, 1, 0), which
// is the up vector (0, 1, 0).
TEST_F(GalleryScene, FloorNormalPointsUp) {
  const Stream s = frame();
  const size_t quad = find(s, "glBegin(7)");
  ASSERT_LT(quad + 1, s.size());
  ASSERT_EQ(s[quad + 1].name, "glNormal3f");
  EXPECT_EQ(s[quad + 1].args, (Args{0, 1, 0}));
}

TEST_F(GalleryScene, MatrixStackBalancedAndFramesRepeat) {
  const Stream a = frame();
  int depth = 0, deepest = 0;
  for (const auto& c : a) {
    if (c.name == "glPushMatrix") deepest = std::max(deepest, ++depth);
    if (c.name == "glPopMatrix") {
      ASSERT_GE(--depth, 0);
    }
  }
  EXPECT_EQ(depth, 0);
  EXPECT_LE(deepest, 2);  // the block's push and the generator's own
  const Stream b = frame();
  EXPECT_TRUE(same(a, 0, b));
}

TEST_F(GalleryScene, ViewStateReachesTheTransform) {
  XROT = 12.5f;
  YROT = -40;
  DEPTH = 3.25f;
  const Stream s = frame();
  const size_t camera = find(s, "glRotatef(30, 1, 0, 0)");
  EXPECT_EQ(text(s, camera + 1, 3), (std::vector<std::string>{
      "glTranslatef(0, 0, -3.25)", "glRotatef(12.5, 1, 0, 0)", "glRotatef(-40, 0, 1, 0)"}));
  EXPECT_EQ(MSPEED, 2);
}

}  // namespace
