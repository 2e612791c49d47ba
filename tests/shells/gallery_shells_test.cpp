#include "shells/gallery_shells.h"

#include <gtest/gtest.h>

#include <cstring>

#include "tests/gl_double/gl_record.h"
#include "tests/shells/shell_stream.h"

namespace {

// One frame of the gallery's shells: 257,280 vertices, render state restored.
TEST(GalleryShells, FrameEmitsTheGalleryVertexCount) {
  gl_record::clear();
  for (const GalleryDraw& d : GALLERY_DRAWS) draw_shell_shape(d.shape);
  EXPECT_EQ(gl_record::count("glVertex3fv"), 257280u);
  EXPECT_EQ(gl_record::count("glPushMatrix"), 21u);  // 17 tubes, two-part shells push twice
  shell_stream::expect_render_state_restored();
}

// Each second surface repeats the draw before it but for its slot (0), a
// thinner tube, a slightly higher place and, in three pairs, the texture size.
TEST(GalleryShells, SecondSurfacesRepeatTheirShell) {
  const int seconds[] = {2, 4, 6, 9, 11, 13, 15, 17, 19};
  for (int draw : seconds) {
    SCOPED_TRACE(draw);
    const GalleryDraw& outer = GALLERY_DRAWS[draw - 2];
    const GalleryDraw& inner = GALLERY_DRAWS[draw - 1];
    ASSERT_EQ(inner.draw, draw);
    EXPECT_EQ(inner.slot, 0);
    EXPECT_NE(outer.slot, 0);
    EXPECT_EQ(inner.x, outer.x);
    EXPECT_EQ(inner.z, outer.z);
    const float lift = draw == 4 ? 0 : draw == 11 ? 0.04f : 0.02f;
    EXPECT_NEAR(inner.y - outer.y, lift, 1e-6);
    EXPECT_EQ(inner.block == outer.block, draw == 4);
    EXPECT_EQ(inner.shape.RADIUSTUBE, outer.shape.RADIUSTUBE == 1 ? 0.98f : 0.28f);

    ShellShape same = inner.shape;
    same.RADIUSTUBE = outer.shape.RADIUSTUBE;
    same.TSIZE = outer.shape.TSIZE;
    EXPECT_EQ(std::memcmp(&same, &outer.shape, sizeof same), 0);
    const bool new_tsize = draw == 15 || draw == 17 || draw == 19;
    EXPECT_EQ(inner.shape.TSIZE != outer.shape.TSIZE, new_tsize);
  }
  EXPECT_EQ(GALLERY_DRAWS[14].shape.TSIZE, 0.33333334f);
  EXPECT_EQ(GALLERY_DRAWS[15].shape.TSIZE, 0.16666667f);
}

}  // namespace
