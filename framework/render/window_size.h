// The framework's window size in pixels: written by the window code when the
// window is created, read by the projection set-up and the input code.
#pragma once

extern int WIDTH;
extern int HEIGHT;
