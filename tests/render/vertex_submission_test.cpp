#include "framework/render/vertex_submission.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "tests/gl_double/gl_record.h"

namespace {

using Args = std::vector<double>;

// Puts the capture record and both switches back as they were.
class VertexSubmission : public testing::Test {
 protected:
  void SetUp() override {
    saved_ = std::make_unique<TGLVERTEX3F>(GLBASEVERTEX3F);
    saved_remove_ = GLVERT3FREMOVE;
    saved_edit_ = GLVERT3FENABLEEDIT;
    std::memset(&GLBASEVERTEX3F, 0, sizeof GLBASEVERTEX3F);
    GLVERT3FREMOVE = GLVERT3FENABLEEDIT = false;
    gl_record::clear();
  }
  void TearDown() override {
    GLBASEVERTEX3F = *saved_;
    GLVERT3FREMOVE = saved_remove_;
    GLVERT3FENABLEEDIT = saved_edit_;
  }
  static TGLVERTEX3F& rec() { return GLBASEVERTEX3F; }

  std::unique_ptr<TGLVERTEX3F> saved_;
  bool saved_remove_ = false, saved_edit_ = false;
};

void expect_vec(const TGLVECTOR& v, float x, float y, float z) {
  EXPECT_EQ(v.X, x);
  EXPECT_EQ(v.Y, y);
  EXPECT_EQ(v.Z, z);
}

TEST_F(VertexSubmission, SwitchesOffPassStraightThrough) {
  rec().GLVERT3FSETNUM = 42;
  GLBEGIN(GL_QUAD_STRIP);
  GLVERTEX3F(1.5f, -2.25f, 3.0f);
  GLEND();
  const auto& c = gl_record::calls();
  ASSERT_EQ(c.size(), 3u);
  EXPECT_EQ(c[0].name, "glBegin");
  EXPECT_EQ(c[0].args, Args{GL_QUAD_STRIP});
  EXPECT_EQ(c[1].name, "glVertex3f");
  EXPECT_EQ(c[1].args, (Args{1.5, -2.25, 3.0}));
  EXPECT_EQ(c[2].name, "glEnd");
  EXPECT_EQ(rec().GLVERT3FMAX, 42);
  EXPECT_EQ(rec().GLVERT3FCOUNT, 0);
  expect_vec(rec().GLVERT3FOFFSET[1], 0, 0, 0);
}

TEST_F(VertexSubmission, RemoveSuppressesWrappersButNotTextureCoordinates) {
  GLVERT3FREMOVE = true;
  rec().GLVERT3FSETNUM = 7;
  GLBEGIN(GL_QUADS);
  LINEFREE(0, 1, 2, 3, 1, 1, 1, 2, 2, 2, true);
  GLVERTEX3F(1, 2, 3);
  GLEND();
  const auto& c = gl_record::calls();
  ASSERT_EQ(c.size(), 2u);
  EXPECT_EQ(c[0].name, "glTexCoord2f");
  EXPECT_EQ(c[0].args, (Args{0, 1}));
  EXPECT_EQ(c[1].name, "glTexCoord2f");
  EXPECT_EQ(c[1].args, (Args{2, 3}));
  EXPECT_EQ(rec().GLVERT3FMAX, 7);  // armed whatever the switches
}

TEST_F(VertexSubmission, LineFreeOrderWithAndWithoutTexture) {
  LINEFREE(0.25f, 0.5f, 0.75f, 1.0f, 1, 2, 3, 4, 5, 6, true);
  LINEFREE(0.25f, 0.5f, 0.75f, 1.0f, 7, 8, 9, 10, 11, 12, false);
  std::vector<std::string> names;
  for (const auto& call : gl_record::calls()) names.push_back(gl_record::describe(call));
  EXPECT_EQ(names, (std::vector<std::string>{
                       "glTexCoord2f(0.25, 0.5)", "glVertex3f(1, 2, 3)",
                       "glTexCoord2f(0.75, 1)", "glVertex3f(4, 5, 6)",
                       "glVertex3f(7, 8, 9)", "glVertex3f(10, 11, 12)"}));
}

TEST_F(VertexSubmission, EditSlotsAdvanceToTheSetSizeThenStay) {
  GLVERT3FENABLEEDIT = true;
  rec().GLVERT3FSETNUM = 3;
  GLBEGIN(GL_POINTS);
  const int expected_slot[5] = {1, 2, 3, 3, 3};
  for (int k = 0; k < 5; ++k) {
    GLVERTEX3F(float(k), float(10 * k), float(-k));
    EXPECT_EQ(rec().GLVERT3FCOUNT, expected_slot[k]);
    const auto& last = gl_record::calls().back();
    EXPECT_EQ(last.name, "glVertex3f");
    EXPECT_EQ(last.args, (Args{double(k), double(10 * k), double(-k)}));  // unchanged
  }
  GLEND();
  expect_vec(rec().GLVERT3FOFFSET[3], 4, 40, -4);
  for (int i = 1; i <= 3; ++i) expect_vec(rec().GLVERT3FTMPSCALE[i], 1, 1, 1);
  expect_vec(rec().GLVERT3FTMPSCALE[4], 0, 0, 0);

  GLBEGIN(GL_POINTS);  // the counter is not reset: everything lands in slot 3
  GLVERTEX3F(9, 9, 9);
  EXPECT_EQ(rec().GLVERT3FCOUNT, 3);
  expect_vec(rec().GLVERT3FOFFSET[3], 9, 9, 9);
}

TEST_F(VertexSubmission, EditAppliesScaleTranslationOffsetAndRotation) {
  GLVERT3FENABLEEDIT = true;
  rec().GLVERT3FSETNUM = 3;
  rec().GLVERT3FTMPSCALE[1] = {2, 2, 2};
  rec().GLVERT3FTMP[1] = {1, 0, 0};
  rec().GLVERT3FTMPPOSROT[1] = {0, 0, 5};
  rec().GLVERT3FTMPROTATE[2] = {0, 0, 90};
  rec().GLVERT3FTMPSCALE[3] = {0, 1, 1};
  rec().GLVERT3FTMP[3] = {4, 0, 0};
  GLBEGIN(GL_POINTS);
  GLVERTEX3F(1, 1, 1);
  GLVERTEX3F(3, 0, 0);
  GLVERTEX3F(6, 7, 8);
  const auto v = gl_record::named("glVertex3f");
  ASSERT_EQ(v.size(), 3u);
  EXPECT_EQ(v[0].args, (Args{3, 2, 7}));
  expect_vec(rec().GLVERT3FOFFSET[1], 1, 1, 1);
  expect_vec(rec().GLVERT3F[1], 3, 2, 7);
  EXPECT_NEAR(v[1].args[0], 0, 1e-6);  // +X turned towards +Y
  EXPECT_NEAR(v[1].args[1], 3, 1e-6);
  EXPECT_EQ(v[1].args[2], 0);
  EXPECT_EQ(v[2].args, (Args{4, 7, 8}));  // a partly zero scale is kept
  expect_vec(rec().GLVERT3FTMPSCALE[3], 0, 1, 1);
}

// Slot numbers outside the record: the vertex passes through unedited and
// nothing is written, and a set size above the record is held at its size.
TEST_F(VertexSubmission, EditOutsideTheRecordPassesThrough) {
  GLVERT3FENABLEEDIT = true;
  GLBEGIN(GL_POINTS);  // set size 0: the counter stays at 0
  GLVERTEX3F(1, 2, 3);
  EXPECT_EQ(rec().GLVERT3FCOUNT, 0);
  EXPECT_EQ(gl_record::calls().back().args, (Args{1, 2, 3}));
  expect_vec(rec().GLVERT3FOFFSET[0], 0, 0, 0);

  rec().GLVERT3FSETNUM = 20000;
  rec().GLVERT3FCOUNT = GLVERT3F_SLOTS - 1;
  GLBEGIN(GL_POINTS);
  for (int k = 0; k < 3; ++k) GLVERTEX3F(5, 6, float(k));
  EXPECT_EQ(rec().GLVERT3FCOUNT, GLVERT3F_SLOTS);
  expect_vec(rec().GLVERT3FOFFSET[GLVERT3F_SLOTS], 5, 6, 2);

  rec().GLVERT3FCOUNT = -4;  // set by an application: nothing to address
  GLVERTEX3F(7, 7, 7);
  EXPECT_EQ(gl_record::calls().back().args, (Args{7, 7, 7}));
}

TEST_F(VertexSubmission, EditRecordsEvenWhenSuppressed) {
  GLVERT3FENABLEEDIT = true;
  GLVERT3FREMOVE = true;
  rec().GLVERT3FSETNUM = 2;
  GLBEGIN(GL_POINTS);
  GLVERTEX3F(1, 2, 3);
  GLEND();
  EXPECT_TRUE(gl_record::calls().empty());
  expect_vec(rec().GLVERT3FOFFSET[1], 1, 2, 3);
  expect_vec(rec().GLVERT3F[1], 1, 2, 3);
}

}  // namespace
