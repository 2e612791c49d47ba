#include "shells/gallery_shells.h"

#include "shells/modulated_spiral_shell.h"
#include "shells/spiral_shell.h"
#include "shells/two_part_spiral_shell.h"

void draw_shell_shape(const ShellShape& s) {
  switch (s.generator) {
    case ShellGenerator::SPIRALSHELL:
      SPIRALSHELL(s.SIZE, s.ANG, s.VERSE, s.ADGIUST, s.RADIUS, s.RADIUSTUBE, s.SCALETUBE,
                  s.MINHEIGHT, s.H, s.HEIGHTTUBE, s.NUMCIRCLE, s.NUMLINE, s.TSIZE);
      break;
    case ShellGenerator::SPIRALSHELL2:
      SPIRALSHELL2(s.SIZE, s.ANG, s.VERSE, s.ADGIUST, s.RADIUS, s.RADIUSTUBE, s.SCALETUBE,
                   s.MINHEIGHT, s.H, s.HEIGHTTUBE, s.NUMCIRCLE, s.NUMLINE, s.MIN, s.MAX,
                   s.NUMCORNER, s.SMOOTHCORNER, s.TSIZE);
      break;
    case ShellGenerator::SPIRALSHELL3:
      SPIRALSHELL3(s.SIZE, s.ANG, s.VERSE, s.ADGIUST, s.RADIUS, s.RADIUSTUBE, s.SCALETUBE,
                   s.MINHEIGHT, s.H, s.HEIGHTTUBEINF, s.HEIGHTTUBESUP, s.NUMCIRCLE,
                   s.NUMLINEINF, s.NUMLINESUP, s.TSIZE);
      break;
  }
}
