// The window procedure of the framework's window and the input state it
// keeps: the running flag, the key table, mouse buttons and the view angles
// and distance; the one-message-per-frame pump.
#pragma once

#include <cstdint>
#include <string>

#include "platform/types.h"
#include "platform/window.h"

enum { SETKEY_LAST = 500 };

extern bool ACTIVE;
// Indexed by virtual-key code; all bits set while the key is down.
extern int32_t SETKEY[SETKEY_LAST + 1];
extern bool MOUSEFREE;
extern bool LEFTMOUSEDOWN, LEFTMOUSEDOWN2;
extern bool RIGHTMOUSEDOWN, RIGHTMOUSEDOWN2;
extern int XCOORD, YCOORD, ZCOORD;
extern int SETMX, SETMY;
extern int SETOMX, SETOMY;
extern float XROT, YROT, XROT2, YROT2;
extern float DEPTH, DEPTH2;
extern POINT MPOS;
extern int MSPEED;
extern bool VIEWFPS;
extern int FPSCOUNT;
extern int FORCEFPS;
extern int ADDFORCEFPS;
extern LRESULT (*GETINPUTCOMMAND)(HWND, UINT, WPARAM, LPARAM);
extern void (*CREATEMOUSEMENU)();
extern MSG MSG_;

// The frame-rate timer and its period in milliseconds.
enum : int { FPS_TIMER = 1, FPS_INTERVAL = 5000 };

// The window procedure of class "GLWindow". (The parameters WPARAM and
// LPARAM are spelled in lower case: the upper-case names are their types.)
LRESULT GLWNDPROC(HWND WINDOW, UINT AMESSAGE, WPARAM wparam, LPARAM lparam);

// Takes and dispatches at most one waiting message; never waits.
void SETGLMSG();

// Pieces of the procedure, usable on their own.

// The free-look turn for a cursor read at `cursor` while the pointer is held
// at `centre` (screen pixels): XROT/XROT2 without limit, YROT/YROT2 within
// -60..60.
void apply_free_look(POINT cursor, POINT centre);

// One frame-rate interval ended: turns FPSCOUNT into the rate (at least 1),
// moves FORCEFPS toward ADDFORCEFPS, and returns the rate. FPSCOUNT keeps the
// rate until the caller resets it.
int frame_rate_step();

// The title that shows a frame rate: SETTITLENAME, " - FPS [", the digits,
// "]".
std::string frame_rate_title(int rate);
