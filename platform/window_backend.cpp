#include "platform/window_backend.h"

namespace {

WindowBackend* installed = nullptr;

}  // namespace

WindowBackend& window_backend() { return installed ? *installed : x11_window_backend(); }

WindowBackend* set_window_backend(WindowBackend* backend) {
  WindowBackend* previous = installed;
  installed = backend;
  return previous;
}
