#include "framework/window/window_procedure.h"

#include <gtest/gtest.h>

#include <cctype>
#include <climits>
#include <cstring>
#include <string>
#include <vector>

#include "tests/window/headless_window.h"

namespace {

struct Message {
  UINT message;
  WPARAM wparam;
  LPARAM lparam;
};

Message left_down(int x, int y) { return {WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y)}; }
Message left_up(int x, int y) { return {WM_LBUTTONUP, 0, MAKELPARAM(x, y)}; }
Message right_down(int x, int y) { return {WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(x, y)}; }
Message move(int x, int y, WPARAM buttons) { return {WM_MOUSEMOVE, buttons, MAKELPARAM(x, y)}; }

LRESULT send(const Message& m) { return GLWNDPROC(HWINDOW, m.message, m.wparam, m.lparam); }

// The framework's window on the headless backend, with the input state at
// known values.
class WindowProcedure : public HeadlessWindow {
 protected:
  void SetUp() override {
    HeadlessWindow::SetUp();
    SHOWMENUBAR = false;
    MOUSEFREE = false;
    LEFTMOUSEDOWN = LEFTMOUSEDOWN2 = RIGHTMOUSEDOWN = RIGHTMOUSEDOWN2 = false;
    XCOORD = YCOORD = ZCOORD = 0;
    XROT = 3;
    YROT = -4;
    XROT2 = 30;
    YROT2 = -40;
    DEPTH = 7;
    DEPTH2 = 70;
    std::memset(SETKEY, 0, sizeof SETKEY);
  }
};

// ---- mouse drags ----------------------------------------------------------

struct DragCase {
  const char* name;
  int mspeed;
  bool mousefree;
  std::vector<Message> messages;
  float turn_x, turn_y, move_depth;  // expected changes of XROT, YROT, DEPTH
  int xcoord, ycoord, zcoord;        // reference positions afterwards
};

const DragCase kDrags[] = {
    {"left drag 10 right and 5 down", 2, false,
     {left_down(100, 100), move(110, 105, MK_LBUTTON)}, 5, 10, 0, 110, 105, 0},
    {"left drag in two moves advances the reference", 2, false,
     {left_down(100, 100), move(104, 101, MK_LBUTTON), move(110, 105, MK_LBUTTON)}, 5, 10, 0,
     110, 105, 0},
    {"left drag left of and above the window", 2, false,
     {left_down(5, 5), move(-15, -5, MK_LBUTTON)}, -10, -20, 0, -15, -5, 0},
    {"odd offsets give half degrees", 1, false,
     {left_down(0, 0), move(3, -1, MK_LBUTTON)}, -0.5f, 1.5f, 0, 3, -1, 0},
    {"right drag 5 down", 2, false, {right_down(50, 50), move(50, 55, MK_RBUTTON)}, 0, 0, -1,
     0, 0, 55},
    {"right drag 10 up", 2, false, {right_down(50, 50), move(80, 40, MK_RBUTTON)}, 0, 0, 2, 0,
     0, 40},
    {"speed 0 moves only the references", 0, false,
     {left_down(10, 10), right_down(10, 10), move(40, 70, MK_LBUTTON | MK_RBUTTON)}, 0, 0, 0,
     40, 70, 70},
    {"right drag in free look leaves the distance", 2, true,
     {right_down(50, 50), move(50, 80, MK_RBUTTON)}, 0, 0, 0, 0, 0, 50},
    {"motion after the release turns nothing", 2, false,
     {left_down(10, 10), left_up(10, 10), move(60, 60, 0)}, 0, 0, 0, 0, 0, 0},
};

void PrintTo(const DragCase& c, std::ostream* os) { *os << c.name; }

class MouseDrag : public WindowProcedure, public testing::WithParamInterface<DragCase> {};

TEST_P(MouseDrag, ChangesViewByOffsetTimesSpeed) {
  const DragCase& c = GetParam();
  MSPEED = c.mspeed;
  MOUSEFREE = c.mousefree;
  for (const Message& m : c.messages) send(m);
  EXPECT_FLOAT_EQ(XROT - 3, c.turn_x);
  EXPECT_FLOAT_EQ(YROT + 4, c.turn_y);
  EXPECT_FLOAT_EQ(DEPTH - 7, c.move_depth);
  // The second copies follow the same rules.
  EXPECT_FLOAT_EQ(XROT2 - 30, c.turn_x);
  EXPECT_FLOAT_EQ(YROT2 + 40, c.turn_y);
  EXPECT_FLOAT_EQ(DEPTH2 - 70, c.move_depth);
  EXPECT_EQ(XCOORD, c.xcoord);
  EXPECT_EQ(YCOORD, c.ycoord);
  EXPECT_EQ(ZCOORD, c.zcoord);
  const Message& last = c.messages.back();
  EXPECT_EQ(SETOMX, static_cast<int16_t>(LOWORD(last.lparam)));
  EXPECT_EQ(SETOMY, static_cast<int16_t>(HIWORD(last.lparam)));
}

INSTANTIATE_TEST_SUITE_P(Drags, MouseDrag, testing::ValuesIn(kDrags),
                         [](const testing::TestParamInfo<DragCase>& info) {
                           std::string name;
                           for (const char* p = info.param.name; *p; ++p)
                             name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
                           return name;
                         });

TEST_F(WindowProcedure, ButtonsTakeCaptureAndSetFlagsAndReferences) {
  send(left_down(12, 34));
  EXPECT_TRUE(LEFTMOUSEDOWN && LEFTMOUSEDOWN2);
  EXPECT_EQ(SETMX, 12);
  EXPECT_EQ(SETMY, 34);
  EXPECT_EQ(GetCapture(), HWINDOW);
  send(left_up(15, 40));
  EXPECT_FALSE(LEFTMOUSEDOWN || LEFTMOUSEDOWN2);
  EXPECT_EQ(XCOORD | YCOORD | SETMX | SETMY, 0);
  EXPECT_EQ(GetCapture(), nullptr);

  send(right_down(7, 9));
  EXPECT_TRUE(RIGHTMOUSEDOWN && RIGHTMOUSEDOWN2);
  EXPECT_EQ(ZCOORD, 9);
  EXPECT_EQ(GetCapture(), HWINDOW);
  send({WM_RBUTTONUP, 0, MAKELPARAM(7, 9)});
  EXPECT_FALSE(RIGHTMOUSEDOWN || RIGHTMOUSEDOWN2);
  EXPECT_EQ(GetCapture(), nullptr);
}

// ---- free look --------------------------------------------------------------

struct FreeLookCase {
  const char* name;
  float yrot_before;
  POINT cursor;
  float xrot_after, yrot_after;
};

TEST_F(WindowProcedure, FreeLookTurnsWithoutLimitAndTiltsWithinSixty) {
  const POINT centre = {400, 300};
  const FreeLookCase cases[] = {
      {"right of centre turns", 0, {450, 300}, 1, 0},
      {"above centre tilts down", 0, {400, 200}, 0, -2},
      {"below centre tilts up", 0, {400, 325}, 0, 0.5f},
      {"tilt stops at 60", 59, {400, 1000}, 0, 60},
      {"tilt stops at -60", -59, {400, 0}, 0, -60},
      {"turn has no limit", 0, {100400, 300}, 2000, 0},
  };
  MSPEED = 2;
  for (const FreeLookCase& c : cases) {
    SCOPED_TRACE(c.name);
    XROT = XROT2 = 0;
    YROT = YROT2 = c.yrot_before;
    apply_free_look(c.cursor, centre);
    EXPECT_FLOAT_EQ(XROT, c.xrot_after);
    EXPECT_FLOAT_EQ(YROT, c.yrot_after);
    EXPECT_FLOAT_EQ(XROT2, c.xrot_after);
    EXPECT_FLOAT_EQ(YROT2, c.yrot_after);
  }
}

TEST_F(WindowProcedure, FreeLookReadsCursorAndPutsItBackAtCentre) {
  MOUSEFREE = true;
  MSPEED = 2;
  XROT = YROT = 0;
  backend_.foreground = HWINDOW;
  backend_.cursor = {450, 250};  // the centre is (400, 300)
  send(move(10, 10, 0));
  EXPECT_EQ(MPOS.X, 450);
  EXPECT_EQ(MPOS.Y, 250);
  EXPECT_EQ(backend_.cursor.X, 400);
  EXPECT_EQ(backend_.cursor.Y, 300);
  EXPECT_FLOAT_EQ(XROT, 1);   // 50 px right: 50 / 100 * 2
  EXPECT_FLOAT_EQ(YROT, -1);  // 50 px up
  // A left drag in free look turns by both rules on the same message.
  send(left_down(10, 10));
  backend_.cursor = {400, 300};
  send(move(20, 10, MK_LBUTTON));
  EXPECT_FLOAT_EQ(YROT, 9);
}

TEST_F(WindowProcedure, FreeLookWithWindowInBackgroundTurnsNothing) {
  MOUSEFREE = true;
  MSPEED = 2;
  backend_.foreground = nullptr;
  backend_.cursor = {700, 500};
  MPOS = {-1, -1};
  send(move(700, 500, 0));
  EXPECT_EQ(XROT, 3);
  EXPECT_EQ(YROT, -4);
  EXPECT_EQ(MPOS.X, -1);  // the cursor was not read
  EXPECT_EQ(backend_.cursor.X, 700);  // nor moved
  EXPECT_TRUE(MOUSEFREE);
}

// ---- keys -----------------------------------------------------------------

TEST_F(WindowProcedure, KeyTableFollowsKeysAndReleaseEndsFreeLook) {
  send({WM_KEYDOWN, 'A', 0});
  EXPECT_EQ(SETKEY['A'], -1);  // all bits set
  send({WM_KEYDOWN, 'A', 0});  // auto-repeat
  EXPECT_NE(SETKEY['A'], 0);
  send({WM_KEYDOWN, VK_F12, 0});
  EXPECT_NE(SETKEY[VK_F12], 0);

  MOUSEFREE = true;
  send({WM_KEYUP, 'A', 0});
  EXPECT_EQ(SETKEY['A'], 0);
  EXPECT_NE(SETKEY[VK_F12], 0);
  EXPECT_FALSE(MOUSEFREE);
}

TEST_F(WindowProcedure, EscapeEndsRunButKeepsWindowAndKeyTable) {
  ACTIVE = true;
  EXPECT_EQ(send({WM_KEYDOWN, VK_ESCAPE, 0}), 0);
  EXPECT_FALSE(ACTIVE);
  EXPECT_EQ(SETKEY[VK_ESCAPE], 0);
  EXPECT_TRUE(IsWindow(HWINDOW));
  MSG msg;
  ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(msg.message, UINT(WM_QUIT));
}

TEST_F(WindowProcedure, KeyCodesBeyondTheTableWriteNothing) {
  int32_t before[SETKEY_LAST + 1];
  std::memcpy(before, SETKEY, sizeof before);
  for (WPARAM code : {WPARAM(501), WPARAM(0xFFFF), WPARAM(0x7FFFFFFF), ~WPARAM(0)}) {
    send({WM_KEYDOWN, code, 0});
    send({WM_KEYUP, code, 0});
  }
  EXPECT_EQ(std::memcmp(before, SETKEY, sizeof before), 0);
  send({WM_KEYDOWN, 500, 0});  // the last entry is still in reach
  EXPECT_NE(SETKEY[500], 0);
}

// ---- creation, destruction, menus ------------------------------------------

TEST_F(WindowProcedure, CreateAndDestroySetRunningFlagAndDestroyPostsQuit) {
  ACTIVE = false;
  EXPECT_EQ(send({WM_CREATE, 0, 0}), 0);
  EXPECT_TRUE(ACTIVE);
  EXPECT_EQ(send({WM_DESTROY, 0, 0}), 0);
  EXPECT_FALSE(ACTIVE);
  MSG msg;
  ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(msg.message, UINT(WM_QUIT));
  EXPECT_EQ(msg.wParam, 0u);
  // Window creation itself reaches the procedure: the running flag is set
  // inside WINDOWCREATE.
  ACTIVE = false;
  HWND second = WINDOWCREATE("Seconda");
  ASSERT_NE(second, nullptr);
  EXPECT_TRUE(ACTIVE);
  // Destroying a window delivers the destruction message once more.
  DestroyWindow(second);
  EXPECT_FALSE(ACTIVE);
}

TEST_F(WindowProcedure, PumpDispatchesOneMessagePerCallAndNeverWaits) {
  ACTIVE = true;
  PostMessageA(HWINDOW, WM_KEYDOWN, 'A', 0);
  backend_.inject(HWINDOW, WM_KEYDOWN, 'B', 0);
  backend_.inject(HWINDOW, WM_KEYDOWN, VK_ESCAPE, 0);
  SETGLMSG();
  EXPECT_NE(SETKEY['A'], 0);
  EXPECT_EQ(SETKEY['B'], 0);
  SETGLMSG();
  EXPECT_NE(SETKEY['B'], 0);
  EXPECT_TRUE(ACTIVE);
  SETGLMSG();
  EXPECT_FALSE(ACTIVE);
  SETGLMSG();  // the quit request: taken and dispatched, it causes nothing
  MSG msg;
  EXPECT_FALSE(PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE));
  SETGLMSG();  // nothing waits: returns at once
}

struct CommandCall {
  int calls = 0;
  Message args{};
};
CommandCall command_call;
LRESULT record_command(HWND, UINT message, WPARAM wparam, LPARAM lparam) {
  ++command_call.calls;
  command_call.args = {message, wparam, lparam};
  return 42;
}
int mouse_menu_calls = 0;
void count_mouse_menu() { ++mouse_menu_calls; }

TEST_F(WindowProcedure, CommandGoesToCallbackOnlyWithMenuBarAndAlwaysReturnsZero) {
  command_call = {};
  GETINPUTCOMMAND = record_command;
  SHOWMENUBAR = false;
  EXPECT_EQ(send({WM_COMMAND, 77, 88}), 0);
  EXPECT_EQ(command_call.calls, 0);

  SHOWMENUBAR = true;
  EXPECT_EQ(send({WM_COMMAND, 77, 88}), 0);  // the callback's 42 is discarded
  EXPECT_EQ(command_call.calls, 1);
  EXPECT_EQ(command_call.args.message, UINT(WM_COMMAND));
  EXPECT_EQ(command_call.args.wparam, 77u);
  EXPECT_EQ(command_call.args.lparam, 88);

  GETINPUTCOMMAND = nullptr;
  EXPECT_EQ(send({WM_COMMAND, 77, 88}), 0);
}

TEST_F(WindowProcedure, ContextMenuCallbackRunsOnlyWhenSetAndMenuBarShown) {
  mouse_menu_calls = 0;
  CREATEMOUSEMENU = count_mouse_menu;
  send({WM_CONTEXTMENU, 0, 0});
  EXPECT_EQ(mouse_menu_calls, 0);
  SHOWMENUBAR = true;
  send({WM_CONTEXTMENU, 0, 0});
  EXPECT_EQ(mouse_menu_calls, 1);
  CREATEMOUSEMENU = nullptr;  // unset: skipped instead of called
  send({WM_CONTEXTMENU, 0, 0});
  EXPECT_EQ(mouse_menu_calls, 1);
}

// ---- frame rate -------------------------------------------------------------

struct RateCase {
  int forcefps, fpscount, addforcefps;
  int rate, forcefps_after;
};

TEST(FrameRate, RateIsRoundedAndMultiplierMovesTowardTarget) {
  SavedFrameworkState saved;
  const RateCase cases[] = {
      {1, 300, 0, 60, 1},    // 300 frames in 5 s
      {1, 12, 0, 2, 1},      // 2.4 rounds down
      {1, 13, 0, 3, 1},      // 2.6 rounds up
      {1, 0, 0, 1, 1},       // raised to at least 1
      {1, -50, 0, 1, 1},     //
      {1, 100, 30, 20, 2},   // below the target: multiplier up
      {3, 100, 30, 60, 2},   // above: down
      {1, 150, 30, 30, 1},   // on target: unchanged
      {1, 100, 1, 20, 1},    // targets 0 and 1 never move it
      {5, 100, 0, 100, 5},   //
      {1, INT_MAX, 0, 429496729, 1},
      {INT_MAX, INT_MAX, 0, INT_MAX, INT_MAX},  // kept within 32 bits
  };
  for (const RateCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.forcefps << " x " << c.fpscount << " target "
                                    << c.addforcefps);
    FORCEFPS = c.forcefps;
    FPSCOUNT = c.fpscount;
    ADDFORCEFPS = c.addforcefps;
    EXPECT_EQ(frame_rate_step(), c.rate);
    EXPECT_EQ(FPSCOUNT, c.rate);
    EXPECT_EQ(FORCEFPS, c.forcefps_after);
  }
}

TEST(FrameRate, TitleIsNameFollowedByRate) {
  SavedFrameworkState saved;
  SETTITLENAME = "Dimostrazione sulla generare delle conchiglie";
  EXPECT_EQ(frame_rate_title(60), "Dimostrazione sulla generare delle conchiglie - FPS [60]");
  EXPECT_EQ(frame_rate_title(1), "Dimostrazione sulla generare delle conchiglie - FPS [1]");
  SETTITLENAME = "\xC8 qui";  // Windows-1252 bytes pass through unchanged
  EXPECT_EQ(frame_rate_title(1234), "\xC8 qui - FPS [1234]");
}

TEST_F(WindowProcedure, TimerMessageShowsRateInTitleOnlyForFrameRateTimer) {
  char title[128];
  FORCEFPS = 1;
  ADDFORCEFPS = 50;
  FPSCOUNT = 300;
  VIEWFPS = false;
  send({WM_TIMER, WPARAM(FPS_TIMER), 0});
  EXPECT_EQ(FPSCOUNT, 300);
  VIEWFPS = true;
  send({WM_TIMER, 2, 0});
  EXPECT_EQ(FPSCOUNT, 300);
  GetWindowTextA(HWINDOW, title, sizeof title);
  EXPECT_STREQ(title, "Finestra di prova");

  send({WM_TIMER, WPARAM(FPS_TIMER), 0});
  GetWindowTextA(HWINDOW, title, sizeof title);
  EXPECT_STREQ(title, "Finestra di prova - FPS [60]");
  EXPECT_EQ(FPSCOUNT, 0);  // a new interval starts
  EXPECT_EQ(FORCEFPS, 0);  // rate 60 was above the target 50

  send({WM_TIMER, WPARAM(FPS_TIMER), 0});  // no frames counted: shown as 1
  GetWindowTextA(HWINDOW, title, sizeof title);
  EXPECT_STREQ(title, "Finestra di prova - FPS [1]");
}

}  // namespace
