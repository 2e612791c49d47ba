// The close request a window manager sends when the user closes a window
// (a WM_DELETE_WINDOW client message through the X server), made available
// where no window manager runs, e.g. under a bare virtual X server.
#pragma once

#include "platform/types.h"

// Sends the request to a top-level window; false when it has no X window.
bool send_close_request(HWND window);

// Sends the request to any top-level window of the display named by DISPLAY,
// given its X window id (for tools that close another program's window).
bool send_close_request_to_window_id(unsigned long window_id);
