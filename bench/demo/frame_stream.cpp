#include "bench/demo/frame_stream.h"

#include <fstream>

// Layout: slot count, slot names, call count, then per call the name's
// length and bytes, the argument count and the arguments as doubles.
namespace {

template <typename T>
void put(std::ofstream& out, const T& v) {
  out.write(reinterpret_cast<const char*>(&v), sizeof v);
}
template <typename T>
bool get(std::ifstream& in, T& v) {
  return static_cast<bool>(in.read(reinterpret_cast<char*>(&v), sizeof v));
}

}  // namespace

bool write_frame(const std::string& path, const RecordedFrame& frame) {
  std::ofstream out(path, std::ios::binary);
  put(out, uint32_t(frame.slot_names.size()));
  for (uint32_t n : frame.slot_names) put(out, n);
  put(out, uint64_t(frame.calls.size()));
  for (const RecordedCall& c : frame.calls) {
    put(out, uint32_t(c.name.size()));
    out.write(c.name.data(), std::streamsize(c.name.size()));
    put(out, uint32_t(c.args.size()));
    for (double a : c.args) put(out, a);
  }
  return static_cast<bool>(out);
}

RecordedFrame read_frame(const std::string& path) {
  RecordedFrame frame;
  std::ifstream in(path, std::ios::binary);
  uint32_t slots = 0;
  if (!get(in, slots) || slots > 1024) return {};
  frame.slot_names.resize(slots);
  for (uint32_t& n : frame.slot_names)
    if (!get(in, n)) return {};
  uint64_t count = 0;
  if (!get(in, count) || count > (1u << 26)) return {};
  frame.calls.resize(count);
  for (RecordedCall& c : frame.calls) {
    uint32_t length = 0, args = 0;
    if (!get(in, length) || length > 64) return {};
    c.name.resize(length);
    if (!in.read(&c.name[0], length) || !get(in, args) || args > 32) return {};
    c.args.resize(args);
    for (double& a : c.args)
      if (!get(in, a)) return {};
  }
  return frame;
}
