// The program's start-up after the full-screen question: window, projection,
// render state, light and textures. Shared by the program and the tools that
// draw the gallery as the program does.
#pragma once

// The eight textures, in loading order, with the slot each one fills.
struct GalleryTexture {
  const char* file;
  int slot;
};
inline constexpr GalleryTexture GALLERY_TEXTURES[8] = {
    {"GuscioInt00.bmp", 0}, {"guscio03.bmp", 1}, {"guscio02.bmp", 2}, {"guscio01.bmp", 3},
    {"guscio00.bmp", 4},    {"guscio04.bmp", 5}, {"guscio05.bmp", 6}, {"guscio06.bmp", 7},
};

// The one-time resource step: loads the eight textures from the working
// directory, slot by slot.
void OPENGL_CREATELIST();

// Opens the window (800 by 600, or the whole screen), sets the projection,
// face culling and shading, light 0, and loads the textures.
void start_gallery(bool full_screen);
