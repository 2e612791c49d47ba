// Choosing the available pixel format closest to a request.
// Display-independent; the backend supplies the list.
#pragma once

#include <vector>

#include "platform/gl_binding.h"
#include "platform/window_backend.h"

// The 1-based index of the best candidate, 0 when none can serve.
//
// A candidate must match the request's pixel type and offer drawing to a
// window and OpenGL when those are asked for. Among those, in order of
// importance: double buffering as requested; a depth buffer when one is
// requested; not flagged slow; a visual of the screen's own depth; the
// smallest shortfall in colour bits; every other requested buffer present
// (alpha, stencil, accumulation); then the smallest shortfall in alpha,
// depth, stencil and accumulation bits; stereo as requested; auxiliary
// buffers; and the least waste. Overlay and underlay planes are not offered,
// so the layer type is not compared.
int choose_pixel_format(const std::vector<PixelFormatCandidate>& candidates,
                        const PIXELFORMATDESCRIPTOR& request);
