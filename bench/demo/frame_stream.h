// A recorded frame: the OpenGL calls of one OPENGL_DRAW, written by the
// recorder (which runs the scene against the recording double) and read back
// by the frame benchmark, which replays it through a real context.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct RecordedCall {
  std::string name;
  std::vector<double> args;
};

struct RecordedFrame {
  // Texture names of slots 0..7 when the frame was recorded.
  std::vector<uint32_t> slot_names;
  std::vector<RecordedCall> calls;
};

bool write_frame(const std::string& path, const RecordedFrame& frame);
// Empty frame (no calls) when the file is missing or malformed.
RecordedFrame read_frame(const std::string& path);
