#include "platform/x11/glx_binding.h"

#include "platform/x11/xlib.h"

#include "platform/x11/x11_connection.h"

namespace {

struct Formats {
  bool loaded = false;
  std::vector<GLXFBConfig> configs;
  std::vector<PixelFormatCandidate> candidates;
};

Formats& formats() {
  static Formats f;
  return f;
}

int attribute(Display* d, GLXFBConfig config, int name) {
  int value = 0;
  if (glXGetFBConfigAttrib(d, config, name, &value) != Success) return 0;
  return value;
}

BYTE byte_of(int value) { return static_cast<BYTE>(value < 0 ? 0 : value > 255 ? 255 : value); }

BYTE shift_of(unsigned long mask) {
  if (mask == 0) return 0;
  BYTE shift = 0;
  while (((mask >> shift) & 1u) == 0) ++shift;
  return shift;
}

void load(Formats& f) {
  f.loaded = true;
  X11Connection* c = x11();
  if (c == nullptr) return;
  int error_base, event_base;
  if (!glXQueryExtension(c->display, &error_base, &event_base)) return;
  int count = 0;
  GLXFBConfig* configs = glXGetFBConfigs(c->display, c->screen, &count);
  if (configs == nullptr) return;
  const int default_depth = DefaultDepth(c->display, c->screen);
  for (int i = 0; i < count; ++i) {
    Display* d = c->display;
    const GLXFBConfig config = configs[i];
    // Formats a window can use, on the main plane.
    if (attribute(d, config, GLX_VISUAL_ID) == 0) continue;
    if (!(attribute(d, config, GLX_DRAWABLE_TYPE) & GLX_WINDOW_BIT)) continue;
    if (attribute(d, config, GLX_LEVEL) != 0) continue;
    const int render = attribute(d, config, GLX_RENDER_TYPE);
    if (!(render & (GLX_RGBA_BIT | GLX_COLOR_INDEX_BIT))) continue;
    XVisualInfo* vi = glXGetVisualFromFBConfig(d, config);
    if (vi == nullptr) continue;

    PixelFormatCandidate cand;
    PIXELFORMATDESCRIPTOR& p = cand.pfd;
    p.nSize = sizeof(PIXELFORMATDESCRIPTOR);
    p.nVersion = 1;
    p.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL;
    if (attribute(d, config, GLX_DOUBLEBUFFER)) p.dwFlags |= PFD_DOUBLEBUFFER;
    if (attribute(d, config, GLX_STEREO)) p.dwFlags |= PFD_STEREO;
    p.iPixelType = (render & GLX_RGBA_BIT) ? PFD_TYPE_RGBA : PFD_TYPE_COLORINDEX;
    const int red = attribute(d, config, GLX_RED_SIZE);
    const int green = attribute(d, config, GLX_GREEN_SIZE);
    const int blue = attribute(d, config, GLX_BLUE_SIZE);
    const int alpha = attribute(d, config, GLX_ALPHA_SIZE);
    // The colour bits count the red, green and blue planes, not alpha.
    p.cColorBits = byte_of(p.iPixelType == PFD_TYPE_RGBA ? red + green + blue
                                                         : attribute(d, config, GLX_BUFFER_SIZE));
    p.cRedBits = byte_of(red);
    p.cGreenBits = byte_of(green);
    p.cBlueBits = byte_of(blue);
    p.cAlphaBits = byte_of(alpha);
    p.cRedShift = shift_of(vi->red_mask);
    p.cGreenShift = shift_of(vi->green_mask);
    p.cBlueShift = shift_of(vi->blue_mask);
    p.cAlphaShift = alpha ? byte_of(red + green + blue) : 0;
    const int ar = attribute(d, config, GLX_ACCUM_RED_SIZE);
    const int ag = attribute(d, config, GLX_ACCUM_GREEN_SIZE);
    const int ab = attribute(d, config, GLX_ACCUM_BLUE_SIZE);
    const int aa = attribute(d, config, GLX_ACCUM_ALPHA_SIZE);
    p.cAccumBits = byte_of(ar + ag + ab + aa);
    p.cAccumRedBits = byte_of(ar);
    p.cAccumGreenBits = byte_of(ag);
    p.cAccumBlueBits = byte_of(ab);
    p.cAccumAlphaBits = byte_of(aa);
    p.cDepthBits = byte_of(attribute(d, config, GLX_DEPTH_SIZE));
    p.cStencilBits = byte_of(attribute(d, config, GLX_STENCIL_SIZE));
    p.cAuxBuffers = byte_of(attribute(d, config, GLX_AUX_BUFFERS));
    p.iLayerType = PFD_MAIN_PLANE;
    const int caveat = attribute(d, config, GLX_CONFIG_CAVEAT);
    cand.slow = caveat == GLX_SLOW_CONFIG || caveat == GLX_NON_CONFORMANT_CONFIG;
    cand.native_visual = vi->depth == default_depth;
    XFree(vi);
    f.configs.push_back(config);
    f.candidates.push_back(cand);
  }
  XFree(configs);
}

GLXFBConfig config_of(int format) {
  Formats& f = formats();
  if (!f.loaded) load(f);
  if (format < 1 || format > static_cast<int>(f.configs.size())) return nullptr;
  return f.configs[static_cast<size_t>(format - 1)];
}

}  // namespace

const std::vector<PixelFormatCandidate>& glx_pixel_formats() {
  Formats& f = formats();
  if (!f.loaded) load(f);
  return f.candidates;
}

XVisualInfo* glx_visual(int format) {
  X11Connection* c = x11();
  GLXFBConfig config = config_of(format);
  if (c == nullptr || config == nullptr) return nullptr;
  return glXGetVisualFromFBConfig(c->display, config);
}

void* glx_create_context(int format) {
  X11Connection* c = x11();
  GLXFBConfig config = config_of(format);
  if (c == nullptr || config == nullptr) return nullptr;
  const int type = formats().candidates[static_cast<size_t>(format - 1)].pfd.iPixelType ==
                           PFD_TYPE_RGBA
                       ? GLX_RGBA_TYPE
                       : GLX_COLOR_INDEX_TYPE;
  X11ErrorTrap trap(c->display);
  GLXContext context = glXCreateNewContext(c->display, config, type, nullptr, True);
  if (context == nullptr) context = glXCreateNewContext(c->display, config, type, nullptr, False);
  if (trap.failed() && context) {
    glXDestroyContext(c->display, context);
    return nullptr;
  }
  return context;
}

void glx_delete_context(void* context) {
  X11Connection* c = x11();
  if (c == nullptr || context == nullptr) return;
  glXDestroyContext(c->display, static_cast<GLXContext>(context));
}

bool glx_make_current(Window window, void* context) {
  X11Connection* c = x11();
  if (c == nullptr) return false;
  X11ErrorTrap trap(c->display);
  const Bool ok = context ? glXMakeCurrent(c->display, window, static_cast<GLXContext>(context))
                          : glXMakeCurrent(c->display, None, nullptr);
  return ok && !trap.failed();
}

bool glx_swap_buffers(Window window) {
  X11Connection* c = x11();
  if (c == nullptr || window == 0) return false;
  glXSwapBuffers(c->display, window);
  return true;
}
