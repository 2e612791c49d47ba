// Preloaded into the program to count the frames it presents: every buffer
// swap is counted and passed on. Writes "<milliseconds> <swaps>" lines to the
// file named by SWAP_COUNTER_LOG, one per second, so a script can take the
// frame rate over any stretch of the run.
#include <dlfcn.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace {

using SwapFunction = void (*)(void*, unsigned long);

SwapFunction next_swap() {
  static SwapFunction next = reinterpret_cast<SwapFunction>(dlsym(RTLD_NEXT, "glXSwapBuffers"));
  return next;
}

long long now_ms() {
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

}  // namespace

extern "C" void glXSwapBuffers(void* display, unsigned long drawable) {
  static long long swaps = 0;
  static long long last_report = 0;
  static FILE* log = [] {
    const char* path = std::getenv("SWAP_COUNTER_LOG");
    return path ? std::fopen(path, "w") : nullptr;
  }();
  if (SwapFunction next = next_swap()) next(display, drawable);
  ++swaps;
  const long long t = now_ms();
  if (log && t - last_report >= 1000) {
    std::fprintf(log, "%lld %lld\n", t, swaps);
    std::fflush(log);
    last_report = t;
  }
}
