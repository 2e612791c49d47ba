#include "framework/window/image_button_class.h"

#include <cstring>

#include "framework/window/image_buttons.h"
#include "platform/resource_objects.h"
#include "platform/resources.h"

WNDCLASSEXA WINDOWCLASSEX;

void register_image_button_class() {
  if (GetClassInfoExA(nullptr, "IMAGEBUTTON", &WINDOWCLASSEX)) return;
  std::memset(&WINDOWCLASSEX, 0, sizeof WINDOWCLASSEX);
  // The size of the record as this platform lays it out.
  WINDOWCLASSEX.cbSize = sizeof(WNDCLASSEXA);
  WINDOWCLASSEX.style = 0;
  WINDOWCLASSEX.lpfnWndProc = HOVERBUTTONHANDLER;
  WINDOWCLASSEX.cbClsExtra = 0;
  WINDOWCLASSEX.cbWndExtra = 0;
  WINDOWCLASSEX.hInstance = GetModuleHandleA(nullptr);
  WINDOWCLASSEX.hIcon = LoadIconA(nullptr, MAKEINTRESOURCEA(IDI_APPLICATION));
  WINDOWCLASSEX.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(IDC_ARROW));
  // The null brush: the default erase paints nothing.
  WINDOWCLASSEX.hbrBackground = dynamic_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
  WINDOWCLASSEX.lpszMenuName = nullptr;
  WINDOWCLASSEX.lpszClassName = "IMAGEBUTTON";
  WINDOWCLASSEX.hIconSm = LoadIconA(nullptr, MAKEINTRESOURCEA(IDI_APPLICATION));
  RegisterClassExA(&WINDOWCLASSEX);
}
