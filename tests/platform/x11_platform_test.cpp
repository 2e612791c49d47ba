// The platform layer on a real X server (run under Xvfb): windows as the X
// server and the standard X tools see them, real key presses and pointer
// motion sent through the XTest extension (xdotool), the window manager's
// close request, the pointer grab, and the GLX binding.

#include <GL/gl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "platform/gl_binding.h"
#include "platform/message_box.h"
#include "platform/resource_objects.h"
#include "platform/resources.h"
#include "platform/status_bar.h"
#include "platform/window.h"
#include "platform/window_record.h"
#include "platform/x11/close_request.h"

namespace {

std::vector<MSG> received;

LRESULT logging_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  MSG m{};
  m.hwnd = window;
  m.message = message;
  m.wParam = wparam;
  m.lParam = lparam;
  received.push_back(m);
  return DefWindowProcA(window, message, wparam, lparam);
}

constexpr DWORD kWindowedStyle = WS_POPUP | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN |
                                 WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr DWORD kFullScreenStyle =
    WS_POPUP | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_BORDER | WS_SYSMENU;

std::string run(const std::string& command) {
  std::string out;
  FILE* p = popen(command.c_str(), "r");
  if (p == nullptr) return out;
  char buffer[4096];
  size_t n;
  while ((n = fread(buffer, 1, sizeof buffer, p)) > 0) out.append(buffer, n);
  pclose(p);
  return out;
}

// The X window id as the X tools print it.
std::string xid(HWND window) {
  char text[32];
  std::snprintf(text, sizeof text, "0x%lx", window_from_handle(window)->native);
  return text;
}

// Pumps and dispatches messages until `done` holds or two seconds pass.
bool pump_until(const std::function<bool()>& done) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(2);
  while (!done()) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    MSG m;
    while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&m);
      DispatchMessageA(&m);
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return true;
}

// Pumps for a while, for checks that something does NOT arrive.
void pump_for(int milliseconds) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
  pump_until([&] { return std::chrono::steady_clock::now() > end; });
}

std::vector<MSG> messages(UINT message) {
  std::vector<MSG> out;
  for (const MSG& m : received)
    if (m.message == message) out.push_back(m);
  return out;
}

class X11Platform : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    WNDCLASSA wc{};
    wc.lpfnWndProc = logging_procedure;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(IDC_ARROW));
    wc.hIcon = LoadIconA(nullptr, MAKEINTRESOURCEA(IDI_APPLICATION));
    wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    wc.lpszClassName = "X11PlatformTest";
    ASSERT_NE(RegisterClassA(&wc), 0);
  }

  void SetUp() override {
    ASSERT_NE(getenv("DISPLAY"), nullptr) << "runs under Xvfb";
    received.clear();
  }

  void TearDown() override {
    ReleaseCapture();
    for (HWND w : made_)
      if (IsWindow(w)) DestroyWindow(w);
    pump_for(20);
  }

  HWND make(const char* title, DWORD style, int x, int y, int width, int height) {
    HWND w = CreateWindowExA(0, "X11PlatformTest", title, style, x, y, width, height, nullptr,
                             nullptr, GetModuleHandleA(nullptr), nullptr);
    if (w) made_.push_back(w);
    return w;
  }

  std::vector<HWND> made_;
};

TEST_F(X11Platform, WindowedWindowHasTheRequestedDrawableSizeTitleAndFixedSize) {
  HWND w = make("Dimostrazione \xE8 qui  ", kWindowedStyle, CW_USEDEFAULT, CW_USEDEFAULT, 800,
                600);
  ASSERT_NE(w, nullptr);
  const std::string info = run("xwininfo -id " + xid(w));
  EXPECT_NE(info.find("Width: 800"), std::string::npos) << info;
  EXPECT_NE(info.find("Height: 600"), std::string::npos) << info;
  EXPECT_NE(info.find("Absolute upper-left X:  0"), std::string::npos) << info;
  EXPECT_NE(info.find("Absolute upper-left Y:  0"), std::string::npos) << info;
  EXPECT_NE(info.find("Map State: IsViewable"), std::string::npos) << info;

  // The Windows-1252 title reaches the window manager as UTF-8, blanks kept.
  const std::string name = run("xprop -id " + xid(w) + " -notype _NET_WM_NAME | od -An -tx1");
  const std::string expected = run(
      "printf '_NET_WM_NAME = \"Dimostrazione \\303\\250 qui  \"\\n' | od -An -tx1");
  EXPECT_EQ(name, expected);
  const std::string props =
      run("xprop -id " + xid(w) + " WM_NORMAL_HINTS WM_PROTOCOLS _NET_WM_ICON _NET_WM_STATE");
  EXPECT_NE(props.find("program specified minimum size: 800 by 600"), std::string::npos) << props;
  EXPECT_NE(props.find("program specified maximum size: 800 by 600"), std::string::npos) << props;
  EXPECT_NE(props.find("WM_DELETE_WINDOW"), std::string::npos) << props;
  EXPECT_NE(props.find("Icon (32 x 32)"), std::string::npos) << props;
  EXPECT_EQ(props.find("_NET_WM_STATE_FULLSCREEN"), std::string::npos) << props;

  RECT client;
  ASSERT_TRUE(GetClientRect(w, &client));
  EXPECT_EQ(client.right, 800);
  EXPECT_EQ(client.bottom, 600);
}

TEST_F(X11Platform, FullScreenWindowCoversTheScreenUndecorated) {
  const int sw = GetSystemMetrics(SM_CXSCREEN);
  const int sh = GetSystemMetrics(SM_CYSCREEN);
  EXPECT_EQ(sw, 1280);  // the virtual screen of tests/run_with_xvfb
  EXPECT_EQ(sh, 1024);
  HWND w = make("Pieno", kFullScreenStyle, CW_USEDEFAULT, CW_USEDEFAULT, sw, sh);
  ASSERT_NE(w, nullptr);
  const std::string info = run("xwininfo -id " + xid(w));
  EXPECT_NE(info.find("Width: 1280"), std::string::npos) << info;
  EXPECT_NE(info.find("Height: 1024"), std::string::npos) << info;
  const std::string props = run("xprop -id " + xid(w) + " _NET_WM_STATE _MOTIF_WM_HINTS");
  EXPECT_NE(props.find("_NET_WM_STATE_FULLSCREEN"), std::string::npos) << props;
  // flags (functions, decorations), functions, decorations = 0
  EXPECT_NE(props.find("= 0x3, 0x24, 0x0, 0x0, 0x0"), std::string::npos) << props;
  // The screen itself was left as it was.
  EXPECT_NE(run("xdpyinfo | grep dimensions").find("1280x1024"), std::string::npos);
}

TEST_F(X11Platform, RealKeyPressesArriveAsVirtualKeys) {
  HWND w = make("Tasti", kWindowedStyle, 0, 0, 300, 200);
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(GetForegroundWindow(), w);
  run("xdotool key Escape key a key F5 key Left");
  ASSERT_TRUE(pump_until([] { return messages(WM_KEYUP).size() >= 4; }));
  const auto downs = messages(WM_KEYDOWN);
  const auto ups = messages(WM_KEYUP);
  ASSERT_EQ(downs.size(), 4u);
  const WPARAM keys[] = {VK_ESCAPE, 'A', VK_F1 + 4, VK_LEFT};
  for (size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(downs[i].wParam, keys[i]) << i;
    EXPECT_EQ(downs[i].hwnd, w);
    EXPECT_EQ(ups[i].wParam, keys[i]) << i;
  }
  // TranslateMessage turned Escape and the letter into characters; the
  // function and arrow keys have none.
  const auto chars = messages(WM_CHAR);
  ASSERT_EQ(chars.size(), 2u);
  EXPECT_EQ(chars[0].wParam, 27u);
  EXPECT_EQ(chars[1].wParam, static_cast<WPARAM>('a'));
}

TEST_F(X11Platform, HeldKeyRepeatsKeyDownsWithoutKeyUps) {
  HWND w = make("Ripeti", kWindowedStyle, 0, 0, 300, 200);
  ASSERT_NE(w, nullptr);
  run("xdotool keydown b sleep 1.2 keyup b");
  ASSERT_TRUE(pump_until([] { return !messages(WM_KEYUP).empty(); }));
  const auto downs = messages(WM_KEYDOWN);
  ASSERT_GE(downs.size(), 2u) << "the server's auto-repeat should have produced repeats";
  EXPECT_EQ(downs[0].lParam & (1 << 30), 0);
  for (size_t i = 1; i < downs.size(); ++i) {
    EXPECT_EQ(downs[i].wParam, static_cast<WPARAM>('B'));
    EXPECT_NE(downs[i].lParam & (1 << 30), 0) << "repeat carries the previous-state bit";
  }
  EXPECT_EQ(messages(WM_KEYUP).size(), 1u);
}

TEST_F(X11Platform, CloseRequestBecomesCloseWhoseDefaultDestroysTheWindow) {
  HWND w = make("Chiudi", kWindowedStyle, 0, 0, 300, 200);
  ASSERT_NE(w, nullptr);
  const std::string id = xid(w);
  ASSERT_TRUE(send_close_request(w));
  ASSERT_TRUE(pump_until([&] { return !IsWindow(w); }));
  ASSERT_EQ(messages(WM_CLOSE).size(), 1u);
  EXPECT_EQ(messages(WM_DESTROY).size(), 1u);
  EXPECT_NE(run("xwininfo -id " + id + " 2>&1").find("No such window"), std::string::npos);
}

TEST_F(X11Platform, CaptureKeepsReportingMotionOutsideWithSignedCoordinates) {
  HWND w = make("Presa", WS_POPUP | WS_VISIBLE, 200, 200, 200, 200);
  ASSERT_NE(w, nullptr);
  run("xdotool mousemove 250 260");
  ASSERT_TRUE(pump_until([] { return !messages(WM_MOUSEMOVE).empty(); }));
  EXPECT_EQ(LOWORD(messages(WM_MOUSEMOVE).back().lParam), 50);
  EXPECT_EQ(HIWORD(messages(WM_MOUSEMOVE).back().lParam), 60);

  // No button held, so only the grab can deliver these.
  SetCapture(w);
  EXPECT_EQ(GetCapture(), w);
  received.clear();
  run("xdotool mousemove 20 30");
  ASSERT_TRUE(pump_until([] {
    const auto moves = messages(WM_MOUSEMOVE);
    return !moves.empty() && static_cast<int16_t>(LOWORD(moves.back().lParam)) == -180;
  }));
  EXPECT_EQ(static_cast<int16_t>(HIWORD(messages(WM_MOUSEMOVE).back().lParam)), -170);
  run("xdotool mousemove 900 700");
  ASSERT_TRUE(pump_until([] {
    const auto moves = messages(WM_MOUSEMOVE);
    return !moves.empty() && static_cast<int16_t>(LOWORD(moves.back().lParam)) == 700;
  }));

  ReleaseCapture();
  received.clear();
  run("xdotool mousemove 950 750");
  pump_for(200);
  EXPECT_TRUE(messages(WM_MOUSEMOVE).empty()) << "no grab, pointer outside";
}

TEST_F(X11Platform, ButtonDragReportsButtonsAndFlags) {
  HWND w = make("Trascina", WS_POPUP | WS_VISIBLE, 100, 100, 300, 300);
  ASSERT_NE(w, nullptr);
  run("xdotool mousemove 150 150 mousedown 1 mousemove 170 155 mouseup 1 "
      "mousedown 3 mouseup 3");
  ASSERT_TRUE(pump_until([] { return !messages(WM_RBUTTONUP).empty(); }));
  ASSERT_EQ(messages(WM_LBUTTONDOWN).size(), 1u);
  const MSG down = messages(WM_LBUTTONDOWN)[0];
  EXPECT_EQ(down.wParam, MK_LBUTTON);
  EXPECT_EQ(down.lParam, MAKELPARAM(50, 50));
  bool dragged = false;
  for (const MSG& m : messages(WM_MOUSEMOVE))
    if (m.lParam == MAKELPARAM(70, 55)) dragged = (m.wParam & MK_LBUTTON) != 0;
  EXPECT_TRUE(dragged);
  EXPECT_EQ(messages(WM_LBUTTONUP)[0].wParam & MK_LBUTTON, 0u);
  EXPECT_EQ(messages(WM_RBUTTONDOWN)[0].wParam, MK_RBUTTON);
  // The right button's release asks for a context menu at the screen point.
  ASSERT_EQ(messages(WM_CONTEXTMENU).size(), 1u);
  EXPECT_EQ(messages(WM_CONTEXTMENU)[0].lParam, MAKELPARAM(170, 155));
}

TEST_F(X11Platform, CursorPositionIsInScreenPixels) {
  ASSERT_TRUE(SetCursorPos(321, 123));
  POINT p{};
  ASSERT_TRUE(GetCursorPos(&p));
  EXPECT_EQ(p.X, 321);
  EXPECT_EQ(p.Y, 123);
  EXPECT_NE(run("xdotool getmouselocation").find("x:321 y:123"), std::string::npos);
}

TEST_F(X11Platform, StatusBarIsAChildXWindowAlongTheBottom) {
  HWND w = make("Barra", kWindowedStyle, 0, 0, 400, 300);
  ASSERT_NE(w, nullptr);
  HWND bar = CreateStatusWindowA(WS_CHILD | WS_VISIBLE, "Percorso file", w, 30482);
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(GetParent(bar), w);
  EXPECT_EQ(GetDlgCtrlID(bar), 30482);
  const std::string tree = run("xwininfo -children -id " + xid(w));
  EXPECT_NE(tree.find(xid(bar)), std::string::npos) << tree;
  RECT r;
  ASSERT_TRUE(GetClientRect(bar, &r));
  const std::string info = run("xwininfo -id " + xid(bar));
  EXPECT_NE(info.find("Relative upper-left Y:  " + std::to_string(300 - r.bottom)),
            std::string::npos)
      << info;
  EXPECT_NE(info.find("Width: 400"), std::string::npos) << info;
}

TEST_F(X11Platform, StatusBarDrawsItsTextOnTheButtonFace) {
  HWND w = make("Barra", kWindowedStyle, 0, 0, 400, 300);
  HWND bar = CreateStatusWindowA(WS_CHILD | WS_VISIBLE, "Percorso file", w, 30482);
  ASSERT_NE(bar, nullptr);
  pump_for(100);  // the paint requests
  // Pixels of the bar as the server holds them, one value per line.
  const std::string pixels = run("xwd -silent -id " + xid(bar) +
                                 " | xwdtopnm 2>/dev/null | pnmdepth 255 | pnmtoplainpnm | "
                                 "tail -n +4 | tr -s ' ' '\\n' | grep -v '^$' | paste - - - | "
                                 "sort | uniq -c");
  // Mostly the light grey face, with black text on it.
  EXPECT_NE(pixels.find("240\t240\t240"), std::string::npos) << pixels;
  EXPECT_NE(pixels.find("0\t0\t0"), std::string::npos) << pixels;
}

TEST_F(X11Platform, EveryCursorKindBecomesAnXCursor) {
  std::vector<HCURSOR> cursors;
  for (int id : {IDC_ARROW, IDC_IBEAM, IDC_WAIT, IDC_CROSS, IDC_UPARROW, IDC_SIZE, IDC_SIZENWSE,
                 IDC_SIZENESW, IDC_SIZEWE, IDC_SIZENS, IDC_SIZEALL, IDC_NO, IDC_HAND,
                 IDC_APPSTARTING, IDC_HELP})
    cursors.push_back(LoadCursorA(nullptr, MAKEINTRESOURCEA(id)));
  // A cursor file: a 32 by 32 one-bit image, all black and opaque.
  const std::string path = ::testing::TempDir() + "x11_platform_test.cur";
  {
    std::vector<unsigned char> f = {0, 0, 2, 0, 1, 0, 32, 32, 0, 0, 4, 0, 6, 0};
    const unsigned bytes = 40 + 8 + 128 + 128;
    for (unsigned v : {bytes, 22u})
      for (int i = 0; i < 4; ++i) f.push_back(static_cast<unsigned char>(v >> (8 * i)));
    const unsigned char header[40] = {40, 0, 0, 0, 32, 0, 0, 0, 64, 0, 0, 0, 1, 0, 1, 0};
    f.insert(f.end(), header, header + 40);
    f.insert(f.end(), {0, 0, 0, 0, 255, 255, 255, 0});
    f.insert(f.end(), 256, 0);  // colour 0 (black) everywhere, AND mask clear
    FILE* out = std::fopen(path.c_str(), "wb");
    ASSERT_NE(out, nullptr);
    std::fwrite(f.data(), 1, f.size(), out);
    std::fclose(out);
  }
  HCURSOR from_file = LoadCursorFromFileA(path.c_str());
  std::remove(path.c_str());
  ASSERT_NE(from_file, nullptr);
  cursors.push_back(from_file);

  int n = 0;
  for (HCURSOR c : cursors) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = logging_procedure;
    wc.hCursor = c;
    const std::string name = "CursorClass" + std::to_string(n++);
    wc.lpszClassName = name.c_str();
    ASSERT_NE(RegisterClassA(&wc), 0);
    HWND w = CreateWindowExA(0, name.c_str(), "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                             nullptr, nullptr);
    ASSERT_NE(w, nullptr);
    made_.push_back(w);
    EXPECT_NE(cursor_from_handle(c)->native, 0u) << "cursor " << n;
  }
}

TEST_F(X11Platform, MessageBoxOverAnOwnerGivesItTheKeyboardBack) {
  HWND w = make("Padrone", kWindowedStyle, 100, 100, 300, 200);
  ASSERT_NE(w, nullptr);
  std::thread driver([] {
    run("xdotool search --sync --onlyvisible --name '^Avviso$' windowfocus --sync");
    run("xdotool key Return");
  });
  EXPECT_EQ(MessageBoxA(w, "Testo", "Avviso", MB_OK), IDOK);
  driver.join();
  EXPECT_EQ(GetForegroundWindow(), w);
  // Input meant for the owner while the box was open was not kept for later.
  pump_for(50);
  EXPECT_TRUE(messages(WM_KEYDOWN).empty());
}

TEST_F(X11Platform, PixelFormatForTheProgramsRequestGivesAWorkingContext) {
  HWND w = make("GL", kWindowedStyle, 0, 0, 320, 240);
  ASSERT_NE(w, nullptr);
  // A child made before the format is set must survive the visual change.
  HWND bar = CreateStatusWindowA(WS_CHILD | WS_VISIBLE, "Percorso file", w, 1);
  ASSERT_NE(bar, nullptr);
  HDC dc = GetDC(w);
  ASSERT_NE(dc, nullptr);

  PIXELFORMATDESCRIPTOR request{};
  request.nSize = sizeof request;
  request.nVersion = 1;
  request.dwFlags = PFD_DOUBLEBUFFER | PFD_STEREO | PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL |
                    PFD_GENERIC_FORMAT | PFD_GENERIC_ACCELERATED;
  request.iPixelType = PFD_TYPE_RGBA;
  request.cColorBits = request.cAlphaBits = request.cAccumBits = 32;
  request.cDepthBits = request.cStencilBits = request.cAuxBuffers = 32;
  request.iLayerType = PFD_OVERLAY_PLANE;

  const int format = ChoosePixelFormat(dc, &request);
  ASSERT_GT(format, 0);
  PIXELFORMATDESCRIPTOR got{};
  ASSERT_GT(DescribePixelFormat(dc, format, sizeof got, &got), 0);
  EXPECT_TRUE(got.dwFlags & PFD_DOUBLEBUFFER);
  EXPECT_TRUE(got.dwFlags & PFD_DRAW_TO_WINDOW);
  EXPECT_EQ(got.iPixelType, PFD_TYPE_RGBA);
  EXPECT_GT(got.cDepthBits, 0);
  std::printf("granted format %d of %d: colour %d (r%d g%d b%d) alpha %d depth %d stencil %d "
              "accum %d aux %d double %d stereo %d\n",
              format, DescribePixelFormat(dc, format, 0, nullptr), got.cColorBits, got.cRedBits,
              got.cGreenBits, got.cBlueBits, got.cAlphaBits, got.cDepthBits, got.cStencilBits,
              got.cAccumBits, got.cAuxBuffers, (got.dwFlags & PFD_DOUBLEBUFFER) != 0,
              (got.dwFlags & PFD_STEREO) != 0);

  ASSERT_TRUE(SetPixelFormat(dc, format, &request));
  EXPECT_EQ(GetDC(w), dc) << "the window and its device context stay the same";
  HGLRC rc = wglCreateContext(dc);
  ASSERT_NE(rc, nullptr);
  ASSERT_TRUE(wglMakeCurrent(dc, rc));
  const char* version = reinterpret_cast<const char*>(glGetString(GL_VERSION));
  ASSERT_NE(version, nullptr);
  std::printf("GL_VERSION %s, GL_RENDERER %s\n", version,
              reinterpret_cast<const char*>(glGetString(GL_RENDERER)));

  // Draw, present, and read the window's pixels back from the X server.
  glClearColor(1.0f, 0.0f, 0.0f, 1.0f);
  glClear(GL_COLOR_BUFFER_BIT);
  EXPECT_TRUE(SwapBuffers(dc));
  glFinish();
  const std::string pixel = run("xwd -silent -id " + xid(w) +
                                " | xwdtopnm 2>/dev/null | pnmcut -left 10 -top 10 -width 1 "
                                "-height 1 | pnmdepth 255 | pnmtoplainpnm | tail -n 1");
  EXPECT_NE(pixel.find("255 0 0"), std::string::npos) << pixel;

  const std::string tree = run("xwininfo -children -id " + xid(w));
  EXPECT_NE(tree.find(xid(bar)), std::string::npos) << tree;
  EXPECT_NE(run("xwininfo -id " + xid(w)).find("IsViewable"), std::string::npos);

  EXPECT_TRUE(wglMakeCurrent(dc, nullptr));
  EXPECT_TRUE(wglDeleteContext(rc));
  EXPECT_FALSE(wglDeleteContext(rc)) << "a deleted context is refused";
  EXPECT_EQ(ReleaseDC(w, dc), 1);
}

TEST_F(X11Platform, DestroyingAWindowWithACurrentContextReleasesIt) {
  HWND w = make("GL2", kWindowedStyle, 0, 0, 100, 100);
  ASSERT_NE(w, nullptr);
  HDC dc = GetDC(w);
  PIXELFORMATDESCRIPTOR request{};
  request.nSize = sizeof request;
  request.dwFlags = PFD_DOUBLEBUFFER | PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL;
  request.cColorBits = 24;
  request.cDepthBits = 16;
  ASSERT_TRUE(SetPixelFormat(dc, ChoosePixelFormat(dc, &request), &request));
  HGLRC rc = wglCreateContext(dc);
  ASSERT_TRUE(wglMakeCurrent(dc, rc));
  ASSERT_TRUE(DestroyWindow(w));
  // The tear-down of a window the user already closed: every call is safe.
  EXPECT_TRUE(wglMakeCurrent(dc, nullptr));
  EXPECT_TRUE(wglDeleteContext(rc));
  EXPECT_EQ(ReleaseDC(w, dc), 0);
  EXPECT_FALSE(DestroyWindow(w));
  EXPECT_FALSE(SwapBuffers(dc));
}

// Shows a box and answers it from another process, as a user would: waits
// for the dialog, reads its properties, then plays `actions` (xdotool
// commands) on it.
int answer_box(const char* text, const char* caption, UINT type, const std::string& actions,
               std::string* properties = nullptr) {
  std::thread driver([&] {
    std::string id = run(std::string("xdotool search --sync --onlyvisible --name '^") + caption +
                         "$' | head -n 1");
    while (!id.empty() && (id.back() == '\n' || id.back() == ' ')) id.pop_back();
    if (properties)
      *properties = run("xprop -id " + id + " _NET_WM_NAME _NET_WM_WINDOW_TYPE WM_NORMAL_HINTS");
    // The keys go through XTest to whatever has the focus, as a user's do
    // (chained after a search, xdotool would address the window instead).
    run("xdotool windowfocus --sync " + id);
    run("xdotool " + actions);
  });
  const int answer = MessageBoxA(nullptr, text, caption, type);
  driver.join();
  return answer;
}

TEST(X11MessageBox, KeysAnswerTheQuestionBox) {
  struct Case {
    const char* actions;
    int answer;
  } cases[] = {
      {"key n", IDNO},           {"key s", IDYES},         {"key Return", IDYES},
      {"key space", IDYES},      {"key Tab key Return", IDNO}, {"key Tab key Tab key space", IDYES},
      {"key Escape key n", IDNO},  // Escape cannot dismiss a Sì/No box
  };
  for (const Case& c : cases)
    EXPECT_EQ(answer_box("Settare lo schermo intero?  ", "Video!", MB_YESNO | MB_ICONQUESTION,
                         c.actions),
              c.answer)
        << c.actions;
}

TEST(X11MessageBox, OkBoxClosesWithEscapeOrReturn) {
  EXPECT_EQ(answer_box("la rispettiva applicazione non \xE8 stata inizilizata!", "Error", MB_OK,
                       "key Escape"),
            IDOK);
  EXPECT_EQ(answer_box("x", "Error", MB_OK, "key n key s key Return"), IDOK);
}

// Clicks at (dx, dy) from the dialog's centre-bottom: the buttons are 80
// pixels wide, 10 apart, centred, their middle 27 pixels above the bottom.
int click_box(UINT type, int dx) {
  std::thread driver([&] {
    const std::string geometry = run(
        "xdotool search --sync --onlyvisible --name '^Clic$' | head -n 1 | "
        "xargs -I{} xdotool getwindowgeometry --shell {}");
    int x = 0, y = 0, width = 0, height = 0;
    std::sscanf(geometry.c_str() + geometry.find("X="), "X=%d\nY=%d\nWIDTH=%d\nHEIGHT=%d", &x, &y,
                &width, &height);
    run("xdotool mousemove " + std::to_string(x + width / 2 + dx) + " " +
        std::to_string(y + height - 27) + " click 1");
  });
  const int answer = MessageBoxA(nullptr, "Clicca", "Clic", type);
  driver.join();
  return answer;
}

TEST(X11MessageBox, MouseClicksTheButtons) {
  EXPECT_EQ(click_box(MB_OK, 0), IDOK);
  EXPECT_EQ(click_box(MB_YESNO, 45), IDNO);
  EXPECT_EQ(click_box(MB_YESNO, -45), IDYES);
}

TEST(X11MessageBox, DialogCarriesTheCaptionAsATitle) {
  std::string properties;
  EXPECT_EQ(answer_box("Settare lo schermo intero?  ", "Video!", MB_YESNO | MB_ICONQUESTION,
                       "key n", &properties),
            IDNO);
  EXPECT_NE(properties.find("_NET_WM_NAME(UTF8_STRING) = \"Video!\""), std::string::npos)
      << properties;
  EXPECT_NE(properties.find("_NET_WM_WINDOW_TYPE_DIALOG"), std::string::npos) << properties;
}

}  // namespace
