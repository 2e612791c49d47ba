// The queue's ordering rules, window creation and destruction, classes,
// properties, painting and capture, on the headless backend.

#include <gtest/gtest.h>

#include <string>

#include "platform/resources.h"
#include "platform/tick_source.h"
#include "tests/platform/headless_fixture.h"

namespace {

MSG next(HWND filter = nullptr, UINT first = 0, UINT last = 0) {
  MSG m{};
  EXPECT_TRUE(PeekMessageA(&m, filter, first, last, PM_REMOVE));
  return m;
}

bool queue_empty() {
  MSG m;
  return !PeekMessageA(&m, nullptr, 0, 0, PM_NOREMOVE);
}

TEST_F(HeadlessPlatform, SentMessagesRunAtOnceAndReentrantly) {
  HWND w = make(WS_POPUP);
  procedure_behaviour() = [](HWND h, UINT m, WPARAM wp, LPARAM lp) -> LRESULT {
    if (m == WM_USER) return 100 + SendMessageA(h, WM_USER + 1, wp + 1, 0);
    if (m == WM_USER + 1) return static_cast<LRESULT>(wp);
    return DefWindowProcA(h, m, wp, lp);
  };
  message_log().clear();
  EXPECT_EQ(SendMessageA(w, WM_USER, 1, 0), 102);
  EXPECT_EQ(logged(), (std::vector<UINT>{WM_USER, WM_USER + 1}));
  EXPECT_TRUE(queue_empty());
}

TEST_F(HeadlessPlatform, CreationAndDestructionMessagesArriveInsideTheCalls) {
  std::string created_title;
  int created_width = 0;
  bool parent_alive_for_child_destroy = false;
  procedure_behaviour() = [&](HWND h, UINT m, WPARAM wp, LPARAM lp) -> LRESULT {
    if (m == WM_CREATE) {
      const auto* cs = reinterpret_cast<const CREATESTRUCTA*>(lp);
      created_title = cs->lpszName;
      created_width = cs->cx;
    }
    if (m == WM_DESTROY && GetParent(h)) parent_alive_for_child_destroy = IsWindow(GetParent(h));
    return DefWindowProcA(h, m, wp, lp);
  };
  HWND parent = make(WS_POPUP | WS_VISIBLE, nullptr, 0, 200, 100, "Finestra");
  ASSERT_NE(parent, nullptr);
  EXPECT_EQ(logged(), (std::vector<UINT>{WM_CREATE, WM_SIZE, WM_MOVE}));
  EXPECT_EQ(created_title, "Finestra");
  EXPECT_EQ(created_width, 200);

  HWND child = make(WS_CHILD | WS_VISIBLE, parent, 7);
  ASSERT_NE(child, nullptr);
  EXPECT_EQ(GetDlgCtrlID(child), 7);
  EXPECT_EQ(GetParent(child), parent);

  message_log().clear();
  EXPECT_TRUE(DestroyWindow(parent));
  ASSERT_EQ(message_log().size(), 2u);
  EXPECT_EQ(message_log()[0].window, parent);
  EXPECT_EQ(message_log()[1].window, child);
  EXPECT_EQ(logged(), (std::vector<UINT>{WM_DESTROY, WM_DESTROY}));
  EXPECT_TRUE(parent_alive_for_child_destroy);
  EXPECT_FALSE(IsWindow(parent));
  EXPECT_FALSE(IsWindow(child));
  EXPECT_TRUE(all_windows().empty());
}

TEST_F(HeadlessPlatform, CreationFailuresGiveANullHandle) {
  procedure_behaviour() = [](HWND h, UINT m, WPARAM wp, LPARAM lp) -> LRESULT {
    return m == WM_CREATE ? -1 : DefWindowProcA(h, m, wp, lp);
  };
  EXPECT_EQ(make(), nullptr);
  EXPECT_EQ(logged(), (std::vector<UINT>{WM_CREATE, WM_DESTROY}));
  procedure_behaviour() = nullptr;

  message_log().clear();
  EXPECT_EQ(CreateWindowExA(0, "NoSuchClass", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                            nullptr, nullptr),
            nullptr);
  EXPECT_EQ(make(WS_CHILD, nullptr), nullptr) << "a child needs a parent";
  backend.refuse_windows = true;
  EXPECT_EQ(make(), nullptr) << "no native window, no window";
  EXPECT_TRUE(message_log().empty());
  EXPECT_TRUE(all_windows().empty());
}

TEST_F(HeadlessPlatform, PostedAndInputMessagesComeFirstInFirstOut) {
  HWND w = make(WS_POPUP);  // not shown: no paint request in the way
  PostMessageA(w, WM_USER, 1, 0);
  backend.inject(w, WM_KEYDOWN, 'A', 0);
  MSG peeked;
  ASSERT_TRUE(PeekMessageA(&peeked, nullptr, 0, 0, PM_NOREMOVE));  // takes the key in
  PostMessageA(w, WM_USER, 2, 0);
  backend.inject(w, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 4));
  const MSG a = next(), b = next(), c = next(), d = next();
  EXPECT_EQ(a.message, WM_USER);
  EXPECT_EQ(a.wParam, 1u);
  EXPECT_EQ(b.message, WM_KEYDOWN);
  EXPECT_EQ(c.message, WM_USER);
  EXPECT_EQ(c.wParam, 2u);
  EXPECT_EQ(d.message, WM_LBUTTONDOWN);
  EXPECT_EQ(d.lParam, MAKELPARAM(3, 4));
  EXPECT_TRUE(queue_empty());
}

TEST_F(HeadlessPlatform, MouseMoveReplacesAWaitingMoveButNeverJumpsOtherInput) {
  HWND a = make(WS_POPUP);
  HWND b = make(WS_POPUP);
  auto move = [](HWND w, int x) { return Logged{w, WM_MOUSEMOVE, 0, MAKELPARAM(x, x)}; };
  struct Case {
    const char* name;
    std::vector<Logged> injected;
    std::vector<Logged> expected;
  } cases[] = {
      {"a backlog collapses to the latest", {move(a, 1), move(a, 2), move(a, 3)}, {move(a, 3)}},
      {"a button keeps the moves on either side",
       {move(a, 1), Logged{a, WM_LBUTTONDOWN, 0, 0}, move(a, 2), move(a, 3)},
       {move(a, 1), Logged{a, WM_LBUTTONDOWN, 0, 0}, move(a, 3)}},
      {"another window's move keeps the order", {move(a, 1), move(b, 2), move(a, 3)},
       {move(a, 1), move(b, 2), move(a, 3)}},
  };
  for (const Case& c : cases) {
    for (const Logged& l : c.injected) backend.inject(l.window, l.message, l.wparam, l.lparam);
    for (const Logged& e : c.expected) {
      const MSG m = next();
      EXPECT_EQ(m.hwnd, e.window) << c.name;
      EXPECT_EQ(m.message, e.message) << c.name;
      EXPECT_EQ(m.lParam, e.lparam) << c.name;
    }
    EXPECT_TRUE(queue_empty()) << c.name;
  }

  // A posted message between two moves does not stop the merge: the move is
  // brought up to date where it waits.
  backend.inject(a, WM_MOUSEMOVE, 0, MAKELPARAM(6, 6));
  MSG peeked;
  ASSERT_TRUE(PeekMessageA(&peeked, nullptr, 0, 0, PM_NOREMOVE));
  PostMessageA(a, WM_USER, 0, 0);
  backend.inject(a, WM_MOUSEMOVE, 0, MAKELPARAM(7, 7));
  EXPECT_EQ(next().lParam, MAKELPARAM(7, 7));
  EXPECT_EQ(next().message, WM_USER);
  EXPECT_TRUE(queue_empty());
}

TEST_F(HeadlessPlatform, PaintComesWhenNothingElseWaitsAndQuitComesLast) {
  HWND w = make(WS_POPUP | WS_VISIBLE);  // shown: it needs painting
  PostQuitMessage(3);
  PostMessageA(w, WM_USER, 0, 0);
  MSG m;
  ASSERT_TRUE(GetMessageA(&m, nullptr, 0, 0));
  EXPECT_EQ(m.message, WM_USER);
  ASSERT_TRUE(GetMessageA(&m, nullptr, 0, 0));
  EXPECT_EQ(m.message, WM_PAINT);
  EXPECT_EQ(m.hwnd, w);
  DispatchMessageA(&m);  // the default handling validates the window
  EXPECT_FALSE(GetMessageA(&m, nullptr, 0, 0));
  EXPECT_EQ(m.message, WM_QUIT);
  EXPECT_EQ(m.wParam, 3u);
  EXPECT_TRUE(queue_empty());
}

TEST_F(HeadlessPlatform, PaintRequestStaysUntilTheWindowIsValidated) {
  HWND w = make(WS_POPUP | WS_VISIBLE);
  procedure_behaviour() = [](HWND h, UINT m, WPARAM wp, LPARAM lp) -> LRESULT {
    return m == WM_PAINT ? 0 : DefWindowProcA(h, m, wp, lp);  // paints nothing
  };
  for (int i = 0; i < 3; ++i) {
    const MSG m = next();
    EXPECT_EQ(m.message, WM_PAINT);
    DispatchMessageA(&m);
  }
  procedure_behaviour() = nullptr;
  const MSG m = next();
  DispatchMessageA(&m);
  EXPECT_TRUE(queue_empty());

  // A hidden window asks for no paint.
  HWND hidden = make(WS_POPUP);
  EXPECT_TRUE(InvalidateRect(hidden, nullptr, TRUE));
  EXPECT_TRUE(queue_empty());
  (void)w;
}

TEST_F(HeadlessPlatform, PeekNeverBlocksAndNoRemoveLeavesTheMessage) {
  HWND w = make(WS_POPUP);
  MSG m;
  EXPECT_FALSE(PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE));
  PostMessageA(w, WM_USER, 9, 0);
  for (int i = 0; i < 2; ++i) {
    ASSERT_TRUE(PeekMessageA(&m, nullptr, 0, 0, PM_NOREMOVE));
    EXPECT_EQ(m.message, WM_USER);
  }
  ASSERT_TRUE(GetMessageA(&m, nullptr, 0, 0));
  EXPECT_EQ(m.wParam, 9u);
  EXPECT_FALSE(PeekMessageA(&m, nullptr, 0, 0, PM_NOREMOVE));
}

TEST_F(HeadlessPlatform, FiltersSelectByWindowAndRange) {
  HWND a = make(WS_POPUP);
  HWND b = make(WS_POPUP);
  HWND child = make(WS_CHILD, a);
  PostMessageA(a, WM_USER, 0, 0);
  PostMessageA(b, WM_USER + 1, 0, 0);
  PostMessageA(child, WM_USER + 2, 0, 0);
  PostMessageA(nullptr, WM_USER + 3, 0, 0);
  EXPECT_EQ(next(b).message, WM_USER + 1u);
  EXPECT_EQ(next(nullptr, WM_USER + 3, WM_USER + 3).message, WM_USER + 3u);
  EXPECT_EQ(next(a).message, WM_USER + 0u);
  EXPECT_EQ(next(a).message, WM_USER + 2u) << "a window's filter takes its children's too";
  EXPECT_TRUE(queue_empty());
}

DWORD fake_now = 0;
DWORD fake_clock() { return fake_now; }

TEST_F(HeadlessPlatform, TimersFireAtTheirPeriodWithoutPilingUp) {
  set_tick_count_source(fake_clock);
  for (DWORD start : {DWORD{1000}, DWORD{0xFFFFFFC0u}}) {  // also across the wrap
    fake_now = start;
    HWND w = make(WS_POPUP);
    EXPECT_EQ(SetTimer(w, 1, 100, nullptr), 1u);
    MSG m;
    EXPECT_FALSE(PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE));
    fake_now += 99;
    EXPECT_FALSE(PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE));
    fake_now += 1;
    m = next();
    EXPECT_EQ(m.message, WM_TIMER);
    EXPECT_EQ(m.wParam, 1u);
    EXPECT_EQ(m.hwnd, w);
    fake_now += 350;  // three and a half periods late: one message, not three
    EXPECT_EQ(next().message, WM_TIMER);
    EXPECT_FALSE(PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE));
    EXPECT_TRUE(KillTimer(w, 1));
    EXPECT_FALSE(KillTimer(w, 1));
    fake_now += 1000;
    EXPECT_FALSE(PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE));
    DestroyWindow(w);
  }
  set_tick_count_source(nullptr);
}

TEST_F(HeadlessPlatform, CloseRequestsDefaultHandlingDestroysTheWindow) {
  HWND w = make(WS_POPUP);
  backend.inject(w, WM_CLOSE, 0, 0);
  const MSG m = next();
  DispatchMessageA(&m);
  EXPECT_EQ(logged({WM_CLOSE, WM_DESTROY}), (std::vector<UINT>{WM_CLOSE, WM_DESTROY}));
  EXPECT_FALSE(IsWindow(w));
}

TEST_F(HeadlessPlatform, StaleHandlesAreRefused) {
  HWND w = make(WS_POPUP);
  PostMessageA(w, WM_USER, 0, 0);
  int destroys = 0;
  procedure_behaviour() = [&](HWND h, UINT m, WPARAM wp, LPARAM lp) -> LRESULT {
    if (m == WM_DESTROY) {
      ++destroys;
      EXPECT_TRUE(DestroyWindow(h)) << "re-entrant destruction is a no-op";
    }
    return DefWindowProcA(h, m, wp, lp);
  };
  ASSERT_TRUE(DestroyWindow(w));
  EXPECT_EQ(destroys, 1);
  EXPECT_TRUE(queue_empty()) << "messages for a destroyed window are dropped";
  message_log().clear();
  EXPECT_FALSE(DestroyWindow(w));
  EXPECT_EQ(SendMessageA(w, WM_USER, 0, 0), 0);
  EXPECT_FALSE(PostMessageA(w, WM_USER, 0, 0));
  EXPECT_EQ(GetDC(w), nullptr);
  EXPECT_FALSE(SetPropA(w, "X", w));
  EXPECT_FALSE(ShowWindow(w, SW_SHOW));
  char text[8] = "zzz";
  EXPECT_EQ(GetWindowTextA(w, text, sizeof text), 0);
  EXPECT_TRUE(message_log().empty());
}

TEST_F(HeadlessPlatform, TranslateMessagePutsTheCharacterRightAfterItsKey) {
  HWND w = make(WS_POPUP);
  remember_key_character(w, 0x1E0001, 'a');
  backend.inject(w, WM_KEYDOWN, 'A', 0x1E0001);
  backend.inject(w, WM_KEYDOWN, VK_LEFT, 0x710001);  // no character
  MSG m = next();
  EXPECT_TRUE(TranslateMessage(&m));
  m = next();
  EXPECT_EQ(m.message, WM_CHAR);
  EXPECT_EQ(m.wParam, static_cast<WPARAM>('a'));
  m = next();
  EXPECT_EQ(m.wParam, VK_LEFT);
  EXPECT_FALSE(TranslateMessage(&m));
  EXPECT_TRUE(queue_empty());
}

TEST_F(HeadlessPlatform, ClassNamesRegisterOnceWhateverTheirCase) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = logging_procedure;
  wc.lpszClassName = kClass;
  EXPECT_EQ(RegisterClassA(&wc), 0);
  wc.lpszClassName = "headlesstestwindow";
  EXPECT_EQ(RegisterClassA(&wc), 0);
  wc.lpszClassName = "ClassWithoutProcedure";
  wc.lpfnWndProc = nullptr;
  EXPECT_EQ(RegisterClassA(&wc), 0);
  EXPECT_EQ(RegisterClassA(nullptr), 0);

  WNDCLASSEXA info{};
  const BOOL atom = GetClassInfoExA(nullptr, "HEADLESSTESTWINDOW", &info);
  EXPECT_NE(atom, 0);
  EXPECT_EQ(info.lpfnWndProc, logging_procedure);
  EXPECT_STREQ(info.lpszClassName, kClass);
  EXPECT_FALSE(GetClassInfoExA(nullptr, "Unknown", &info));
  // A window can be made from the class's atom too.
  EXPECT_NE(CreateWindowExA(0, MAKEINTRESOURCEA(atom), "", WS_POPUP, 0, 0, 1, 1, nullptr,
                            nullptr, nullptr, nullptr),
            nullptr);
}

TEST_F(HeadlessPlatform, PropertiesAreNamedPerWindow) {
  HWND a = make(WS_POPUP);
  HWND b = make(WS_POPUP);
  int value = 0;
  EXPECT_TRUE(SetPropA(a, "HoverModeByte", &value));
  EXPECT_EQ(GetPropA(a, "HOVERMODEBYTE"), &value) << "names compare case-insensitively";
  EXPECT_EQ(GetPropA(b, "HOVERMODEBYTE"), nullptr);
  EXPECT_EQ(GetPropA(a, "Other"), nullptr);
  EXPECT_TRUE(SetPropA(a, "HOVERMODEBYTE", reinterpret_cast<HANDLE>(uintptr_t{3})));
  EXPECT_EQ(RemovePropA(a, "hovermodebyte"), reinterpret_cast<HANDLE>(uintptr_t{3}));
  EXPECT_EQ(GetPropA(a, "HOVERMODEBYTE"), nullptr);
  EXPECT_EQ(RemovePropA(a, "HOVERMODEBYTE"), nullptr);
}

TEST_F(HeadlessPlatform, CaptureFollowsItsWindow) {
  HWND a = make(WS_POPUP);
  HWND b = make(WS_POPUP);
  EXPECT_EQ(SetCapture(a), nullptr);
  EXPECT_EQ(backend.grabbed, a);
  EXPECT_EQ(SetCapture(b), a);
  EXPECT_EQ(GetCapture(), b);
  EXPECT_TRUE(ReleaseCapture());
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_EQ(backend.grabbed, nullptr);
  SetCapture(a);
  DestroyWindow(a);
  EXPECT_EQ(GetCapture(), nullptr) << "a destroyed window gives the capture up";
  EXPECT_EQ(backend.grabbed, nullptr);
}

TEST_F(HeadlessPlatform, PaintingReportsTheInvalidAreaAndErasesOnRequest) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = logging_procedure;
  wc.hbrBackground = reinterpret_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  wc.lpszClassName = "HeadlessWhiteWindow";
  RegisterClassA(&wc);
  HWND w = CreateWindowExA(0, "HeadlessWhiteWindow", "", WS_POPUP | WS_VISIBLE, 0, 0, 50, 40,
                           nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(w, nullptr);
  // Shown: invalid and to be erased. UpdateWindow paints at once.
  message_log().clear();
  EXPECT_TRUE(UpdateWindow(w));
  EXPECT_EQ(logged({WM_PAINT, WM_ERASEBKGND}), (std::vector<UINT>{WM_PAINT, WM_ERASEBKGND}));
  ASSERT_EQ(backend.drawn.size(), 1u);
  EXPECT_EQ(backend.drawn[0].kind, HeadlessBackend::DrawOp::kFill);
  EXPECT_EQ(backend.drawn[0].rect.right, 50);
  EXPECT_EQ(backend.drawn[0].colour, 0x00FFFFFFu);
  message_log().clear();
  EXPECT_TRUE(UpdateWindow(w));
  EXPECT_TRUE(message_log().empty()) << "nothing left to paint";

  const RECT r1{10, 10, 20, 20}, r2{30, 5, 40, 15};
  InvalidateRect(w, &r1, FALSE);
  InvalidateRect(w, &r2, FALSE);
  PAINTSTRUCT ps{};
  HDC dc = BeginPaint(w, &ps);
  EXPECT_EQ(dc, GetDC(w));
  EXPECT_EQ(ps.rcPaint.left, 10);
  EXPECT_EQ(ps.rcPaint.top, 5);
  EXPECT_EQ(ps.rcPaint.right, 40);
  EXPECT_EQ(ps.rcPaint.bottom, 20);
  EXPECT_TRUE(EndPaint(w, &ps));
  EXPECT_TRUE(logged({WM_ERASEBKGND}).empty()) << "no erase was asked for";

  // A window drawn with OpenGL is never cleared by the erase.
  ASSERT_TRUE(SetPixelFormat(GetDC(w), 1, nullptr));
  backend.drawn.clear();
  InvalidateRect(w, nullptr, TRUE);
  UpdateWindow(w);
  EXPECT_TRUE(backend.drawn.empty());
}

TEST_F(HeadlessPlatform, GlBindingFollowsTheWindowsDeviceContext) {
  HWND w = make(WS_POPUP | WS_VISIBLE);
  HDC dc = GetDC(w);
  ASSERT_NE(dc, nullptr);
  EXPECT_EQ(GetDC(w), dc);
  EXPECT_NE(GetDC(nullptr), nullptr);
  EXPECT_NE(GetDC(nullptr), dc);

  PIXELFORMATDESCRIPTOR request{};
  request.dwFlags = PFD_DOUBLEBUFFER | PFD_STEREO | PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL;
  request.cColorBits = request.cAlphaBits = request.cAccumBits = 32;
  request.cDepthBits = request.cStencilBits = request.cAuxBuffers = 32;
  request.iLayerType = PFD_OVERLAY_PLANE;
  EXPECT_EQ(wglCreateContext(dc), nullptr) << "no pixel format yet";
  const int format = ChoosePixelFormat(dc, &request);
  EXPECT_EQ(format, 6);  // double buffered, depth, stencil and accumulation
  EXPECT_FALSE(SetPixelFormat(dc, 0, &request));
  EXPECT_FALSE(SetPixelFormat(dc, 7, &request));
  ASSERT_TRUE(SetPixelFormat(dc, format, &request));
  EXPECT_TRUE(SetPixelFormat(dc, format, &request));
  EXPECT_FALSE(SetPixelFormat(dc, 1, &request)) << "a window's format is set once";

  HGLRC rc = wglCreateContext(dc);
  ASSERT_NE(rc, nullptr);
  ASSERT_TRUE(wglMakeCurrent(dc, rc));
  EXPECT_EQ(backend.current_window, w);
  EXPECT_TRUE(SwapBuffers(dc));
  EXPECT_EQ(backend.swaps, 1);

  DestroyWindow(w);
  EXPECT_EQ(backend.current_context, nullptr) << "released with its window";
  EXPECT_FALSE(SwapBuffers(dc));
  EXPECT_FALSE(wglMakeCurrent(dc, rc));
  EXPECT_TRUE(wglMakeCurrent(dc, nullptr));
  EXPECT_EQ(ReleaseDC(w, dc), 0);
  EXPECT_TRUE(wglDeleteContext(rc));
  EXPECT_FALSE(wglDeleteContext(rc));
  EXPECT_EQ(backend.contexts_alive, 0);
}

TEST_F(HeadlessPlatform, ScreenPointerAndForegroundComeFromTheBackend) {
  HWND w = make(WS_POPUP);
  backend.width = 1600;
  backend.height = 900;
  EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 1600);
  EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), 900);
  EXPECT_TRUE(SetCursorPos(800, 450));
  POINT p{};
  EXPECT_TRUE(GetCursorPos(&p));
  EXPECT_EQ(p.X, 800);
  EXPECT_EQ(p.Y, 450);
  EXPECT_EQ(GetForegroundWindow(), nullptr);
  backend.foreground = w;
  EXPECT_EQ(GetForegroundWindow(), w);
}

}  // namespace
