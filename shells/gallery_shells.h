// The gallery's nineteen shell-generator calls as one constant table, in
// drawing order: which generator, the texture slot selected before it, the
// matrix block it belongs to and that block's translation, and every argument.
#pragma once

enum class ShellGenerator { SPIRALSHELL, SPIRALSHELL2, SPIRALSHELL3 };

// The arguments of one generator call. Fields a generator does not take are 0.
// SPIRALSHELL and SPIRALSHELL2 read HEIGHTTUBE and NUMLINE; SPIRALSHELL3 reads
// HEIGHTTUBEINF, HEIGHTTUBESUP, NUMLINEINF and NUMLINESUP instead; only
// SPIRALSHELL2 reads MIN, MAX, NUMCORNER and SMOOTHCORNER.
struct ShellShape {
  ShellGenerator generator;
  float SIZE, ANG, VERSE, ADGIUST, RADIUS, RADIUSTUBE, SCALETUBE, MINHEIGHT, H;
  float HEIGHTTUBE, HEIGHTTUBEINF, HEIGHTTUBESUP;
  int NUMCIRCLE, NUMLINE, NUMLINEINF, NUMLINESUP;
  float MIN, MAX, NUMCORNER, SMOOTHCORNER;
  float TSIZE;
};

// Builders taking the arguments in each generator's declared order.
constexpr ShellShape spiral_shell_shape(float SIZE, float ANG, float VERSE, float ADGIUST,
                                        float RADIUS, float RADIUSTUBE, float SCALETUBE,
                                        float MINHEIGHT, float H, float HEIGHTTUBE,
                                        int NUMCIRCLE, int NUMLINE, float TSIZE) {
  return ShellShape{ShellGenerator::SPIRALSHELL, SIZE, ANG, VERSE, ADGIUST, RADIUS, RADIUSTUBE,
                    SCALETUBE, MINHEIGHT, H, HEIGHTTUBE, 0, 0, NUMCIRCLE, NUMLINE, 0, 0,
                    0, 0, 0, 0, TSIZE};
}

constexpr ShellShape modulated_shell_shape(float SIZE, float ANG, float VERSE, float ADGIUST,
                                           float RADIUS, float RADIUSTUBE, float SCALETUBE,
                                           float MINHEIGHT, float H, float HEIGHTTUBE,
                                           int NUMCIRCLE, int NUMLINE, float MIN, float MAX,
                                           float NUMCORNER, float SMOOTHCORNER, float TSIZE) {
  return ShellShape{ShellGenerator::SPIRALSHELL2, SIZE, ANG, VERSE, ADGIUST, RADIUS,
                    RADIUSTUBE, SCALETUBE, MINHEIGHT, H, HEIGHTTUBE, 0, 0, NUMCIRCLE, NUMLINE,
                    0, 0, MIN, MAX, NUMCORNER, SMOOTHCORNER, TSIZE};
}

constexpr ShellShape two_part_shell_shape(float SIZE, float ANG, float VERSE, float ADGIUST,
                                          float RADIUS, float RADIUSTUBE, float SCALETUBE,
                                          float MINHEIGHT, float H, float HEIGHTTUBEINF,
                                          float HEIGHTTUBESUP, int NUMCIRCLE, int NUMLINEINF,
                                          int NUMLINESUP, float TSIZE) {
  return ShellShape{ShellGenerator::SPIRALSHELL3, SIZE, ANG, VERSE, ADGIUST, RADIUS,
                    RADIUSTUBE, SCALETUBE, MINHEIGHT, H, 0, HEIGHTTUBEINF, HEIGHTTUBESUP,
                    NUMCIRCLE, 0, NUMLINEINF, NUMLINESUP, 0, 0, 0, 0, TSIZE};
}

// One draw of the gallery. Draws with the same block number share one matrix
// block: TEXTURESELECTID(slot) of the block's first draw, glPushMatrix,
// glTranslatef(x, y, z), then for each draw of the block TEXTURESELECTID(slot)
// (not repeated for the first) and the generator call, then glPopMatrix.
// Only block 3 holds two draws (3 and 4); their translation is the same.
struct GalleryDraw {
  int draw;
  int block;
  int slot;
  float x, y, z;
  ShellShape shape;
};

enum { GALLERY_DRAW_COUNT = 19 };

// 1/3 and 1/6 stand for the single-precision values nearest those fractions.
inline constexpr GalleryDraw GALLERY_DRAWS[GALLERY_DRAW_COUNT] = {
    // draw, block, slot, translation
    {1, 1, 1, -5, 0, -6,
     spiral_shell_shape(6, 21, 1, 0, 0.25f, 1, 0.2f, 1, 0.5f, 0, 80, 20, 0.5f)},
    {2, 2, 0, -5, 0.02f, -6,
     spiral_shell_shape(6, 21, 1, 0, 0.25f, 0.98f, 0.2f, 1, 0.5f, 0, 80, 20, 0.5f)},
    {3, 3, 2, 0, 1.5f, -6,
     spiral_shell_shape(6, 30, -1, 0, 0.16f, 1, 0.2f, 1, 0.4f, 0.25f, 128, 32, 0.4f)},
    {4, 3, 0, 0, 1.5f, -6,
     spiral_shell_shape(6, 30, -1, 0, 0.16f, 0.98f, 0.2f, 1, 0.4f, 0.25f, 128, 32, 0.4f)},
    {5, 4, 3, 5, 0, -6,
     spiral_shell_shape(6, 35, -1, 0, 0.15f, 1, 0.2f, 1, 0.05f, 0, 64, 20, 1)},
    {6, 5, 0, 5, 0.02f, -6,
     spiral_shell_shape(6, 35, -1, 0, 0.15f, 0.98f, 0.2f, 1, 0.05f, 0, 64, 20, 1)},
    {7, 6, 4, -6, 0.5f, 0,
     spiral_shell_shape(4, 25, 1, 0, 0.26f, 1.25f, 0.3f, 1, 0, 0, 128, 20, 2)},
    {8, 7, 1, -1.5f, 0, 0,
     spiral_shell_shape(12, 90, -1, 0, 0.02f, 0.3f, 0.2f, 1, 0.1f, 0, 180, 64, 1)},
    {9, 8, 0, -1.5f, 0.02f, 0,
     spiral_shell_shape(12, 90, -1, 0, 0.02f, 0.28f, 0.2f, 1, 0.1f, 0, 180, 64, 1)},
    {10, 9, 1, 1.5f, 0.2f, 0,
     modulated_shell_shape(12, 90, -1, 0, 0.02f, 0.3f, 0.2f, 1, 0.1f, 0, 180, 64,
                           2, 1, 20, 10, 1)},
    {11, 10, 0, 1.5f, 0.24f, 0,
     modulated_shell_shape(12, 90, -1, 0, 0.02f, 0.28f, 0.2f, 1, 0.1f, 0, 180, 64,
                           2, 1, 20, 10, 1)},
    {12, 11, 5, 5, 0, 0,
     modulated_shell_shape(6, 30, -1, 0, 0.14f, 1, 0.2f, 0.4f, 0.1f, 0, 180, 64,
                           1, 1, 3, 1, 0.4f)},
    {13, 12, 0, 5, 0.02f, 0,
     modulated_shell_shape(6, 30, -1, 0, 0.14f, 0.98f, 0.2f, 0.4f, 0.1f, 0, 180, 64,
                           1, 1, 3, 1, 0.4f)},
    {14, 13, 6, -7, 1.5f, 6,
     modulated_shell_shape(6, 30, -1, 0, 0.14f, 1, 0.2f, 0.4f, 0.3f, 0.2f, 180, 64,
                           2.5f, 0.5f, 32, 16, 0.5f)},
    {15, 14, 0, -7, 1.52f, 6,
     modulated_shell_shape(6, 30, -1, 0, 0.14f, 0.98f, 0.2f, 0.4f, 0.3f, 0.2f, 180, 64,
                           2.5f, 0.5f, 32, 16, 1.0f / 3.0f)},
    {16, 15, 6, -2, 1.5f, 8,
     spiral_shell_shape(7, 5, -1, 0, 0.15f, 1, 0.2f, 0, 0, 0.07f, 128, 64, 1.0f / 6.0f)},
    {17, 16, 0, -2, 1.52f, 8,
     spiral_shell_shape(7, 5, -1, 0, 0.15f, 0.98f, 0.2f, 0, 0, 0.07f, 128, 64, 0.1f)},
    // SPIRALSHELL3: HEIGHTTUBEINF 0.7, HEIGHTTUBESUP 0, NUMLINEINF 2, NUMLINESUP 12.
    {18, 17, 7, 6, 3.5f, 6,
     two_part_shell_shape(5, 30, -1, 0, 0.14f, 1, 0.2f, 0.25f, 0.15f, 0.7f, 0, 128, 2, 12,
                          0.25f)},
    {19, 18, 0, 6, 3.52f, 6,
     two_part_shell_shape(5, 30, -1, 0, 0.14f, 0.98f, 0.2f, 0.25f, 0.15f, 0.7f, 0, 128, 2, 12,
                          0.5f)},
};

// Calls the shape's generator with its arguments.
void draw_shell_shape(const ShellShape& shape);
