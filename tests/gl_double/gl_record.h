// The recording OpenGL double: unit tests link it instead of libGL/libGLU and
// read back every call a routine made, with its arguments, in order.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace gl_record {

struct Call {
  std::string name;
  std::vector<double> args;   // every numeric argument, floats kept exactly
  std::vector<uint8_t> data;  // pixel data handed to an upload call
};

const std::vector<Call>& calls();
void clear();

// Calls with the given name, in order.
std::vector<Call> named(const std::string& name);
// Number of calls with the given name.
size_t count(const std::string& name);
// "glBegin(8)"-style text of one call, for readable failure messages.
std::string describe(const Call& call);

// The texture names glGenTextures hands out next start here and count up.
void set_next_texture_name(unsigned int name);

}  // namespace gl_record
