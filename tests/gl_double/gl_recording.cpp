#include <GL/gl.h>
#include <GL/glu.h>

#include <cstdio>
#include <initializer_list>

#include "tests/gl_double/gl_entries.h"
#include "tests/gl_double/gl_record.h"

namespace gl_record {
namespace {

std::vector<Call>& log() {
  static std::vector<Call> calls;
  return calls;
}

unsigned int next_texture = 1;
unsigned int next_list = 1;

Call& add(const char* name, std::initializer_list<double> args) {
  log().push_back(Call{name, std::vector<double>(args), {}});
  return log().back();
}

// Bytes in one uploaded image, rows padded to the default unpack alignment (4).
size_t image_bytes(GLsizei width, GLsizei height, GLenum format) {
  size_t components = 4;
  switch (format) {
    case GL_RGB: case GL_BGR: components = 3; break;
    case GL_LUMINANCE: case GL_ALPHA: case GL_RED: components = 1; break;
    case GL_LUMINANCE_ALPHA: components = 2; break;
    default: components = 4; break;
  }
  if (width <= 0 || height <= 0) return 0;
  const size_t row = (size_t(width) * components + 3) / 4 * 4;
  return row * size_t(height);
}

void attach_pixels(Call& call, GLsizei width, GLsizei height, GLenum format, const void* data) {
  if (!data) return;
  const auto* bytes = static_cast<const uint8_t*>(data);
  call.data.assign(bytes, bytes + image_bytes(width, height, format));
}

// Records a call whose arguments are all plain numbers.
template <typename... A>
Call& record(const char* name, A... args) {
  return add(name, {static_cast<double>(args)...});
}

}  // namespace

const std::vector<Call>& calls() { return log(); }

void clear() {
  log().clear();
  next_texture = 1;
  next_list = 1;
}

std::vector<Call> named(const std::string& name) {
  std::vector<Call> out;
  for (const Call& c : log())
    if (c.name == name) out.push_back(c);
  return out;
}

size_t count(const std::string& name) {
  size_t n = 0;
  for (const Call& c : log()) n += c.name == name;
  return n;
}

std::string describe(const Call& call) {
  std::string text = call.name + "(";
  char buf[64];
  for (size_t i = 0; i < call.args.size(); ++i) {
    std::snprintf(buf, sizeof buf, "%s%.9g", i ? ", " : "", call.args[i]);
    text += buf;
  }
  return text + ")";
}

void set_next_texture_name(unsigned int name) { next_texture = name; }

}  // namespace gl_record

using gl_record::add;
using gl_record::record;

#define GL_RECORD_ENTRY(ret, name, params, ...) \
  extern "C" ret name params { record(#name, ##__VA_ARGS__); }
GL_DOUBLE_ENTRIES(GL_RECORD_ENTRY)

extern "C" void glGenTextures(GLsizei n, GLuint* textures) {
  add("glGenTextures", {double(n)});
  for (GLsizei i = 0; i < n; ++i) textures[i] = gl_record::next_texture++;
}

extern "C" void glDeleteTextures(GLsizei n, const GLuint* textures) {
  gl_record::Call& c = add("glDeleteTextures", {double(n)});
  for (GLsizei i = 0; i < n; ++i) c.args.push_back(textures[i]);
}

extern "C" GLuint glGenLists(GLsizei range) {
  add("glGenLists", {double(range)});
  const GLuint first = gl_record::next_list;
  gl_record::next_list += range > 0 ? GLuint(range) : 0;
  return range > 0 ? first : 0;
}

extern "C" void glLightfv(GLenum light, GLenum pname, const GLfloat* p) {
  gl_record::Call& c = add("glLightfv", {double(light), double(pname)});
  const int n = pname == GL_SPOT_DIRECTION ? 3
                : (pname == GL_AMBIENT || pname == GL_DIFFUSE || pname == GL_SPECULAR ||
                   pname == GL_POSITION)
                    ? 4
                    : 1;
  for (int i = 0; i < n; ++i) c.args.push_back(p[i]);
}

extern "C" void glMaterialfv(GLenum face, GLenum pname, const GLfloat* p) {
  gl_record::Call& c = add("glMaterialfv", {double(face), double(pname)});
  const int n = pname == GL_SHININESS ? 1 : pname == GL_COLOR_INDEXES ? 3 : 4;
  for (int i = 0; i < n; ++i) c.args.push_back(p[i]);
}

extern "C" void glTexImage2D(GLenum target, GLint level, GLint internal, GLsizei width,
                             GLsizei height, GLint border, GLenum format, GLenum type,
                             const GLvoid* pixels) {
  gl_record::Call& c = add("glTexImage2D", {double(target), double(level), double(internal),
                                            double(width), double(height), double(border),
                                            double(format), double(type)});
  gl_record::attach_pixels(c, width, height, format, pixels);
}

extern "C" GLint gluBuild2DMipmaps(GLenum target, GLint internal, GLsizei width,
                                   GLsizei height, GLenum format, GLenum type,
                                   const void* data) {
  gl_record::Call& c = add("gluBuild2DMipmaps", {double(target), double(internal),
                                                 double(width), double(height),
                                                 double(format), double(type)});
  gl_record::attach_pixels(c, width, height, format, data);
  return 0;
}
