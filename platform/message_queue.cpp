// The thread's message queue. Order of retrieval: posted and input messages
// first-in first-out; then a paint request for a window with an invalid
// area; then a due timer; the quit request last. Peeking never blocks.

#include <algorithm>
#include <deque>

#include "platform/window.h"
#include "platform/window_backend.h"
#include "platform/window_record.h"

namespace {

struct Entry {
  MSG msg;
  bool input;  // from the event source (key, mouse, close), not posted
};

struct Timer {
  HWND window;
  uintptr_t id;
  UINT period;
  DWORD due;
};

struct KeyCharacter {
  HWND window;
  LPARAM lparam;
  char character;
};

struct Queue {
  std::deque<Entry> entries;
  bool quit = false;
  int quit_code = 0;
  std::vector<Timer> timers;
  uintptr_t next_thread_timer = 0x7FFF0000;
  std::deque<KeyCharacter> characters;
};

Queue& queue() {
  static auto* q = new Queue();
  return *q;
}

bool in_range(UINT message, UINT first, UINT last) {
  if (first == 0 && last == 0) return true;
  return message >= first && message <= last;
}

// A message for `target` passes the window filter when the filter is null or
// names the window or one of its ancestors.
bool passes_window_filter(HWND target, HWND filter) {
  if (filter == nullptr) return true;
  if (target == nullptr) return false;
  for (PlatformWindow* w = window_from_handle(target); w; w = w->parent)
    if (w == filter) return true;
  return false;
}

bool all_visible(const PlatformWindow* w) {
  for (; w; w = w->parent)
    if (!w->visible) return false;
  return true;
}

bool due(DWORD now, DWORD when) { return static_cast<int32_t>(now - when) >= 0; }

MSG make_msg(HWND window, UINT message, WPARAM wparam, LPARAM lparam, POINT pt) {
  MSG m{};
  m.hwnd = window;
  m.message = message;
  m.wParam = wparam;
  m.lParam = lparam;
  m.time = GetTickCount();
  m.pt = pt;
  return m;
}

// A message stamped with the cursor position now.
MSG make_msg(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  POINT pt{0, 0};
  window_backend().cursor_pos(&pt);
  return make_msg(window, message, wparam, lparam, pt);
}

bool take(MSG* out, HWND filter, UINT first, UINT last, bool remove) {
  Queue& q = queue();
  for (auto it = q.entries.begin(); it != q.entries.end(); ++it) {
    if (!in_range(it->msg.message, first, last)) continue;
    if (!passes_window_filter(it->msg.hwnd, filter)) continue;
    *out = it->msg;
    if (remove) q.entries.erase(it);
    return true;
  }
  for (PlatformWindow* w : all_windows()) {
    if (!w->invalid || !all_visible(w)) continue;
    if (!in_range(WM_PAINT, first, last) || !passes_window_filter(w, filter)) continue;
    *out = make_msg(w, WM_PAINT, 0, 0);
    return true;  // the paint request stays until the window is validated
  }
  const DWORD now = GetTickCount();
  for (Timer& t : q.timers) {
    if (!due(now, t.due)) continue;
    if (!in_range(WM_TIMER, first, last) || !passes_window_filter(t.window, filter)) continue;
    if (t.window == nullptr && filter != nullptr) continue;
    *out = make_msg(t.window, WM_TIMER, t.id, 0);
    if (remove) t.due = now + t.period;
    return true;
  }
  if (q.quit && filter == nullptr && in_range(WM_QUIT, first, last)) {
    *out = make_msg(nullptr, WM_QUIT, static_cast<WPARAM>(q.quit_code), 0);
    if (remove) q.quit = false;
    return true;
  }
  return false;
}

// Milliseconds until the next timer is due; -1 without timers.
int time_to_next_timer() {
  const DWORD now = GetTickCount();
  int best = -1;
  for (const Timer& t : queue().timers) {
    const int32_t left = static_cast<int32_t>(t.due - now);
    const int wait = left < 0 ? 0 : left;
    if (best < 0 || wait < best) best = wait;
  }
  return best;
}

}  // namespace

// ---- the event source's side ----------------------------------------------------

void queue_input_message(HWND window, UINT message, WPARAM wparam, LPARAM lparam, POINT pt) {
  if (window_from_handle(window) == nullptr) return;
  Queue& q = queue();
  const MSG m = make_msg(window, message, wparam, lparam, pt);
  if (message == WM_MOUSEMOVE) {
    // The latest waiting input message decides: a move of the same window
    // is brought up to date in place, anything else keeps the order.
    for (auto it = q.entries.rbegin(); it != q.entries.rend(); ++it) {
      if (!it->input) continue;
      if (it->msg.message == WM_MOUSEMOVE && it->msg.hwnd == window) {
        it->msg = m;
        return;
      }
      break;
    }
  }
  q.entries.push_back(Entry{m, true});
}

void remember_key_character(HWND window, LPARAM key_lparam, char cp1252_character) {
  auto& chars = queue().characters;
  chars.push_back(KeyCharacter{window, key_lparam, cp1252_character});
  while (chars.size() > 64) chars.pop_front();
}

void forget_window_messages(PlatformWindow* w) {
  Queue& q = queue();
  q.entries.erase(std::remove_if(q.entries.begin(), q.entries.end(),
                                 [w](const Entry& e) { return e.msg.hwnd == w; }),
                  q.entries.end());
  q.timers.erase(std::remove_if(q.timers.begin(), q.timers.end(),
                                [w](const Timer& t) { return t.window == w; }),
                 q.timers.end());
  q.characters.erase(std::remove_if(q.characters.begin(), q.characters.end(),
                                    [w](const KeyCharacter& k) { return k.window == w; }),
                     q.characters.end());
}

// ---- the calls ------------------------------------------------------------------

BOOL PeekMessageA(MSG* msg, HWND window, UINT first, UINT last, UINT remove) {
  if (msg == nullptr) return FALSE;
  window_backend().pump_events();
  return take(msg, window, first, last, (remove & PM_REMOVE) != 0) ? TRUE : FALSE;
}

BOOL GetMessageA(MSG* msg, HWND window, UINT first, UINT last) {
  if (msg == nullptr) return FALSE;
  for (;;) {
    window_backend().pump_events();
    if (take(msg, window, first, last, true)) return msg->message == WM_QUIT ? FALSE : TRUE;
    window_backend().wait_events(time_to_next_timer());
  }
}

BOOL TranslateMessage(const MSG* msg) {
  if (msg == nullptr || msg->message != WM_KEYDOWN) return FALSE;
  auto& chars = queue().characters;
  for (auto it = chars.begin(); it != chars.end(); ++it) {
    if (it->window != msg->hwnd || it->lparam != msg->lParam) continue;
    const char c = it->character;
    chars.erase(it);
    if (c == '\0') return FALSE;
    // The character comes next, ahead of anything queued after its key.
    MSG m = *msg;
    m.message = WM_CHAR;
    m.wParam = static_cast<unsigned char>(c);
    queue().entries.push_front(Entry{m, true});
    return TRUE;
  }
  return FALSE;
}

LRESULT DispatchMessageA(const MSG* msg) {
  if (msg == nullptr || msg->hwnd == nullptr) return 0;
  return SendMessageA(msg->hwnd, msg->message, msg->wParam, msg->lParam);
}

BOOL PostMessageA(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (window != nullptr && window_from_handle(window) == nullptr) return FALSE;
  queue().entries.push_back(Entry{make_msg(window, message, wparam, lparam), false});
  return TRUE;
}

void PostQuitMessage(int exit_code) {
  queue().quit = true;
  queue().quit_code = exit_code;
}

uintptr_t SetTimer(HWND window, uintptr_t id, UINT milliseconds, void*) {
  if (window != nullptr && window_from_handle(window) == nullptr) return 0;
  Queue& q = queue();
  if (window == nullptr) id = q.next_thread_timer++;
  const UINT period = std::max<UINT>(milliseconds, 10);
  const DWORD due_at = GetTickCount() + period;
  for (Timer& t : q.timers) {
    if (t.window == window && t.id == id) {
      t.period = period;
      t.due = due_at;
      return window ? 1 : id;
    }
  }
  q.timers.push_back(Timer{window, id, period, due_at});
  return window ? 1 : id;
}

BOOL KillTimer(HWND window, uintptr_t id) {
  Queue& q = queue();
  auto it = std::find_if(q.timers.begin(), q.timers.end(),
                         [&](const Timer& t) { return t.window == window && t.id == id; });
  if (it == q.timers.end()) return FALSE;
  q.timers.erase(it);
  return TRUE;
}
