#include "platform/x11/close_request.h"

#include "platform/window_record.h"
#include "platform/x11/x11_connection.h"

bool send_close_request(HWND window) {
  X11Connection* c = x11();
  PlatformWindow* w = window_from_handle(window);
  if (c == nullptr || w == nullptr || w->native == 0) return false;
  XEvent event{};
  event.xclient.type = ClientMessage;
  event.xclient.window = w->native;
  event.xclient.message_type = c->wm_protocols;
  event.xclient.format = 32;
  event.xclient.data.l[0] = static_cast<long>(c->wm_delete_window);
  event.xclient.data.l[1] = CurrentTime;
  const Status sent = XSendEvent(c->display, w->native, False, NoEventMask, &event);
  XFlush(c->display);
  return sent != 0;
}
