// Driving the framework's real window from a test: pumping its messages and
// acting as the user through the X server with xdotool.
#pragma once

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <thread>

#include <sys/wait.h>

#include "framework/window/window_procedure.h"

namespace x11_driving {

// Runs a shell command; true when it exits with status 0.
inline bool run(const std::string& command) {
  const int status = std::system(command.c_str());
  return status != -1 && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// Standard output of a shell command, without the trailing newline.
inline std::string output_of(const std::string& command) {
  std::string text;
  if (FILE* pipe = popen(command.c_str(), "r")) {
    char buffer[256];
    while (std::fgets(buffer, sizeof buffer, pipe)) text += buffer;
    pclose(pipe);
  }
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
  return text;
}

// Pumps the framework's messages one per call, as the frame loop does, until
// `done` holds or the time runs out; answers whether `done` held.
inline bool pump_until(const std::function<bool()>& done, int timeout_ms = 5000) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeout_ms);
  while (!done()) {
    if (std::chrono::steady_clock::now() > end) return false;
    MSG waiting;
    if (PeekMessageA(&waiting, nullptr, 0, 0, PM_NOREMOVE))
      SETGLMSG();
    else
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  return true;
}

// Pumps for `ms` milliseconds; answers how many messages were handled.
inline int pump_for(int ms) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
  int handled = 0;
  while (std::chrono::steady_clock::now() < end) {
    MSG waiting;
    if (PeekMessageA(&waiting, nullptr, 0, 0, PM_NOREMOVE)) {
      SETGLMSG();
      ++handled;
    } else {
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
  }
  return handled;
}

// Pumps until no message has arrived for `quiet_ms`.
inline void pump_until_quiet(int quiet_ms = 300) {
  auto quiet_since = std::chrono::steady_clock::now();
  while (std::chrono::steady_clock::now() - quiet_since < std::chrono::milliseconds(quiet_ms)) {
    MSG waiting;
    if (PeekMessageA(&waiting, nullptr, 0, 0, PM_NOREMOVE)) {
      SETGLMSG();
      quiet_since = std::chrono::steady_clock::now();
    } else {
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
  }
}

}  // namespace x11_driving
