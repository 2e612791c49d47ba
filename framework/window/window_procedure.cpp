#include "framework/window/window_procedure.h"

#include <climits>
#include <cmath>

#include "framework/render/window_size.h"
#include "framework/window/window_lifecycle.h"

bool ACTIVE = false;
int32_t SETKEY[SETKEY_LAST + 1] = {};
bool MOUSEFREE = false;
bool LEFTMOUSEDOWN = false, LEFTMOUSEDOWN2 = false;
bool RIGHTMOUSEDOWN = false, RIGHTMOUSEDOWN2 = false;
int XCOORD = 0, YCOORD = 0, ZCOORD = 0;
int SETMX = 0, SETMY = 0;
int SETOMX = 0, SETOMY = 0;
float XROT = 0, YROT = 0, XROT2 = 0, YROT2 = 0;
float DEPTH = 0, DEPTH2 = 0;
POINT MPOS = {0, 0};
int MSPEED = 0;
bool VIEWFPS = false;
int FPSCOUNT = 0;
int FORCEFPS = 1;
int ADDFORCEFPS = 0;
LRESULT (*GETINPUTCOMMAND)(HWND, UINT, WPARAM, LPARAM) = nullptr;
void (*CREATEMOUSEMENU)() = nullptr;
MSG MSG_ = {};

namespace {

constexpr int32_t KEY_DOWN = -1;  // all bits set

// Client coordinates packed x low, y high; each half is signed, so a captured
// drag left of or above the window gives a negative position.
int lparam_x(LPARAM lparam) { return static_cast<int16_t>(LOWORD(static_cast<uintptr_t>(lparam))); }
int lparam_y(LPARAM lparam) { return static_cast<int16_t>(HIWORD(static_cast<uintptr_t>(lparam))); }

// Key codes beyond the table are ignored rather than written past its end.
void set_key(WPARAM code, int32_t value) {
  if (code <= SETKEY_LAST) SETKEY[code] = value;
}

// Increments are computed in double from the integer offsets and stored back
// in single precision.
void add_to(float& value, double increment) { value = static_cast<float>(value + increment); }

float clamp_tilt(float value) {
  if (value > 60) return 60;
  if (value < -60) return -60;
  return value;
}

void mouse_move(LPARAM lparam) {
  const int x = lparam_x(lparam);
  const int y = lparam_y(lparam);
  SETOMX = x;
  SETOMY = y;
  if (LEFTMOUSEDOWN) {
    const double dx = double(x) - XCOORD;
    const double dy = double(y) - YCOORD;
    add_to(XROT, dy / 2 * MSPEED);
    add_to(YROT, dx / 2 * MSPEED);
    add_to(XROT2, dy / 2 * MSPEED);
    add_to(YROT2, dx / 2 * MSPEED);
    XCOORD = x;
    YCOORD = y;
  }
  if (RIGHTMOUSEDOWN && !MOUSEFREE) {
    const double dz = double(y) - ZCOORD;
    add_to(DEPTH, -(dz / 10 * MSPEED));
    add_to(DEPTH2, -(dz / 10 * MSPEED));
    ZCOORD = y;
  }
  if (MOUSEFREE && HWINDOW != nullptr && GetForegroundWindow() == HWINDOW) {
    GetCursorPos(&MPOS);
    const POINT centre = {WIDTH / 2, HEIGHT / 2};
    SetCursorPos(centre.X, centre.Y);
    apply_free_look(MPOS, centre);
  }
}

}  // namespace

void apply_free_look(POINT cursor, POINT centre) {
  const double turn = (double(cursor.X) - centre.X) / 100 * MSPEED;
  const double tilt = (double(centre.Y) - cursor.Y) / 100 * MSPEED;
  add_to(XROT, turn);
  YROT = clamp_tilt(static_cast<float>(YROT - tilt));
  add_to(XROT2, turn);
  YROT2 = clamp_tilt(static_cast<float>(YROT2 - tilt));
}

int frame_rate_step() {
  // The product is formed in double so a large count cannot overflow; the
  // rate is rounded to nearest, ties to even, and kept within 32 bits.
  const double n = double(FORCEFPS) * 1000.0 * double(FPSCOUNT);
  double rate = std::nearbyint(n / FPS_INTERVAL);
  if (rate > INT_MAX) rate = INT_MAX;
  if (rate < INT_MIN) rate = INT_MIN;
  FPSCOUNT = static_cast<int>(rate);
  if (ADDFORCEFPS > 1) {
    if (FPSCOUNT < ADDFORCEFPS) {
      FORCEFPS = FORCEFPS + 1;
    } else if (FPSCOUNT > ADDFORCEFPS) {
      FORCEFPS = FORCEFPS - 1;
    }
  }
  if (FPSCOUNT < 1) FPSCOUNT = 1;
  return FPSCOUNT;
}

std::string frame_rate_title(int rate) {
  std::string title = SETTITLENAME ? SETTITLENAME : "";
  title += " - FPS [";
  title += std::to_string(rate);
  title += "]";
  return title;
}

LRESULT GLWNDPROC(HWND WINDOW, UINT AMESSAGE, WPARAM wparam, LPARAM lparam) {
  switch (AMESSAGE) {
    case WM_CREATE:
      ACTIVE = true;
      return 0;
    case WM_DESTROY:
      ACTIVE = false;
      PostQuitMessage(0);
      return 0;
    case WM_PAINT: {
      PAINTSTRUCT paint;
      BeginPaint(WINDOW, &paint);
      UpdateWindow(HSTATUS);
      EndPaint(WINDOW, &paint);
      return 0;
    }
    case WM_CONTEXTMENU:
      if (SHOWMENUBAR && CREATEMOUSEMENU) CREATEMOUSEMENU();
      break;
    case WM_KEYDOWN:
      if (wparam == VK_ESCAPE) {
        SendMessageA(HWINDOW, WM_DESTROY, 0, 0);
        return 0;
      }
      set_key(wparam, KEY_DOWN);
      break;
    case WM_KEYUP:
      set_key(wparam, 0);
      MOUSEFREE = false;
      break;
    case WM_COMMAND:
      if (SHOWMENUBAR && GETINPUTCOMMAND) GETINPUTCOMMAND(WINDOW, AMESSAGE, wparam, lparam);
      return 0;
    case WM_TIMER:
      if (VIEWFPS && wparam == WPARAM(FPS_TIMER)) {
        const std::string title = frame_rate_title(frame_rate_step());
        SetWindowTextA(HWINDOW, title.c_str());
        FPSCOUNT = 0;
      }
      break;
    case WM_MOUSEMOVE:
      mouse_move(lparam);
      break;
    case WM_LBUTTONDOWN:
      ReleaseCapture();
      SetCapture(HWINDOW);
      LEFTMOUSEDOWN = LEFTMOUSEDOWN2 = true;
      XCOORD = SETMX = lparam_x(lparam);
      YCOORD = SETMY = lparam_y(lparam);
      break;
    case WM_LBUTTONUP:
      ReleaseCapture();
      LEFTMOUSEDOWN = LEFTMOUSEDOWN2 = false;
      XCOORD = YCOORD = SETMX = SETMY = 0;
      break;
    case WM_RBUTTONDOWN:
      ReleaseCapture();
      SetCapture(HWINDOW);
      RIGHTMOUSEDOWN = RIGHTMOUSEDOWN2 = true;
      ZCOORD = lparam_y(lparam);
      break;
    case WM_RBUTTONUP:
      ReleaseCapture();
      RIGHTMOUSEDOWN = RIGHTMOUSEDOWN2 = false;
      break;
    default:
      break;
  }
  // Messages passed on: repaint the status bar when no button or modifier
  // key is reported, then the default processing.
  if (wparam == 0) UpdateWindow(HSTATUS);
  return DefWindowProcA(WINDOW, AMESSAGE, wparam, lparam);
}

void SETGLMSG() {
  if (PeekMessageA(&MSG_, nullptr, 0, 0, PM_NOREMOVE)) {
    GetMessageA(&MSG_, nullptr, 0, 0);
    TranslateMessage(&MSG_);
    DispatchMessageA(&MSG_);
  }
}
