// The OpenGL window binding: pixel formats, rendering contexts, buffer swap.
// Implemented over GLX in platform/x11/.
#pragma once

#include "platform/types.h"

enum : DWORD {
  PFD_DOUBLEBUFFER = 0x1,
  PFD_STEREO = 0x2,
  PFD_DRAW_TO_WINDOW = 0x4,
  PFD_SUPPORT_OPENGL = 0x20,
  PFD_GENERIC_FORMAT = 0x40,
  PFD_GENERIC_ACCELERATED = 0x1000,
};
enum : BYTE { PFD_TYPE_RGBA = 0, PFD_TYPE_COLORINDEX = 1 };
enum : BYTE { PFD_MAIN_PLANE = 0, PFD_OVERLAY_PLANE = 1 };

// 40 bytes, fields in this order.
struct PIXELFORMATDESCRIPTOR {
  WORD nSize;
  WORD nVersion;
  DWORD dwFlags;
  BYTE iPixelType;
  BYTE cColorBits;
  BYTE cRedBits, cRedShift, cGreenBits, cGreenShift, cBlueBits, cBlueShift;
  BYTE cAlphaBits, cAlphaShift;
  BYTE cAccumBits, cAccumRedBits, cAccumGreenBits, cAccumBlueBits, cAccumAlphaBits;
  BYTE cDepthBits;
  BYTE cStencilBits;
  BYTE cAuxBuffers;
  BYTE iLayerType;
  BYTE bReserved;
  DWORD dwLayerMask, dwVisibleMask, dwDamageMask;
};
static_assert(sizeof(PIXELFORMATDESCRIPTOR) == 40, "pixel-format record is 40 bytes");

// The index (1-based) of the available format closest to the request, 0 when
// none can draw to a window with OpenGL.
int ChoosePixelFormat(HDC dc, const PIXELFORMATDESCRIPTOR* request);
BOOL SetPixelFormat(HDC dc, int format, const PIXELFORMATDESCRIPTOR* request);
// Describes format `format`; returns the number of formats.
int DescribePixelFormat(HDC dc, int format, UINT size, PIXELFORMATDESCRIPTOR* out);
HGLRC wglCreateContext(HDC dc);
// A null context releases the current one.
BOOL wglMakeCurrent(HDC dc, HGLRC context);
BOOL wglDeleteContext(HGLRC context);
BOOL SwapBuffers(HDC dc);
