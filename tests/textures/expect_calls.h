// Compares the calls the recording GL double saw with an expected list.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/gl_double/gl_record.h"

struct ExpectedCall {
  std::string name;
  std::vector<double> args;
};

inline std::string describe_all(const std::vector<gl_record::Call>& calls) {
  std::string text;
  for (const auto& c : calls) text += "  " + gl_record::describe(c) + "\n";
  return text;
}

// Every recorded call, in order, with exactly these arguments.
inline void expect_calls(const std::vector<ExpectedCall>& expected,
                         const std::vector<gl_record::Call>& calls = gl_record::calls()) {
  ASSERT_EQ(calls.size(), expected.size()) << describe_all(calls);
  for (size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(calls[i].name, expected[i].name) << "call " << i << "\n" << describe_all(calls);
    EXPECT_EQ(calls[i].args, expected[i].args)
        << "call " << i << ": " << gl_record::describe(calls[i]);
  }
}
