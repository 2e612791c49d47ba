#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "shells/modulated_spiral_shell.h"
#include "shells/spiral_shell.h"
#include "shells/two_part_spiral_shell.h"
#include "tests/gl_double/gl_record.h"
#include "tests/shells/shell_stream.h"

namespace {

using shell_stream::Strip;
using shell_stream::Vertex;

const double kPi = M_PI;
const double kFourPlaces = 6e-5;

// The shared worked example: SIZE 1, ANG 2, VERSE 1, ADGIUST 0.3, RADIUS 1,
// RADIUSTUBE 0.5, SCALETUBE 1, MINHEIGHT 1, H 0.5, NUMCIRCLE 2, TSIZE 1.
void example_shell(float VERSE, float HEIGHTTUBE, int NUMLINE) {
  SPIRALSHELL(1, 2, VERSE, 0.3f, 1, 0.5f, 1, 1, 0.5f, HEIGHTTUBE, 2, NUMLINE, 1);
}

std::vector<Strip> record(const std::function<void()>& draw) {
  gl_record::clear();
  draw();
  return shell_stream::strips();
}

struct Expected {
  double s, t, nx, ny, nz, x, y, z;
};

void expect_vertex(const Vertex& v, const Expected& e, double tol = kFourPlaces) {
  EXPECT_NEAR(v.s, e.s, tol);
  EXPECT_NEAR(v.t, e.t, tol);
  EXPECT_NEAR(v.nx, e.nx, tol);
  EXPECT_NEAR(v.ny, e.ny, tol);
  EXPECT_NEAR(v.nz, e.nz, tol);
  EXPECT_NEAR(v.x, e.x, tol);
  EXPECT_NEAR(v.y, e.y, tol);
  EXPECT_NEAR(v.z, e.z, tol);
}

void expect_same_place(const Vertex& a, const Vertex& b, double tol) {
  EXPECT_NEAR(a.x, b.x, tol);
  EXPECT_NEAR(a.y, b.y, tol);
  EXPECT_NEAR(a.z, b.z, tol);
  EXPECT_NEAR(a.nx, b.nx, tol);
  EXPECT_NEAR(a.ny, b.ny, tol);
  EXPECT_NEAR(a.nz, b.nz, tol);
}

TEST(SpiralShell, WorkedExample) {
  const auto strips = record([] { example_shell(1, 0, 4); });
  ASSERT_EQ(strips.size(), 4u);
  for (const Strip& s : strips) ASSERT_EQ(s.size(), 4u);

  const Strip& first = strips[0];
  expect_vertex(first[0], {0, 0, 0.5, 0, 0, 1.5, 0.1, 0});
  expect_vertex(first[1], {0.7854, 0, 0, 0.5, 0, 1, 0.6, 0});
  expect_vertex(first[2], {0, 0.25, 0.2161, 0, 0.3366, 0.4295, 0.725, 0.669});
  expect_vertex(first[3], {0.7854, 0.25, 0, 0.4, 0, 0.2674, 1.025, 0.4165});
  for (const Vertex& v : first) EXPECT_TRUE(v.normal_by_address);

  // The last strip's far line is DELTA = 2 pi: back on line 0, with s = pi.
  const Strip& last = strips[3];
  for (int ring = 0; ring < 2; ++ring) {
    SCOPED_TRACE(ring);
    EXPECT_NEAR(last[2 * ring + 1].s, 3.1416, kFourPlaces);
    expect_same_place(last[2 * ring + 1], first[2 * ring], 1e-6);
  }
}

TEST(SpiralShell, WorkedExampleTurnedBackAndStretched) {
  const auto strips = record([] { example_shell(-1, 0.5f, 4); });
  ASSERT_EQ(strips.size(), 4u);
  const Strip& first = strips[0];
  ASSERT_EQ(first.size(), 4u);
  // s is divided by HEIGHTTUBE 0.5; normals are -SHIFT, given by components.
  expect_vertex(first[0], {0, 0, -0.5, 0, 0, 1.5, 0.1, 0});
  expect_vertex(first[1], {1.5708, 0, 0, -0.5, 0, 1, 0.85, 0});
  expect_vertex(first[2], {0, 0.25, -0.2161, 0, 0.3366, 0.4295, 0.725, -0.669});
  expect_vertex(first[3], {1.5708, 0.25, 0, -0.4, 0, 0.2674, 1.225, -0.4165});
  for (const Vertex& v : first) EXPECT_FALSE(v.normal_by_address);
}

TEST(SpiralShell, BottomOfFirstRingRestsOnTheGround) {
  // The lift RADIUSTUBE/5 equals the first ring's vertical semi-axis.
  const auto strips = record([] { SPIRALSHELL(6, 21, 1, 0, 0.25f, 1, 0.2f, 1, 0.5f, 0, 80, 20, 0.5f); });
  ASSERT_EQ(strips.size(), 20u);
  // Line 15 of 20 is DELTA = 3 pi / 2: the near edge of strip 15.
  EXPECT_NEAR(strips[15][0].y, 0.0, 1e-7);
}

TEST(ModulatedShell, WorkedExampleWithSquareSection) {
  const auto strips = record([] {
    SPIRALSHELL2(1, 2, 1, 0.3f, 1, 0.5f, 1, 1, 0.5f, 0, 2, 8, 1, 1, 4, 1, 1);
  });
  ASSERT_EQ(strips.size(), 8u);
  const Strip& s = strips[1];
  ASSERT_EQ(s.size(), 4u);
  expect_vertex(s[0], {0.3927, 0, 0.25, 0.25, 0, 1.25, 0.35, 0});
  expect_vertex(s[1], {0.7854, 0, 0, 0.5, 0, 1, 0.6, 0});
  expect_vertex(s[2], {0.3927, 0.25, 0.1081, 0.2, 0.1683, 0.3485, 0.875, 0.5427});
  expect_vertex(s[3], {0.7854, 0.25, 0, 0.4, 0, 0.2674, 1.025, 0.4165});
}

TEST(ModulatedShell, VanishingSectionPutsVerticesOnTheRingCentre) {
  // The curve point is (0, 0) at DELTA = pi/4 (line 1 of 8) for this set.
  const auto strips = record([] {
    SPIRALSHELL2(1, 2, -1, 0.3f, 1, 0.5f, 1, 1, 0.5f, 0, 2, 8, 0.1f, 200, 4, 200, 1);
  });
  ASSERT_EQ(strips.size(), 8u);
  const Strip& s = strips[1];
  ASSERT_EQ(s.size(), 4u);
  // Ring centres raised by RATIO * H, turning backwards (VERSE -1).
  expect_vertex(s[0], {0.3927, 0, 0, 0, 0, 1, 0.1, 0});
  expect_vertex(s[2], {0.3927, 0.25, 0, 0, 0, 0.2674, 0.725, -0.4165});
}

// The modulated shell with a circular section is the plain shell, up to rounding.
TEST(ModulatedShell, CircularSectionMatchesPlainShell) {
  const auto plain = record([] { SPIRALSHELL(6, 30, -1, 0.1f, 0.16f, 1, 0.2f, 1, 0.4f, 0.25f, 16, 12, 0.4f); });
  const float sections[][4] = {{2, 2, 4, 2}, {2, 1, 0, 10}};
  for (const auto& c : sections) {
    SCOPED_TRACE(c[2]);
    const auto modulated = record([&] {
      SPIRALSHELL2(6, 30, -1, 0.1f, 0.16f, 1, 0.2f, 1, 0.4f, 0.25f, 16, 12, c[0], c[1], c[2],
                   c[3], 0.4f);
    });
    ASSERT_EQ(modulated.size(), plain.size());
    for (size_t n = 0; n < plain.size(); ++n) {
      ASSERT_EQ(modulated[n].size(), plain[n].size());
      for (size_t i = 0; i < plain[n].size(); ++i) {
        expect_same_place(modulated[n][i], plain[n][i], 1e-5);
        EXPECT_EQ(modulated[n][i].s, plain[n][i].s);
        EXPECT_EQ(modulated[n][i].t, plain[n][i].t);
      }
    }
  }
}

TEST(TwoPartShell, WorkedExampleAndHowTheHalvesMeet) {
  const auto strips = record([] {
    SPIRALSHELL3(1, 2, 1, 0.3f, 1, 0.5f, 1, 1, 0.5f, 0.5f, 0, 2, 2, 2, 1);
  });
  ASSERT_EQ(strips.size(), 4u);  // upper strips first, then lower
  for (const Strip& s : strips) ASSERT_EQ(s.size(), 4u);
  expect_vertex(strips[0][0], {0, 0, 0.5, 0, 0, 1.5, 0.1, 0});
  expect_vertex(strips[0][1], {0.7854, 0, 0, 0.5, 0, 1, 0.6, 0});
  expect_vertex(strips[2][0], {6.2832, 0, -0.5, 0, 0, 0.5, 0.1, 0});
  expect_vertex(strips[2][1], {9.4248, 0, 0, -0.5, 0, 1, -0.65, 0});

  // Upper half ends at pi where the lower half starts; the lower half ends at
  // 2 pi on the upper half's first line. Positions and normals agree, s not.
  EXPECT_NEAR(strips[1][1].s, 1.5708, kFourPlaces);
  for (int ring = 0; ring < 2; ++ring) {
    SCOPED_TRACE(ring);
    expect_same_place(strips[1][2 * ring + 1], strips[2][2 * ring], 1e-6);
    expect_same_place(strips[3][2 * ring + 1], strips[0][2 * ring], 1e-6);
  }
  EXPECT_NEAR(strips[1][1].x, 0.5, 1e-6);
  EXPECT_NEAR(strips[3][1].x, 1.5, 1e-6);
}

// Two equal unstretched halves of k lines make the plain shell of 2k lines.
TEST(TwoPartShell, EqualHalvesMatchPlainShell) {
  const auto plain = record([] { SPIRALSHELL(5, 30, 1, 0, 0.14f, 1, 0.2f, 0.25f, 0.15f, 0, 20, 12, 0.25f); });
  const auto halves = record([] { SPIRALSHELL3(5, 30, 1, 0, 0.14f, 1, 0.2f, 0.25f, 0.15f, 0, 0, 20, 6, 6, 0.25f); });
  ASSERT_EQ(halves.size(), plain.size());
  for (size_t n = 0; n < plain.size(); ++n) {
    ASSERT_EQ(halves[n].size(), plain[n].size());
    for (size_t i = 0; i < plain[n].size(); ++i) {
      SCOPED_TRACE(testing::Message() << "strip " << n << " vertex " << i);
      expect_same_place(halves[n][i], plain[n][i], 1e-5);
      EXPECT_NEAR(halves[n][i].s, plain[n][i].s, 1e-6);
      EXPECT_EQ(halves[n][i].t, plain[n][i].t);
    }
  }
}

// Texture coordinate s of every vertex against DELTA, for each rule.
TEST(ShellTexture, SRuleFollowsTheStretch) {
  struct Case {
    const char* what;
    std::function<void()> draw;
    int first_strip, lines;  // the strips checked and their line count
    double delta_offset;     // DELTA of line k: offset + span * k / lines
    double span;
    double s_per_delta;      // s = s_per_delta * DELTA
  };
  const float TSIZE = 0.8f;
  const Case cases[] = {
      {"plain, HEIGHTTUBE 0", [=] { SPIRALSHELL(1, 2, 1, 0, 1, 0.5f, 1, 1, 0, 0, 3, 8, TSIZE); },
       0, 8, 0, 2 * kPi, TSIZE / 2.0},
      {"plain, HEIGHTTUBE -0.5", [=] { SPIRALSHELL(1, 2, 1, 0, 1, 0.5f, 1, 1, 0, -0.5f, 3, 8, TSIZE); },
       0, 8, 0, 2 * kPi, TSIZE / 2.0},
      {"plain, HEIGHTTUBE 0.25", [=] { SPIRALSHELL(1, 2, 1, 0, 1, 0.5f, 1, 1, 0, 0.25f, 3, 8, TSIZE); },
       0, 8, 0, 2 * kPi, TSIZE / 2.0 / 0.25},
      {"modulated, HEIGHTTUBE 0.25",
       [=] { SPIRALSHELL2(1, 2, 1, 0, 1, 0.5f, 1, 1, 0, 0.25f, 3, 8, 2, 1, 20, 10, TSIZE); },
       0, 8, 0, 2 * kPi, TSIZE / 2.0 / 0.25},
      {"upper half, HEIGHTTUBESUP 0",
       [=] { SPIRALSHELL3(1, 2, 1, 0, 1, 0.5f, 1, 1, 0, 0.5f, 0, 3, 2, 4, TSIZE); },
       0, 4, 0, kPi, TSIZE / 2.0},
      {"lower half, HEIGHTTUBEINF 0.5 (doubled)",
       [=] { SPIRALSHELL3(1, 2, 1, 0, 1, 0.5f, 1, 1, 0, 0.5f, 0, 3, 2, 4, TSIZE); },
       4, 2, kPi, kPi, TSIZE / 0.5},
      {"upper half, HEIGHTTUBESUP 0.25 (doubled)",
       [=] { SPIRALSHELL3(1, 2, 1, 0, 1, 0.5f, 1, 1, 0, 0, 0.25f, 3, 2, 4, TSIZE); },
       0, 4, 0, kPi, TSIZE / 0.25},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const auto strips = record(c.draw);
    ASSERT_GE(int(strips.size()), c.first_strip + c.lines);
    for (int n = 0; n < c.lines; ++n) {
      const Strip& strip = strips[c.first_strip + n];
      ASSERT_EQ(strip.size(), 6u);
      for (size_t i = 0; i < strip.size(); ++i) {
        const int k = n + int(i % 2);
        const double delta = c.delta_offset + c.span * k / c.lines;
        EXPECT_NEAR(strip[i].s, c.s_per_delta * delta, 2e-6 * (1 + c.s_per_delta * delta));
        EXPECT_EQ(strip[i].t, static_cast<float>(TSIZE * double(i / 2) / 4));
      }
    }
  }
}

// VERSE exactly 1 gives SHIFT by address; anything else -SHIFT by components.
// With ANG 0 the spiral does not turn, so SHIFT is the same for every VERSE.
TEST(ShellNormals, SignFollowsVerseExactlyOne) {
  const auto reference = record([] { SPIRALSHELL(1, 0, 1, 0.3f, 1, 0.5f, 1, 1, 0.5f, 0, 3, 4, 1); });
  const float verses[] = {-1, 0.5f, 2, 0.99999994f};
  for (float verse : verses) {
    SCOPED_TRACE(verse);
    const auto strips = record([=] { SPIRALSHELL(1, 0, verse, 0.3f, 1, 0.5f, 1, 1, 0.5f, 0, 3, 4, 1); });
    ASSERT_EQ(strips.size(), reference.size());
    for (size_t n = 0; n < strips.size(); ++n) {
      ASSERT_EQ(strips[n].size(), reference[n].size());
      for (size_t i = 0; i < strips[n].size(); ++i) {
        const Vertex &v = strips[n][i], &r = reference[n][i];
        EXPECT_TRUE(r.normal_by_address);
        EXPECT_FALSE(v.normal_by_address);
        EXPECT_EQ(v.nx, -r.nx);
        EXPECT_EQ(v.ny, -r.ny);
        EXPECT_EQ(v.nz, -r.nz);
        EXPECT_EQ(v.x, r.x);
        EXPECT_EQ(v.y, r.y);
        EXPECT_EQ(v.z, r.z);
      }
    }
  }
}

// The render-state bracket around each tube, and what the counts leave of it.
TEST(ShellBracket, CallsAroundStripsForEveryCount) {
  using Calls = std::vector<std::string>;
  const Calls open = {"glLightModeli(2898, 1)", "glDisable(2884)", "glPushMatrix()",
                      "glScalef(2.5, 2.5, 2.5)"};
  const Calls close = {"glPopMatrix()", "glEnable(2884)", "glLightModeli(2898, 0)"};
  const auto join = [](std::initializer_list<Calls> parts) {
    Calls all;
    for (const Calls& p : parts) all.insert(all.end(), p.begin(), p.end());
    return all;
  };
  const Calls empty_strip = {"glBegin(8)", "glEnd()"};
  struct Case {
    const char* what;
    std::function<void()> draw;
    Calls expected;
  };
  const Case cases[] = {
      {"NUMLINE 0", [] { SPIRALSHELL(2.5f, 2, 1, 0, 1, 0.5f, 1, 1, 0, 0, 5, 0, 1); },
       join({open, close})},
      {"NUMLINE -3", [] { SPIRALSHELL(2.5f, 2, 1, 0, 1, 0.5f, 1, 1, 0, 0, 5, -3, 1); },
       join({open, close})},
      {"NUMCIRCLE 0", [] { SPIRALSHELL(2.5f, 2, 1, 0, 1, 0.5f, 1, 1, 0, 0, 0, 3, 1); },
       join({open, empty_strip, empty_strip, empty_strip, close})},
      {"modulated NUMCIRCLE -1",
       [] { SPIRALSHELL2(2.5f, 2, 1, 0, 1, 0.5f, 1, 1, 0, 0, -1, 2, 2, 1, 20, 10, 1); },
       join({open, empty_strip, empty_strip, close})},
      {"modulated NUMLINE 0",
       [] { SPIRALSHELL2(2.5f, 2, 1, 0, 1, 0.5f, 1, 1, 0, 0, 5, 0, 2, 1, 20, 10, 1); },
       join({open, close})},
      {"two-part, no lines",
       [] { SPIRALSHELL3(2.5f, 2, 1, 0, 1, 0.5f, 1, 1, 0, 0.5f, 0, 5, 0, 0, 1); },
       join({open, close, open, close})},
      {"two-part NUMCIRCLE 0",
       [] { SPIRALSHELL3(2.5f, 2, 1, 0, 1, 0.5f, 1, 1, 0, 0.5f, 0, 0, 1, 2, 1); },
       join({open, empty_strip, empty_strip, close, open, empty_strip, close})},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    gl_record::clear();
    c.draw();
    Calls got;
    for (const auto& call : gl_record::calls()) got.push_back(gl_record::describe(call));
    EXPECT_EQ(got, c.expected);
  }
}

TEST(ShellBracket, SingleRingStripsHoldTwoVerticesOnRingZero) {
  const auto strips = record([] { SPIRALSHELL(1, 2, 1, 0.3f, 1, 0.5f, 1, 1, 0.5f, 0, 1, 4, 1); });
  ASSERT_EQ(strips.size(), 4u);
  for (const Strip& s : strips) {
    ASSERT_EQ(s.size(), 2u);
    for (const Vertex& v : s) EXPECT_EQ(v.t, 0.0f);
  }
  // Ring 0 of the worked example: centre (1, 0.1, 0), tube radius 0.5.
  EXPECT_NEAR(strips[0][0].x, 1.5, 1e-6);
  EXPECT_NEAR(strips[2][0].x, 0.5, 1e-6);
}

TEST(ShellBracket, UpperHalfLeftOutStillBracketsBoth) {
  gl_record::clear();
  SPIRALSHELL3(1, 2, 1, 0.3f, 1, 0.5f, 1, 1, 0.5f, 0.5f, 0, 2, 2, 0, 1);
  const auto strips = shell_stream::strips();
  ASSERT_EQ(strips.size(), 2u);
  EXPECT_EQ(gl_record::count("glPushMatrix"), 2u);
  EXPECT_EQ(gl_record::count("glLightModeli"), 4u);
  // Only lower-half lines: DELTA from pi to 2 pi, all at or below the spine.
  expect_vertex(strips[0][0], {6.2832, 0, -0.5, 0, 0, 0.5, 0.1, 0});
  for (const Strip& s : strips)
    for (size_t i = 0; i < s.size(); i += 2) EXPECT_LE(s[i].ny, 1e-6);
  shell_stream::expect_render_state_restored();
}

}  // namespace
