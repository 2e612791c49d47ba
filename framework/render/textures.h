// BMP files as OpenGL 2D textures in numbered slots 0..500.
#pragma once

enum { TEXTURE_SLOTS = 501 };

// Slot table: entry n holds the texture name of slot n (0: none loaded).
extern unsigned int TEXTUREID2[TEXTURE_SLOTS];
// Minification and magnification filters of every texture loaded afterwards.
extern int GL_MIN_FILTER;
extern int GL_MAG_FILTER;

// The colour depth (bits per pixel) in the headers of a BMP file; 0 for a
// missing, unreadable or truncated file, a file that is not a BMP, or one
// with the old 12-byte core header.
int GETBMPDEPTH(const char* BMPFILE);
// Loads a BMP file into slot NUM: the slot gets a new texture name; 24- and
// 32-bit images are uploaded (with mipmaps for a mipmap filter), other depths
// and files that do not load leave the texture without an image. Slot
// numbers outside 0..500 are ignored.
void TEXTURELOADID(const char* BMPFILE, int NUM);
// Swaps the first and third byte of each of SIZE consecutive 3-byte groups.
void SWAPRGB(void* DATA, int SIZE);
// Builds the mipmap chain of the bound texture from 24-bit (RGB) or 32-bit
// (BGRA) pixels; other depths do nothing.
void ADDMIPMAPSTEXTURE(int FORMAT, int WIDTH, int HEIGHT, const void* BITS);
// Binds slot NUM's texture; slot numbers outside 0..500 are ignored.
void TEXTURESELECTID(int NUM);
void TEXTUREON();
void TEXTUREOFF();
