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

bool send_close_request_to_window_id(unsigned long window_id) {
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) return false;
  XEvent event{};
  event.xclient.type = ClientMessage;
  event.xclient.window = window_id;
  event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
  event.xclient.format = 32;
  event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
  event.xclient.data.l[1] = CurrentTime;
  const Status sent = XSendEvent(display, window_id, False, NoEventMask, &event);
  XSync(display, False);
  XCloseDisplay(display);
  return sent != 0;
}
