// Tick count, module handle and start-up show command.

#include <time.h>

#include "platform/tick_source.h"
#include "platform/window.h"

struct ModuleInstance {
  int unused = 0;
};

namespace {

DWORD (*tick_source)() = nullptr;

DWORD monotonic_milliseconds() {
  timespec ts{};
  clock_gettime(CLOCK_MONOTONIC, &ts);
  const uint64_t ms = static_cast<uint64_t>(ts.tv_sec) * 1000u +
                      static_cast<uint64_t>(ts.tv_nsec) / 1000000u;
  return static_cast<DWORD>(ms);  // wraps at 2^32 like the original counter
}

}  // namespace

void set_tick_count_source(DWORD (*source)()) { tick_source = source; }

DWORD GetTickCount() { return tick_source ? tick_source() : monotonic_milliseconds(); }

HINSTANCE GetModuleHandleA(LPCSTR name) {
  static ModuleInstance program;
  // Only the program itself is a module here.
  return name == nullptr ? &program : nullptr;
}

int GetStartupShowCommand() { return SW_SHOWNORMAL; }
