// Closing the framework's window from outside, and creating it twice.
#include <gtest/gtest.h>

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <string>

#include "framework/window/window_lifecycle.h"
#include "framework/window/window_procedure.h"
#include "platform/x11/close_request.h"
#include "tests/window/x11_driving.h"

extern char** environ;

namespace {

using x11_driving::output_of;
using x11_driving::pump_until;
using x11_driving::pump_until_quiet;
using x11_driving::run;

TEST(WindowClosing, WindowManagerCloseRequestClearsRunningFlagAndDestroysWindow) {
  OGLWINDOWSETTING(ARROW, "", GENERIC, "");
  CREATEOGLWINDOW("Finestra da chiudere", 640, 480, 32, false);
  pump_until_quiet();
  ASSERT_TRUE(ACTIVE);
  // What a window manager sends when the user closes the window: a
  // WM_DELETE_WINDOW client message through the X server.
  ASSERT_TRUE(send_close_request(HWINDOW));
  EXPECT_TRUE(pump_until([] { return !ACTIVE; }));
  pump_until_quiet();
  EXPECT_FALSE(IsWindow(HWINDOW));  // the default handling destroyed it

  // Tearing down after the user closed the window is harmless.
  DELETEOGLWINDOW();
  EXPECT_FALSE(ACTIVE);
}

TEST(WindowClosing, SecondCreationShowsRegistrationErrorAndEndsWithStatusOne) {
  pid_t child = 0;
  char* argv[] = {const_cast<char*>(CREATE_TWICE), nullptr};
  ASSERT_EQ(posix_spawn(&child, CREATE_TWICE, nullptr, nullptr, argv, environ), 0);

  // The error box appears under its caption; answer it with the keyboard.
  const std::string box = output_of("timeout 20 xdotool search --sync --name '^Error$' | head -n 1");
  const bool answered =
      !box.empty() && run("xdotool windowfocus --sync " + box + " key Return");
  if (!answered) kill(child, SIGKILL);

  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  EXPECT_FALSE(box.empty()) << "no box captioned \"Error\" appeared";
  EXPECT_TRUE(answered);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 1);
}

}  // namespace
