// A test fixture running the platform on the headless backend, with a window
// class whose procedure logs every message and can be given a behaviour.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "platform/headless_backend.h"
#include "platform/window.h"
#include "platform/window_record.h"

struct Logged {
  HWND window;
  UINT message;
  WPARAM wparam;
  LPARAM lparam;
};

inline std::vector<Logged>& message_log() {
  static std::vector<Logged> log;
  return log;
}

// What the logging procedure does after logging; DefWindowProcA when unset.
inline std::function<LRESULT(HWND, UINT, WPARAM, LPARAM)>& procedure_behaviour() {
  static std::function<LRESULT(HWND, UINT, WPARAM, LPARAM)> behaviour;
  return behaviour;
}

inline LRESULT logging_procedure(HWND w, UINT m, WPARAM wp, LPARAM lp) {
  message_log().push_back(Logged{w, m, wp, lp});
  if (procedure_behaviour()) return procedure_behaviour()(w, m, wp, lp);
  return DefWindowProcA(w, m, wp, lp);
}

class HeadlessPlatform : public ::testing::Test {
 protected:
  static constexpr const char* kClass = "HeadlessTestWindow";

  void SetUp() override {
    previous_ = set_window_backend(&backend);
    WNDCLASSEXA existing;
    if (!GetClassInfoExA(nullptr, kClass, &existing)) {
      WNDCLASSA wc{};
      wc.lpfnWndProc = logging_procedure;
      wc.lpszClassName = kClass;
      ASSERT_NE(RegisterClassA(&wc), 0);
    }
    drain();
    message_log().clear();
    procedure_behaviour() = nullptr;
  }

  void TearDown() override {
    procedure_behaviour() = nullptr;
    ReleaseCapture();
    const std::vector<PlatformWindow*> windows = all_windows();
    for (PlatformWindow* w : windows)
      if (IsWindow(w) && w->parent == nullptr) DestroyWindow(w);
    drain();
    set_window_backend(previous_);
    message_log().clear();
  }

  static void drain() {
    MSG m;
    while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) {
    }
  }

  HWND make(DWORD style = WS_POPUP | WS_VISIBLE, HWND parent = nullptr, int id = 0,
            int width = 200, int height = 100, const char* title = "t") {
    return CreateWindowExA(0, kClass, title, style, 0, 0, width, height, parent,
                           reinterpret_cast<HMENU>(static_cast<uintptr_t>(id)), nullptr, nullptr);
  }

  // The messages logged, in order, filtered to `wanted` (empty: all).
  static std::vector<UINT> logged(const std::vector<UINT>& wanted = {}) {
    std::vector<UINT> out;
    for (const Logged& l : message_log())
      if (wanted.empty() ||
          std::find(wanted.begin(), wanted.end(), l.message) != wanted.end())
        out.push_back(l.message);
    return out;
  }

  HeadlessBackend backend;
  WindowBackend* previous_ = nullptr;
};
