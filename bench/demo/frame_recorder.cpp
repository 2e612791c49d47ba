// Records the OpenGL calls of one gallery frame, as the program makes them
// after start-up, into a file for the frame benchmark.
// Usage: frame_recorder <textures folder> <output file>
#include <unistd.h>

#include <cstdio>

#include "bench/demo/frame_stream.h"
#include "demo/gallery_scene.h"
#include "demo/gallery_start.h"
#include "framework/render/textures.h"
#include "framework/render/window_size.h"
#include "tests/gl_double/gl_record.h"

int main(int argc, char** argv) {
  if (argc != 3 || chdir(argv[1]) != 0) {
    std::fprintf(stderr, "usage: frame_recorder <textures folder> <output file>\n");
    return 2;
  }
  WIDTH = 800;
  HEIGHT = 600;
  OPENGL_CREATELIST();

  gl_record::clear();
  OPENGL_DRAW();
  RecordedFrame frame;
  for (int slot = 0; slot < 8; ++slot) frame.slot_names.push_back(TEXTUREID2[slot]);
  for (const gl_record::Call& c : gl_record::calls()) frame.calls.push_back({c.name, c.args});
  if (!write_frame(argv[2], frame)) {
    std::fprintf(stderr, "frame_recorder: cannot write %s\n", argv[2]);
    return 1;
  }
  std::printf("%zu calls recorded\n", frame.calls.size());
  return 0;
}
