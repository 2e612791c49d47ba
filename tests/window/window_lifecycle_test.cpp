#include "framework/window/window_lifecycle.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "tests/gl_double/gl_record.h"
#include "tests/window/framework_state.h"

namespace {

TEST(WindowLifecycle, PixelFormatRequestAsksThirtyTwoBitsOfEverything) {
  SavedFrameworkState saved;
  BITS = 32;
  PIXEL_FORMAT_FLAGS = 0;
  const PIXELFORMATDESCRIPTOR pfd = pixel_format_request();
  // Field by field in memory order: sizes, flags 0x1067, then the byte fields.
  const unsigned char expected[40] = {
      40, 0, 1, 0,                  // nSize, nVersion
      0x67, 0x10, 0, 0,             // dwFlags
      0,                            // RGBA
      32,                           // colour bits
      0, 0, 0, 0, 0, 0,             // red, green, blue bits and shifts
      32, 0,                        // alpha bits, shift
      32, 0, 0, 0, 0,               // accumulation
      32, 32, 32,                   // depth, stencil, auxiliary buffers
      1,                            // layer type: the overlay plane's value
      0,                            // reserved
      0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,  // layer, visible, damage masks
  };
  EXPECT_EQ(std::memcmp(&pfd, expected, sizeof expected), 0);

  PIXEL_FORMAT_FLAGS = 0x100;
  BITS = 24;
  const PIXELFORMATDESCRIPTOR extra = pixel_format_request();
  EXPECT_EQ(extra.dwFlags, 0x1167u);
  EXPECT_EQ(extra.cColorBits, 24);
  EXPECT_EQ(extra.cAuxBuffers, 24);
}

TEST(WindowLifecycle, SettingsRecordChoiceReserveEmptyListAndStopCapture) {
  SavedFrameworkState saved;
  MOUSEFREE = false;
  FOGONOFF = false;
  GLVERT3FREMOVE = GLVERT3FENABLEEDIT = true;
  const char* cursor_file = "pointer.cur";
  const char* icon_file = "app.ico";
  gl_record::clear();
  OGLWINDOWSETTING(FILECURSOR, cursor_file, FILEICON, icon_file);
  EXPECT_EQ(SETTYPECURSOR, FILECURSOR);
  EXPECT_EQ(CURSORFILE, cursor_file);  // the pointer itself is kept
  EXPECT_EQ(SETTYPEICON, FILEICON);
  EXPECT_EQ(ICONFILE, icon_file);
  EXPECT_TRUE(FOGONOFF);
  EXPECT_FALSE(GLVERT3FREMOVE);
  EXPECT_FALSE(GLVERT3FENABLEEDIT);
  const auto& calls = gl_record::calls();
  ASSERT_EQ(calls.size(), 3u);
  EXPECT_EQ(gl_record::describe(calls[0]), "glGenLists(1)");
  EXPECT_EQ(OBJNULL, 1u);
  EXPECT_EQ(gl_record::describe(calls[1]), "glNewList(1, 4864)");
  EXPECT_EQ(gl_record::describe(calls[2]), "glEndList()");
}

// The failure paths end the process. Each runs in a fresh child without a
// display, where the message box writes its caption and text to standard
// error instead of waiting for a user.

void without_display() { unsetenv("DISPLAY"); }

TEST(WindowLifecycleDeathTest, ErrorReportShowsMessageAndEndsWithStatusOne) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        without_display();
        THROWERROR("la rispettiva applicazione non \xE8 stata inizilizata!");
      },
      testing::ExitedWithCode(1), "Error(.|\n)*la rispettiva applicazione non \xE8 stata inizilizata!");
}

TEST(WindowLifecycleDeathTest, SecondRegistrationReportsAndEndsWithStatusOne) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        without_display();
        if (!WINDOWREGISTER()) {
          std::fputs("first registration failed\n", stderr);
          std::exit(2);
        }
        CREATEOGLWINDOW("Prova", 800, 600, 32, false);
      },
      testing::ExitedWithCode(1), "Errore di registro per la rispettiva applicazione!");
}

TEST(WindowLifecycleDeathTest, WindowFailureReportsAfterOptionalStepsAndEndsWithStatusOne) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  // Menu bar wanted but its callback left unset: skipped, not called.
  EXPECT_EXIT(
      {
        without_display();
        SHOWMENUBAR = true;
        CREATEMENUBAR = nullptr;
        CREATEOGLWINDOW("Prova", 800, 600, 32, false);
      },
      testing::ExitedWithCode(1),
      "Impossibile creare la finestra per la rispettiva applicazione!");
}

}  // namespace
