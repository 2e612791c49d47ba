// Modal message boxes as X dialog windows.

#include "platform/x11/x11_connection.h"

int x11_message_box(PlatformWindow*, const std::string&, const std::string&, UINT) {
  // The dialog window comes next; until then the caller reports on stderr.
  return -1;
}
