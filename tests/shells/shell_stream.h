// Reads the recorded OpenGL calls of a shell generator back as strips of
// vertices, and checks the render state the calls leave behind.
#pragma once

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/gl_double/gl_record.h"

namespace shell_stream {

struct Vertex {
  float s, t;
  bool normal_by_address;  // glNormal3fv rather than glNormal3f
  float nx, ny, nz;
  float x, y, z;
};

using Strip = std::vector<Vertex>;

// The strips of the recorded stream, in order. Inside a strip every vertex must
// be exactly glTexCoord2f, a normal call, glVertex3fv; anything else fails.
inline std::vector<Strip> strips() {
  std::vector<Strip> out;
  const auto& calls = gl_record::calls();
  bool open = false;
  for (size_t i = 0; i < calls.size(); ++i) {
    const auto& c = calls[i];
    if (c.name == "glBegin") {
      EXPECT_FALSE(open) << "nested glBegin at call " << i;
      EXPECT_EQ(c.args, std::vector<double>{GL_QUAD_STRIP});
      out.emplace_back();
      open = true;
    } else if (c.name == "glEnd") {
      EXPECT_TRUE(open) << "glEnd without glBegin at call " << i;
      open = false;
    } else if (open) {
      if (i + 2 >= calls.size() || c.name != "glTexCoord2f" ||
          (calls[i + 1].name != "glNormal3fv" && calls[i + 1].name != "glNormal3f") ||
          calls[i + 2].name != "glVertex3fv") {
        ADD_FAILURE() << "unexpected call inside a strip: " << gl_record::describe(c);
        return out;
      }
      const auto& n = calls[i + 1];
      const auto& v = calls[i + 2].args;
      out.back().push_back(Vertex{float(c.args[0]), float(c.args[1]), n.name == "glNormal3fv",
                                  float(n.args[0]), float(n.args[1]), float(n.args[2]),
                                  float(v[0]), float(v[1]), float(v[2])});
      i += 2;
    }
  }
  EXPECT_FALSE(open) << "stream ends inside a strip";
  return out;
}

// Walks the recorded calls tracking the matrix depth, two-sided lighting and
// face culling: strips must be drawn with two-sided lighting on and culling
// off, and the stream must end with the matrix stack as it began, two-sided
// lighting off and culling on.
inline void expect_render_state_restored() {
  int depth = 0;
  int two_side = 0;   // OpenGL's default
  bool culling = true;  // as the program's start-up leaves it
  for (const auto& c : gl_record::calls()) {
    if (c.name == "glPushMatrix") ++depth;
    if (c.name == "glPopMatrix") {
      --depth;
      ASSERT_GE(depth, 0) << "matrix popped below the caller's level";
    }
    if (c.name == "glLightModeli" && c.args[0] == GL_LIGHT_MODEL_TWO_SIDE)
      two_side = int(c.args[1]);
    if ((c.name == "glEnable" || c.name == "glDisable") && c.args[0] == GL_CULL_FACE)
      culling = c.name == "glEnable";
    if (c.name == "glBegin") {
      EXPECT_EQ(two_side, 1) << "strip drawn without two-sided lighting";
      EXPECT_FALSE(culling) << "strip drawn with culling on";
      EXPECT_EQ(depth, 1) << "strip drawn outside the generator's own matrix";
    }
  }
  EXPECT_EQ(depth, 0);
  EXPECT_EQ(two_side, 0);
  EXPECT_TRUE(culling);
}

}  // namespace shell_stream
