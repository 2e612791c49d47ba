// The do-nothing OpenGL double for benchmarks: every entry point returns at
// once, so a benchmark measures only the caller's own work.
#include <GL/gl.h>
#include <GL/glu.h>

#include "tests/gl_double/gl_entries.h"

namespace {
unsigned int next_name = 1;
}

#define GL_NULL_ENTRY(ret, name, params, ...) \
  extern "C" ret name params {}
GL_DOUBLE_ENTRIES(GL_NULL_ENTRY)

extern "C" void glGenTextures(GLsizei n, GLuint* textures) {
  for (GLsizei i = 0; i < n; ++i) textures[i] = next_name++;
}
extern "C" void glDeleteTextures(GLsizei, const GLuint*) {}
extern "C" GLuint glGenLists(GLsizei range) { return range > 0 ? next_name++ : 0; }
extern "C" void glLightfv(GLenum, GLenum, const GLfloat*) {}
extern "C" void glMaterialfv(GLenum, GLenum, const GLfloat*) {}
extern "C" void glTexImage2D(GLenum, GLint, GLint, GLsizei, GLsizei, GLint, GLenum, GLenum,
                             const GLvoid*) {}
extern "C" GLint gluBuild2DMipmaps(GLenum, GLint, GLsizei, GLsizei, GLenum, GLenum,
                                   const void*) {
  return 0;
}
