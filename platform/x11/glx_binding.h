// Pixel formats and rendering contexts over GLX. Private to platform/x11/.
#pragma once

#include "platform/x11/xlib.h"

#include <vector>

#include "platform/window_backend.h"

// The window-capable RGBA and colour-index framebuffer configurations of the
// screen, in the server's order; format i + 1 is entry i. Empty without GLX.
const std::vector<PixelFormatCandidate>& glx_pixel_formats();
// The visual of a format (free with XFree), null for a bad index.
XVisualInfo* glx_visual(int format);
void* glx_create_context(int format);
void glx_delete_context(void* context);
// A zero window and null context release the current context.
bool glx_make_current(Window window, void* context);
bool glx_swap_buffers(Window window);
