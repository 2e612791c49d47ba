#include "framework/window/window_lifecycle.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "tests/gl_double/gl_record.h"
#include "platform/resources.h"
#include "platform/window_record.h"
#include "tests/window/headless_window.h"

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

TEST(WindowLifecycle, SettingsInFreeLookStartClockAndCentreCursor) {
  SavedFrameworkState saved;
  HeadlessBackend backend;
  WindowBackend* previous = set_window_backend(&backend);
  MOUSEFREE = true;
  WIDTH = 801;  // halves truncate
  HEIGHT = 601;
  START = 0;
  OGLWINDOWSETTING(ARROW, "", GENERIC, "");
  EXPECT_EQ(backend.cursor.X, 400);
  EXPECT_EQ(backend.cursor.Y, 300);
  EXPECT_NE(START, 0u);
  set_window_backend(previous);
}

// ---- the steps, on the headless backend ----------------------------------

using WindowSteps = HeadlessWindow;

TEST_F(WindowSteps, WindowStylesByMode) {
  struct Case {
    bool fullscreen;
    DWORD present, absent;
    int width, height;
  };
  const Case cases[] = {
      {false, WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
       WS_THICKFRAME | WS_MAXIMIZEBOX, 640, 480},
      {true, WS_POPUP | WS_VISIBLE | WS_BORDER | WS_SYSMENU,
       WS_DLGFRAME | WS_THICKFRAME | WS_MINIMIZEBOX, 1024, 768},  // the screen's size
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.fullscreen ? "full screen" : "windowed");
    FULLSCREEN = c.fullscreen;
    WIDTH = 640;
    HEIGHT = 480;
    HWND window = WINDOWCREATE("Stile");
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(WIDTH, c.width);
    EXPECT_EQ(HEIGHT, c.height);
    const PlatformWindow* record = window_from_handle(window);
    EXPECT_EQ(record->style & c.present, c.present);
    EXPECT_EQ(record->style & c.absent, 0u);
    EXPECT_TRUE(record->visible);
    RECT client;
    GetClientRect(window, &client);
    EXPECT_EQ(client.right, c.width);
    EXPECT_EQ(client.bottom, c.height);
    DestroyWindow(window);
  }
}

TEST_F(WindowSteps, InitMakesContextCurrentAndTeardownReleasesEverything) {
  BITS = 32;
  ASSERT_TRUE(WINDOWINIT(HWINDOW));
  EXPECT_EQ(DCWINDOW, GetDC(HWINDOW));
  ASSERT_NE(RCWINDOW, nullptr);
  EXPECT_EQ(backend_.current_window, HWINDOW);
  EXPECT_NE(backend_.current_context, nullptr);
  // The closest of the backend's formats to the request is double-buffered
  // with a depth buffer.
  PIXELFORMATDESCRIPTOR granted;
  ASSERT_GT(DescribePixelFormat(DCWINDOW, DCWINDOW->pixel_format, sizeof granted, &granted), 0);
  EXPECT_NE(granted.dwFlags & PFD_DOUBLEBUFFER, 0u);
  EXPECT_GT(granted.cDepthBits, 0);

  ACTIVE = true;
  DELETEOGLWINDOW();
  EXPECT_EQ(backend_.current_context, nullptr);
  EXPECT_EQ(backend_.contexts_alive, 0);
  EXPECT_FALSE(IsWindow(HWINDOW));
  EXPECT_FALSE(ACTIVE);
  DELETEOGLWINDOW();  // again, on a window that is gone: harmless
  EXPECT_FALSE(ACTIVE);
}

TEST_F(WindowSteps, InitWithoutAnyPixelFormatFails) {
  backend_.formats.clear();
  BITS = 32;
  EXPECT_FALSE(WINDOWINIT(HWINDOW));
  EXPECT_EQ(RCWINDOW, nullptr);
}

TEST_F(WindowSteps, StatusBarCopiesPartsWithinTable) {
  for (int i = 1; i <= MAX_STATUS_ITEMS; ++i) STATUSITEM[i] = 40 * i;
  std::memset(EDGES, 0, sizeof EDGES);
  std::memset(FILENAME, 'x', sizeof FILENAME);
  MAXSTATUSITEM = 3;
  HWND bar = CREATESTATUSBAR(HWINDOW);
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(AWND, bar);
  EXPECT_EQ(GetParent(bar), HWINDOW);
  EXPECT_EQ(GetDlgCtrlID(bar), int(STATUS_BAR_ID));
  EXPECT_STREQ(FILENAME, "Percorso file");
  EXPECT_EQ(FILENAME[FILENAME_CHARS - 1], 0);  // the rest is cleared
  EXPECT_EQ(EDGES[3], 120);
  EXPECT_EQ(EDGES[4], 0);
  DestroyWindow(bar);

  MAXSTATUSITEM = 25;  // more parts than the table holds: the copy stops at 20
  bar = CREATESTATUSBAR(HWINDOW);
  ASSERT_NE(bar, nullptr);
  for (int i = 1; i <= MAX_STATUS_ITEMS; ++i) EXPECT_EQ(EDGES[i], 40 * i) << i;
  DestroyWindow(bar);
}

// ---- the whole creation, each run in a fresh child process -----------------
// A process may create the framework's window once, and the failures end the
// process, so each case runs in a child of its own on the headless backend.
// Message boxes cannot be shown there: MessageBoxA writes caption and text to
// standard error, which the parent matches.

HeadlessBackend& child_backend() {
  static HeadlessBackend backend;
  set_window_backend(&backend);
  return backend;
}

int menu_bar_calls = 0;
void count_menu_bar() { ++menu_bar_calls; }

TEST(WindowCreationDeathTest, CreatesWindowContextMenuAndStatusBarThenTearsDown) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        HeadlessBackend& backend = child_backend();
        OGLWINDOWSETTING(ARROW, "", GENERIC, "");
        SHOWMENUBAR = true;
        CREATEMENUBAR = count_menu_bar;
        SHOWSTATUSBAR = true;
        const bool created = CREATEOGLWINDOW("Prova", 800, 600, 32, false);
        char title[64] = {};
        GetWindowTextA(HWINDOW, title, sizeof title);
        WNDCLASSEXA wc{};
        GetClassInfoExA(nullptr, "GLWindow", &wc);
        std::fprintf(stderr,
                     "created=%d active=%d size=%dx%d title=%s menubar=%d statusbar=%d "
                     "current=%d class=%d\n",
                     created, ACTIVE, WIDTH, HEIGHT, title, menu_bar_calls,
                     HSTATUS != nullptr && GetParent(HSTATUS) == HWINDOW,
                     backend.current_window == HWINDOW && backend.current_context != nullptr,
                     wc.lpfnWndProc == GLWNDPROC && wc.style == 3 &&
                         wc.hCursor == LoadCursorA(nullptr, MAKEINTRESOURCEA(IDC_ARROW)) &&
                         wc.hIcon == LoadIconA(nullptr, MAKEINTRESOURCEA(IDI_APPLICATION)));
        DELETEOGLWINDOW();
        std::fprintf(stderr, "after teardown: active=%d window=%d contexts=%d\n", ACTIVE,
                     IsWindow(HWINDOW), backend.contexts_alive);
        std::exit(0);
      },
      testing::ExitedWithCode(0),
      "created=1 active=1 size=800x600 title=Prova menubar=1 statusbar=1 current=1 class=1\n"
      "after teardown: active=0 window=0 contexts=0");
}

TEST(WindowCreationDeathTest, SecondCreationReportsRegistrationAndEndsWithStatusOne) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        child_backend();
        CREATEOGLWINDOW("Prova", 800, 600, 32, false);
        DELETEOGLWINDOW();
        std::fputs("first window made and released\n", stderr);
        CREATEOGLWINDOW("Prova", 800, 600, 32, false);
        std::exit(0);
      },
      testing::ExitedWithCode(1),
      "first window made and released\n"
      "Error: Errore di registro per la rispettiva applicazione!\n$");
}

TEST(WindowCreationDeathTest, WindowFailureReportsAfterOptionalStepsAndEndsWithStatusOne) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  // The menu bar is wanted but its callback left unset: skipped, not called.
  EXPECT_EXIT(
      {
        child_backend().refuse_windows = true;
        SHOWMENUBAR = true;
        CREATEMENUBAR = nullptr;
        SHOWSTATUSBAR = true;
        CREATEOGLWINDOW("Prova", 800, 600, 32, false);
        std::exit(0);
      },
      testing::ExitedWithCode(1),
      "^Error: Impossibile creare la finestra per la rispettiva applicazione!\n$");
}

TEST(WindowCreationDeathTest, NoPixelFormatReportsInitialisationAndEndsWithStatusOne) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        child_backend().formats.clear();
        CREATEOGLWINDOW("Prova", 800, 600, 32, false);
        std::exit(0);
      },
      testing::ExitedWithCode(1),
      // "è" (0xE8 in Windows-1252) reaches standard error as UTF-8.
      "^Error: la rispettiva applicazione non \xC3\xA8 stata inizilizata!\n$");
}

}  // namespace
