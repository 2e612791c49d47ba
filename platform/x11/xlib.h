// The X11 and GLX headers, with Xlib's `Cursor` and `Region` typedefs renamed
// X11Cursor and X11Region so they do not clash with the platform's own
// records of those names. Every file in platform/x11/ includes X headers
// through this one.
#pragma once

#define Cursor X11Cursor
#define Region X11Region
#include <X11/XKBlib.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/cursorfont.h>
#include <X11/keysym.h>
#include <GL/glx.h>
#undef Cursor
#undef Region
