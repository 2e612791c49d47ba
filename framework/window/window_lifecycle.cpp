#include "framework/window/window_lifecycle.h"

#include <GL/gl.h>

#include <cstdlib>
#include <cstring>

#include "framework/render/vertex_submission.h"
#include "framework/window/image_button_class.h"
#include "framework/window/window_procedure.h"
#include "platform/message_box.h"
#include "platform/resources.h"
#include "platform/status_bar.h"

int SETTYPECURSOR = 0;
const char* CURSORFILE = nullptr;
int SETTYPEICON = 0;
const char* ICONFILE = nullptr;
const char* SETTITLENAME = nullptr;
int BITS = 0;
bool FULLSCREEN = false;
HWND HWINDOW = nullptr;
HDC DCWINDOW = nullptr;
HGLRC RCWINDOW = nullptr;
int PIXEL_FORMAT_FLAGS = 0;
bool SHOWMENUBAR = false;
void (*CREATEMENUBAR)() = nullptr;
bool SHOWSTATUSBAR = false;
HWND HSTATUS = nullptr;
HWND AWND = nullptr;
char FILENAME[FILENAME_CHARS] = {};
int STATUSITEM[MAX_STATUS_ITEMS + 1] = {};
int MAXSTATUSITEM = 0;
int EDGES[MAX_STATUS_ITEMS + 1] = {};
DWORD START = 0;
bool FOGONOFF = false;
unsigned int OBJNULL = 0;
const char* VRLVERSION = "1.0";

namespace {

const char WINDOW_CLASS[] = "GLWindow";

// The system cursor of each cursor kind; FILECURSOR (7) has none.
const int SYSTEM_CURSORS[] = {
    0,           IDC_ARROW,  IDC_IBEAM,   IDC_WAIT,   IDC_CROSS, IDC_UPARROW,
    IDC_SIZE,    0,          IDC_SIZENWSE, IDC_SIZENESW, IDC_SIZEWE, IDC_SIZENS,
    IDC_SIZEALL, IDC_NO,     IDC_HAND,    IDC_APPSTARTING, IDC_HELP,
};

HCURSOR class_cursor() {
  if (SETTYPECURSOR == FILECURSOR) return CURSORFILE ? LoadCursorFromFileA(CURSORFILE) : nullptr;
  if (SETTYPECURSOR < ARROW || SETTYPECURSOR > HELP) return nullptr;
  return LoadCursorA(nullptr, MAKEINTRESOURCEA(SYSTEM_CURSORS[SETTYPECURSOR]));
}

// A file icon is loaded with the cursor-file loader; the platform accepts the
// cursor handle in the class's icon field.
HICON class_icon() {
  if (SETTYPEICON == GENERIC) return LoadIconA(nullptr, MAKEINTRESOURCEA(IDI_APPLICATION));
  if (SETTYPEICON == FILEICON)
    return reinterpret_cast<HICON>(ICONFILE ? LoadCursorFromFileA(ICONFILE) : nullptr);
  return nullptr;
}

}  // namespace

void OGLWINDOWSETTING(int TYPECURSOR, const char* CURFILE, int TYPEICON, const char* ICOFILE) {
  if (MOUSEFREE) {
    START = GetTickCount();
    SetCursorPos(WIDTH / 2, HEIGHT / 2);
  }
  FOGONOFF = true;
  SETTYPECURSOR = TYPECURSOR;
  CURSORFILE = CURFILE;
  SETTYPEICON = TYPEICON;
  ICONFILE = ICOFILE;
  OBJNULL = glGenLists(1);
  glNewList(OBJNULL, GL_COMPILE);
  glEndList();
  GLVERT3FREMOVE = false;
  GLVERT3FENABLEEDIT = false;
}

bool CREATEOGLWINDOW(const char* APPNAME, int APPWIDTH, int APPHEIGHT, int APPBITS,
                     bool APPFULLSCREEN) {
  SETTITLENAME = APPNAME;
  WIDTH = APPWIDTH;
  HEIGHT = APPHEIGHT;
  BITS = APPBITS;
  FULLSCREEN = APPFULLSCREEN;
  if (!WINDOWREGISTER()) THROWERROR("Errore di registro per la rispettiva applicazione!");
  HWINDOW = WINDOWCREATE(APPNAME);
  if (SHOWMENUBAR && CREATEMENUBAR) CREATEMENUBAR();
  if (SHOWSTATUSBAR) HSTATUS = CREATESTATUSBAR(HWINDOW);
  if (HWINDOW == nullptr)
    THROWERROR("Impossibile creare la finestra per la rispettiva applicazione!");
  // "è" is the Windows-1252 byte 0xE8.
  if (!WINDOWINIT(HWINDOW)) THROWERROR("la rispettiva applicazione non \xE8 stata inizilizata!");
  return true;
}

bool WINDOWREGISTER() {
  WNDCLASSA wc;
  std::memset(&wc, 0, sizeof wc);
  wc.style = CS_VREDRAW | CS_HREDRAW;
  wc.lpfnWndProc = GLWNDPROC;
  wc.cbClsExtra = 0;
  wc.cbWndExtra = 0;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.hIcon = class_icon();
  wc.hCursor = class_cursor();
  wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  wc.lpszMenuName = nullptr;
  wc.lpszClassName = WINDOW_CLASS;
  const ATOM atom = RegisterClassA(&wc);
  register_image_button_class();
  return (atom & 0xFFFF) != 0;
}

HWND WINDOWCREATE(const char* PCAPPLICATIONNAME) {
  DWORD style;
  if (!FULLSCREEN) {
    style = WS_POPUP | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_CAPTION | WS_SYSMENU |
            WS_MINIMIZEBOX;
  } else {
    WIDTH = GetSystemMetrics(SM_CXSCREEN);
    HEIGHT = GetSystemMetrics(SM_CYSCREEN);
    style = WS_POPUP | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_BORDER | WS_SYSMENU;
  }
  HWND window = CreateWindowExA(0, WINDOW_CLASS, PCAPPLICATIONNAME, style, CW_USEDEFAULT,
                                CW_USEDEFAULT, WIDTH, HEIGHT, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
  if (window != nullptr) {
    ShowWindow(window, GetStartupShowCommand());
    UpdateWindow(window);
  }
  return window;
}

PIXELFORMATDESCRIPTOR pixel_format_request() {
  PIXELFORMATDESCRIPTOR pfd;
  std::memset(&pfd, 0, sizeof pfd);
  const BYTE bits = static_cast<BYTE>(BITS);
  pfd.nSize = sizeof(PIXELFORMATDESCRIPTOR);
  pfd.nVersion = 1;
  pfd.dwFlags = DWORD(PIXEL_FORMAT_FLAGS) | PFD_DOUBLEBUFFER | PFD_STEREO | PFD_DRAW_TO_WINDOW |
                PFD_SUPPORT_OPENGL | PFD_GENERIC_FORMAT | PFD_GENERIC_ACCELERATED;
  pfd.iPixelType = PFD_TYPE_RGBA;
  pfd.cColorBits = bits;
  pfd.cAlphaBits = bits;
  pfd.cAccumBits = bits;
  pfd.cDepthBits = bits;
  pfd.cStencilBits = bits;
  pfd.cAuxBuffers = bits;
  pfd.iLayerType = PFD_OVERLAY_PLANE;
  return pfd;
}

bool WINDOWINIT(HWND HPARENT) {
  int FUNCTIONERROR = 0;
  DCWINDOW = GetDC(HPARENT);
  const PIXELFORMATDESCRIPTOR PFD = pixel_format_request();
  const int IFORMAT = ChoosePixelFormat(DCWINDOW, &PFD);
  if (IFORMAT == 0) FUNCTIONERROR = 1;
  SetPixelFormat(DCWINDOW, IFORMAT, &PFD);
  RCWINDOW = wglCreateContext(DCWINDOW);
  if (RCWINDOW == nullptr) FUNCTIONERROR = 2;
  wglMakeCurrent(DCWINDOW, RCWINDOW);
  return FUNCTIONERROR == 0;
}

HWND CREATESTATUSBAR(HWND PARENT) {
  std::memset(FILENAME, 0, sizeof FILENAME);
  std::strcpy(FILENAME, "Percorso file");
  AWND = CreateStatusWindowA(LONG(WS_CHILD | WS_VISIBLE), FILENAME, PARENT, STATUS_BAR_ID);
  if (AWND != nullptr) {
    // The part count is kept within the table so the copy cannot run past it.
    int parts = MAXSTATUSITEM;
    if (parts < 0) parts = 0;
    if (parts > MAX_STATUS_ITEMS) parts = MAX_STATUS_ITEMS;
    for (int i = 1; i <= parts; ++i) EDGES[i] = STATUSITEM[i];
    SendMessageA(AWND, SB_SETPARTS, WPARAM(parts), reinterpret_cast<LPARAM>(&EDGES[1]));
  }
  return AWND;
}

void DELETEOGLWINDOW() {
  wglMakeCurrent(DCWINDOW, nullptr);
  wglDeleteContext(RCWINDOW);
  // After the user closed the window it no longer exists: its device
  // context went with it and there is nothing left to destroy.
  if (IsWindow(HWINDOW)) {
    ReleaseDC(HWINDOW, DCWINDOW);
    DestroyWindow(HWINDOW);
  }
}

void THROWERROR(const char* PCERRORMESSAGE) {
  MessageBoxA(nullptr, PCERRORMESSAGE, "Error", MB_OK);
  // A failure ends the process with a failure status; exit() still runs the
  // normal shutdown (static destructors, atexit handlers).
  std::exit(1);
}
