// Runs the framework's window on the platform's headless backend: a real
// platform window record of class "GLWindow" without a display, whose
// pointer, foreground window and message boxes the test controls.
#pragma once

#include <gtest/gtest.h>

#include "framework/window/window_lifecycle.h"
#include "framework/window/window_procedure.h"
#include "platform/headless_backend.h"
#include "tests/window/framework_state.h"

// Registers the framework's class the first time only: a second
// registration is refused by the platform.
inline void ensure_window_class() {
  WNDCLASSEXA existing;
  if (!GetClassInfoExA(nullptr, "GLWindow", &existing)) {
    ASSERT_TRUE(WINDOWREGISTER());
  }
}

inline void drain_messages() {
  MSG m;
  while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) {
  }
}

class HeadlessWindow : public testing::Test {
 protected:
  void SetUp() override {
    previous_ = set_window_backend(&backend_);
    ensure_window_class();
    FULLSCREEN = false;
    WIDTH = 800;
    HEIGHT = 600;
    SETTITLENAME = "Finestra di prova";
    HSTATUS = nullptr;
    ACTIVE = false;
    HWINDOW = WINDOWCREATE(SETTITLENAME);
    ASSERT_NE(HWINDOW, nullptr);
    drain_messages();
  }
  void TearDown() override {
    ReleaseCapture();
    if (IsWindow(HWINDOW)) DestroyWindow(HWINDOW);
    drain_messages();
    set_window_backend(previous_);
  }

  SavedFrameworkState saved_;  // restored after TearDown
  HeadlessBackend backend_;
  WindowBackend* previous_ = nullptr;
};
