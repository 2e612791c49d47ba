// The framework's one top-level window and its OpenGL rendering context:
// settings, the creation sequence, the fatal-error report and the tear-down.
#pragma once

#include <cstdint>

#include "framework/render/window_size.h"
#include "platform/gl_binding.h"
#include "platform/types.h"
#include "platform/window.h"

// Cursor kinds: what WINDOWREGISTER puts into the class's cursor field.
enum : int {
  ARROW = 1,
  IBEAM = 2,
  WAIT = 3,
  CROSS = 4,
  UPARROW = 5,
  SIZE = 6,
  FILECURSOR = 7,  // loaded from CURSORFILE
  SIZENWSE = 8,
  SIZENESW = 9,
  SIZEWE = 10,
  SIZENS = 11,
  SIZEALL = 12,
  NOCURSOR = 13,  // the visible slashed-circle pointer; the cursor is not hidden
  HAND = 14,
  APPSTARTING = 15,
  HELP = 16,
};

// Icon kinds.
enum : int {
  GENERIC = 1,   // the application icon
  FILEICON = 2,  // loaded from ICONFILE
};

// Settings and state (WIDTH and HEIGHT live in framework/render/window_size.h).
extern int SETTYPECURSOR;
extern const char* CURSORFILE;
extern int SETTYPEICON;
extern const char* ICONFILE;
extern const char* SETTITLENAME;  // the pointer is kept, the text is not copied
extern int BITS;                  // requested colour depth, fills byte-wide fields
extern bool FULLSCREEN;
extern HWND HWINDOW;
extern HDC DCWINDOW;
extern HGLRC RCWINDOW;
extern int PIXEL_FORMAT_FLAGS;  // OR-ed into the fixed pixel-format flags
extern bool SHOWMENUBAR;
extern void (*CREATEMENUBAR)();
extern bool SHOWSTATUSBAR;
extern HWND HSTATUS;
extern HWND AWND;

enum { FILENAME_CHARS = 261, MAX_STATUS_ITEMS = 20 };
extern char FILENAME[FILENAME_CHARS];
// Right edges of the status-bar parts, entries 1..20 (entry 0 unused).
extern int STATUSITEM[MAX_STATUS_ITEMS + 1];
extern int MAXSTATUSITEM;
extern int EDGES[MAX_STATUS_ITEMS + 1];

extern DWORD START;
extern bool FOGONOFF;
extern unsigned int OBJNULL;
extern const char* VRLVERSION;

// Control identifier of the status bar.
enum : UINT { STATUS_BAR_ID = 30482 };

// Records the cursor and icon choice and resets some framework state; call
// once, before CREATEOGLWINDOW.
void OGLWINDOWSETTING(int TYPECURSOR, const char* CURFILE, int TYPEICON, const char* ICOFILE);

// Builds the window and a current rendering context. On any failure it shows
// the reason and ends the process with status 1, so it only returns true.
bool CREATEOGLWINDOW(const char* APPNAME, int APPWIDTH, int APPHEIGHT, int APPBITS,
                     bool APPFULLSCREEN);

// Releases the context, the device context and the window.
void DELETEOGLWINDOW();

// Shows the message in a box captioned "Error", then ends the process with
// status 1.
[[noreturn]] void THROWERROR(const char* PCERRORMESSAGE);

// The steps of the creation sequence.
bool WINDOWREGISTER();
HWND WINDOWCREATE(const char* PCAPPLICATIONNAME);
bool WINDOWINIT(HWND HPARENT);
HWND CREATESTATUSBAR(HWND PARENT);

// The pixel-format request WINDOWINIT hands to the platform, built from BITS
// and PIXEL_FORMAT_FLAGS.
PIXELFORMATDESCRIPTOR pixel_format_request();
