// The table of OpenGL 1.1 and GLU entry points the doubles provide.
// GL_ENTRY(return type, name, parameter list, recorded values...)
// Every recorded value is converted to double, which keeps floats and 32-bit
// integers exactly. Entry points that need more than a list of values
// (out-parameters, pixel data) are written out in the double itself.
#pragma once

#define GL_DOUBLE_ENTRIES(GL_ENTRY)                                                        \
  GL_ENTRY(void, glBegin, (GLenum mode), mode)                                             \
  GL_ENTRY(void, glEnd, (void))                                                            \
  GL_ENTRY(void, glVertex3f, (GLfloat x, GLfloat y, GLfloat z), x, y, z)                   \
  GL_ENTRY(void, glVertex3fv, (const GLfloat* v), v[0], v[1], v[2])                        \
  GL_ENTRY(void, glNormal3f, (GLfloat x, GLfloat y, GLfloat z), x, y, z)                   \
  GL_ENTRY(void, glNormal3fv, (const GLfloat* v), v[0], v[1], v[2])                        \
  GL_ENTRY(void, glTexCoord2f, (GLfloat s, GLfloat t), s, t)                               \
  GL_ENTRY(void, glColor3f, (GLfloat r, GLfloat g, GLfloat b), r, g, b)                    \
  GL_ENTRY(void, glColor4f, (GLfloat r, GLfloat g, GLfloat b, GLfloat a), r, g, b, a)      \
  GL_ENTRY(void, glMatrixMode, (GLenum mode), mode)                                        \
  GL_ENTRY(void, glLoadIdentity, (void))                                                   \
  GL_ENTRY(void, glPushMatrix, (void))                                                     \
  GL_ENTRY(void, glPopMatrix, (void))                                                      \
  GL_ENTRY(void, glTranslatef, (GLfloat x, GLfloat y, GLfloat z), x, y, z)                 \
  GL_ENTRY(void, glRotatef, (GLfloat a, GLfloat x, GLfloat y, GLfloat z), a, x, y, z)      \
  GL_ENTRY(void, glScalef, (GLfloat x, GLfloat y, GLfloat z), x, y, z)                     \
  GL_ENTRY(void, glMultMatrixf, (const GLfloat* m), m[0], m[1], m[2], m[3], m[4], m[5],    \
           m[6], m[7], m[8], m[9], m[10], m[11], m[12], m[13], m[14], m[15])               \
  GL_ENTRY(void, glOrtho,                                                                  \
           (GLdouble l, GLdouble r, GLdouble b, GLdouble t, GLdouble n, GLdouble f), l, r, \
           b, t, n, f)                                                                     \
  GL_ENTRY(void, glViewport, (GLint x, GLint y, GLsizei w, GLsizei h), x, y, w, h)         \
  GL_ENTRY(void, glEnable, (GLenum cap), cap)                                              \
  GL_ENTRY(void, glDisable, (GLenum cap), cap)                                             \
  GL_ENTRY(void, glLightModeli, (GLenum pname, GLint param), pname, param)                 \
  GL_ENTRY(void, glLightModelfv, (GLenum pname, const GLfloat* p), pname, p[0], p[1],      \
           p[2], p[3])                                                                     \
  GL_ENTRY(void, glClear, (GLbitfield mask), mask)                                         \
  GL_ENTRY(void, glClearColor, (GLclampf r, GLclampf g, GLclampf b, GLclampf a), r, g, b,  \
           a)                                                                              \
  GL_ENTRY(void, glClearDepth, (GLclampd d), d)                                            \
  GL_ENTRY(void, glHint, (GLenum target, GLenum mode), target, mode)                       \
  GL_ENTRY(void, glBlendFunc, (GLenum s, GLenum d), s, d)                                  \
  GL_ENTRY(void, glDepthFunc, (GLenum f), f)                                               \
  GL_ENTRY(void, glCullFace, (GLenum mode), mode)                                          \
  GL_ENTRY(void, glFrontFace, (GLenum mode), mode)                                         \
  GL_ENTRY(void, glShadeModel, (GLenum mode), mode)                                        \
  GL_ENTRY(void, glPointSize, (GLfloat size), size)                                        \
  GL_ENTRY(void, glBindTexture, (GLenum target, GLuint tex), target, tex)                  \
  GL_ENTRY(void, glTexParameteri, (GLenum target, GLenum pname, GLint param), target,      \
           pname, param)                                                                   \
  GL_ENTRY(void, glTexEnvi, (GLenum target, GLenum pname, GLint param), target, pname,     \
           param)                                                                          \
  GL_ENTRY(void, glPixelStorei, (GLenum pname, GLint param), pname, param)                 \
  GL_ENTRY(void, glNewList, (GLuint list, GLenum mode), list, mode)                        \
  GL_ENTRY(void, glEndList, (void))                                                        \
  GL_ENTRY(void, glCallList, (GLuint list), list)                                          \
  GL_ENTRY(void, glDeleteLists, (GLuint list, GLsizei range), list, range)                 \
  GL_ENTRY(void, glFlush, (void))                                                          \
  GL_ENTRY(void, glFinish, (void))                                                         \
  GL_ENTRY(void, gluPerspective, (GLdouble fovy, GLdouble aspect, GLdouble n, GLdouble f), \
           fovy, aspect, n, f)
