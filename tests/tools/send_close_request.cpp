// Test tool: asks another program's window to close the way a window manager
// does. Usage: send_close_request <window id>
#include <cstdio>
#include <cstdlib>

#include "platform/x11/close_request.h"

int main(int argc, char** argv) {
  char* end = nullptr;
  const unsigned long id = argc == 2 ? std::strtoul(argv[1], &end, 0) : 0;
  if (argc != 2 || end == argv[1] || *end != '\0' || id == 0) {
    std::fprintf(stderr, "usage: send_close_request <window id>\n");
    return 2;
  }
  if (!send_close_request_to_window_id(id)) {
    std::fprintf(stderr, "send_close_request: no display, or the request was not sent\n");
    return 1;
  }
  return 0;
}
