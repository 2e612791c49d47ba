// Windows, window classes, the message queue, input, painting and the other
// window-system services the framework is written against. Implemented over
// X11 in platform/x11/; the queue's ordering rules are display-independent.
#pragma once

#include "platform/types.h"

// ---- messages -------------------------------------------------------------
enum : UINT {
  WM_NULL = 0,
  WM_CREATE = 1,
  WM_DESTROY = 2,
  WM_MOVE = 3,
  WM_SIZE = 5,
  WM_PAINT = 15,
  WM_CLOSE = 16,
  WM_QUIT = 18,
  WM_ERASEBKGND = 20,
  WM_CONTEXTMENU = 123,
  WM_KEYDOWN = 256,
  WM_KEYUP = 257,
  WM_CHAR = 258,
  WM_COMMAND = 273,
  WM_SYSCOMMAND = 274,
  WM_TIMER = 275,
  WM_MOUSEMOVE = 512,
  WM_LBUTTONDOWN = 513,
  WM_LBUTTONUP = 514,
  WM_RBUTTONDOWN = 516,
  WM_RBUTTONUP = 517,
  WM_MBUTTONDOWN = 519,
  WM_MBUTTONUP = 520,
  WM_USER = 1024,
};

// WM_SYSCOMMAND: the close command.
enum : WPARAM { SC_CLOSE = 0xF060 };

// Button and modifier flags in the WPARAM of mouse messages.
enum : WPARAM { MK_LBUTTON = 0x1, MK_RBUTTON = 0x2, MK_SHIFT = 0x4, MK_CONTROL = 0x8, MK_MBUTTON = 0x10 };

// Virtual-key codes (the WPARAM of key messages). Letters and digits are
// their upper-case ASCII codes.
enum : WPARAM {
  VK_BACK = 8, VK_TAB = 9, VK_RETURN = 13, VK_SHIFT = 16, VK_CONTROL = 17, VK_MENU = 18,
  VK_ESCAPE = 27, VK_SPACE = 32, VK_PRIOR = 33, VK_NEXT = 34, VK_END = 35, VK_HOME = 36,
  VK_LEFT = 37, VK_UP = 38, VK_RIGHT = 39, VK_DOWN = 40, VK_INSERT = 45, VK_DELETE = 46,
  VK_F1 = 112, VK_F12 = 123,
};

// PeekMessageA options.
enum : UINT { PM_NOREMOVE = 0, PM_REMOVE = 1 };

// ---- window styles (our own bit assignment) --------------------------------
enum : DWORD {
  WS_OVERLAPPED = 0,
  WS_POPUP = 1u << 31,
  WS_CHILD = 1u << 30,
  WS_VISIBLE = 1u << 28,
  WS_CLIPSIBLINGS = 1u << 26,
  WS_CLIPCHILDREN = 1u << 25,
  WS_BORDER = 1u << 23,
  WS_DLGFRAME = 1u << 22,
  WS_CAPTION = WS_BORDER | WS_DLGFRAME,
  WS_SYSMENU = 1u << 19,
  WS_THICKFRAME = 1u << 18,
  WS_MINIMIZEBOX = 1u << 17,
  WS_MAXIMIZEBOX = 1u << 16,
};

// Class styles.
enum : UINT { CS_VREDRAW = 0x1, CS_HREDRAW = 0x2 };

// Position that lets the platform choose (a top-level window goes to the
// screen origin).
constexpr int CW_USEDEFAULT = static_cast<int>(0x80000000u);

// ShowWindow commands.
enum : int { SW_HIDE = 0, SW_SHOWNORMAL = 1, SW_SHOW = 5, SW_SHOWDEFAULT = 10 };

// GetSystemMetrics indices.
enum : int { SM_CXSCREEN = 0, SM_CYSCREEN = 1 };

// ---- records --------------------------------------------------------------
typedef LRESULT (*WNDPROC)(HWND, UINT, WPARAM, LPARAM);

struct POINT {
  LONG X, Y;
};

struct RECT {
  LONG left, top, right, bottom;
};

struct MSG {
  HWND hwnd;
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
  DWORD time;
  POINT pt;
};

struct PAINTSTRUCT {
  HDC hdc;
  BOOL fErase;
  RECT rcPaint;
};

struct WNDCLASSA {
  UINT style;
  WNDPROC lpfnWndProc;
  int cbClsExtra;
  int cbWndExtra;
  HINSTANCE hInstance;
  HICON hIcon;
  HCURSOR hCursor;
  HBRUSH hbrBackground;
  LPCSTR lpszMenuName;
  LPCSTR lpszClassName;
};

// What WM_CREATE's LPARAM points at.
struct CREATESTRUCTA {
  LPVOID lpCreateParams;
  HINSTANCE hInstance;
  HMENU hMenu;
  HWND hwndParent;
  int cy;
  int cx;
  int y;
  int x;
  LONG style;
  LPCSTR lpszName;
  LPCSTR lpszClass;
  DWORD dwExStyle;
};

struct WNDCLASSEXA {
  UINT cbSize;
  UINT style;
  WNDPROC lpfnWndProc;
  int cbClsExtra;
  int cbWndExtra;
  HINSTANCE hInstance;
  HICON hIcon;
  HCURSOR hCursor;
  HBRUSH hbrBackground;
  LPCSTR lpszMenuName;
  LPCSTR lpszClassName;
  HICON hIconSm;
};

// ---- module ----------------------------------------------------------------
// The program's instance handle (name null) .
HINSTANCE GetModuleHandleA(LPCSTR name);
// The show command the process was started with.
int GetStartupShowCommand();

// ---- classes and windows -------------------------------------------------
// Class names are compared case-insensitively; registering a name twice
// fails with atom 0.
ATOM RegisterClassA(const WNDCLASSA* wc);
ATOM RegisterClassExA(const WNDCLASSEXA* wc);
BOOL GetClassInfoExA(HINSTANCE instance, LPCSTR class_name, WNDCLASSEXA* wc);

// WM_CREATE reaches the class's procedure inside this call; a procedure that
// answers -1 makes creation fail (null handle). With WS_CHILD, `menu` carries
// the control identifier.
HWND CreateWindowExA(DWORD ex_style, LPCSTR class_name, LPCSTR title, DWORD style, int x, int y,
                     int width, int height, HWND parent, HMENU menu, HINSTANCE instance,
                     LPVOID param);
// WM_DESTROY reaches the window's procedure inside the call, then its
// children's; the records go children first.
BOOL DestroyWindow(HWND window);
BOOL IsWindow(HWND window);
LRESULT DefWindowProcA(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
BOOL ShowWindow(HWND window, int command);
// Sends WM_PAINT at once when the window has an invalid area.
BOOL UpdateWindow(HWND window);
// The text is Windows-1252.
BOOL SetWindowTextA(HWND window, LPCSTR text);
int GetWindowTextA(HWND window, LPSTR buffer, int size);
// Outer rectangle in screen pixels.
BOOL GetWindowRect(HWND window, RECT* rect);
BOOL GetClientRect(HWND window, RECT* rect);
// Position relative to the parent's client area (screen for top-level).
BOOL MoveWindow(HWND window, int x, int y, int width, int height, BOOL repaint);
HWND GetParent(HWND window);
int GetDlgCtrlID(HWND window);
// Marks the area (null: all) for repainting; WM_PAINT follows when the queue
// is otherwise empty.
BOOL InvalidateRect(HWND window, const RECT* rect, BOOL erase);
// Gives the window the shape of the region (the platform owns it afterwards;
// null removes the shape).
int SetWindowRgn(HWND window, HRGN region, BOOL redraw);

// Named window properties holding handle-sized values.
BOOL SetPropA(HWND window, LPCSTR name, HANDLE value);
HANDLE GetPropA(HWND window, LPCSTR name);
HANDLE RemovePropA(HWND window, LPCSTR name);

// ---- message queue ---------------------------------------------------------
// Never blocks. Rules: sent messages run at once; posted and input messages
// are first-in first-out; a mouse move replaces a mouse move still waiting;
// paint requests come when nothing else waits; the quit request comes last.
BOOL PeekMessageA(MSG* msg, HWND window, UINT first, UINT last, UINT remove);
// Waits for a message; returns 0 for WM_QUIT.
BOOL GetMessageA(MSG* msg, HWND window, UINT first, UINT last);
BOOL TranslateMessage(const MSG* msg);
LRESULT DispatchMessageA(const MSG* msg);
LRESULT SendMessageA(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
BOOL PostMessageA(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
void PostQuitMessage(int exit_code);

// Timers post WM_TIMER with the identifier in WPARAM.
uintptr_t SetTimer(HWND window, uintptr_t id, UINT milliseconds, void* unused);
BOOL KillTimer(HWND window, uintptr_t id);

// ---- input -----------------------------------------------------------------
// Mouse capture is a real pointer grab: a drag keeps reporting outside.
HWND SetCapture(HWND window);
BOOL ReleaseCapture();
HWND GetCapture();
BOOL GetCursorPos(POINT* point);
BOOL SetCursorPos(int x, int y);
HWND GetForegroundWindow();
int GetSystemMetrics(int index);
// Milliseconds since an arbitrary start, wrapping at 2^32.
DWORD GetTickCount();

// ---- painting and device contexts ------------------------------------------
HDC BeginPaint(HWND window, PAINTSTRUCT* paint);
BOOL EndPaint(HWND window, const PAINTSTRUCT* paint);
// A window's device context; GetDC(0) gives the screen's.
HDC GetDC(HWND window);
int ReleaseDC(HWND window, HDC dc);
