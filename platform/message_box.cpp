// MessageBoxA: a modal dialog from the backend, or, when no box can be shown,
// caption and text on standard error and the answer 0.

#include "platform/message_box.h"

#include <cstdio>

#include "platform/text_encoding.h"
#include "platform/window_backend.h"
#include "platform/window_record.h"

int MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type) {
  const std::string body = text ? text : "";
  const std::string title = caption ? caption : "Error";
  const int answer = window_backend().message_box(window_from_handle(owner), body, title, type);
  if (answer >= 0) return answer;
  std::fprintf(stderr, "%s: %s\n", cp1252_to_utf8(title).c_str(), cp1252_to_utf8(body).c_str());
  std::fflush(stderr);
  return 0;
}
