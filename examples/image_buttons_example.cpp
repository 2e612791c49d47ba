// Two image buttons over the framework's window.
//
// A button is drawn from three BMP files named after a stem: stem + "N.BMP"
// (normal), stem + "H.BMP" (pointer over it) and stem + "P.BMP" (pressed).
// Pixels of the key colour, red 255, green 0, blue 255, are cut out of the
// normal image: the button takes the outline of what is left. Clicking a
// button posts WM_COMMAND with its control identifier to the framework's
// window, which hands it to GETINPUTCOMMAND while SHOWMENUBAR is true.
//
// The images are drawn here at start-up into a private temporary folder;
// an application would ship its own BMP files. Escape or closing the window
// ends the program.

#include <GL/gl.h>
#include <stdlib.h>
#include <unistd.h>

#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include "framework/window/image_buttons.h"
#include "framework/window/window_lifecycle.h"
#include "framework/window/window_procedure.h"
#include "platform/gl_binding.h"

namespace {

enum : int { DISC_BUTTON = 101, SQUARE_BUTTON = 102 };

constexpr uint32_t KEY = 0xFF00FF;  // 0x00RRGGBB

// Writes a 24-bit BMP file of 0x00RRGGBB pixels given top row first.
bool write_bmp(const std::string& name, int width, int height,
               const std::vector<uint32_t>& pixels) {
  const int row_bytes = (width * 3 + 3) / 4 * 4;
  const uint32_t image_bytes = uint32_t(row_bytes) * uint32_t(height);
  std::vector<uint8_t> file(54 + image_bytes, 0);
  auto put = [&file](size_t at, uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) file[at + i] = uint8_t(v >> (8 * i));
  };
  file[0] = 'B';
  file[1] = 'M';
  put(2, uint32_t(file.size()), 4);
  put(10, 54, 4);
  put(14, 40, 4);
  put(18, uint32_t(width), 4);
  put(22, uint32_t(height), 4);  // positive: rows bottom-up
  put(26, 1, 2);
  put(28, 24, 2);
  put(34, image_bytes, 4);
  for (int y = 0; y < height; ++y) {
    uint8_t* row = &file[54 + size_t(height - 1 - y) * row_bytes];
    for (int x = 0; x < width; ++x) {
      const uint32_t c = pixels[size_t(y) * width + x];
      row[3 * x] = uint8_t(c);
      row[3 * x + 1] = uint8_t(c >> 8);
      row[3 * x + 2] = uint8_t(c >> 16);
    }
  }
  FILE* f = std::fopen(name.c_str(), "wb");
  if (f == nullptr) return false;
  const bool written = std::fwrite(file.data(), 1, file.size(), f) == file.size();
  return std::fclose(f) == 0 && written;
}

// A shaded disc of `colour` on the key colour, `size` pixels across.
std::vector<uint32_t> disc(int size, uint32_t colour) {
  std::vector<uint32_t> pixels(size_t(size) * size, KEY);
  const double r = size / 2.0;
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x) {
      const double dx = x + 0.5 - r, dy = y + 0.5 - r;
      const double d = std::sqrt(dx * dx + dy * dy);
      if (d > r - 0.5) continue;
      // Lighter towards the upper left.
      const double light = 0.75 + 0.25 * (-(dx + dy) / (2 * r));
      uint32_t shaded = 0;
      for (int shift = 0; shift <= 16; shift += 8) {
        const double c = ((colour >> shift) & 0xFF) * light;
        shaded |= uint32_t(c > 254 ? 254 : c) << shift;
      }
      pixels[size_t(y) * size + x] = shaded;
    }
  return pixels;
}

// A square of `colour` with rounded corners and a frame of `frame`.
std::vector<uint32_t> rounded_square(int size, uint32_t colour, uint32_t frame) {
  std::vector<uint32_t> pixels(size_t(size) * size, KEY);
  const int radius = size / 5;
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x) {
      const int cx = x < radius ? radius - x : x >= size - radius ? x - (size - 1 - radius) : 0;
      const int cy = y < radius ? radius - y : y >= size - radius ? y - (size - 1 - radius) : 0;
      const int d2 = cx * cx + cy * cy;
      if (d2 > radius * radius) continue;
      const bool edge = d2 > (radius - 3) * (radius - 3) || x < 3 || y < 3 || x >= size - 3 ||
                        y >= size - 3;
      pixels[size_t(y) * size + x] = edge ? frame : colour;
    }
  return pixels;
}

// The clear colour the buttons change.
float background[3] = {0.15f, 0.15f, 0.2f};

LRESULT on_command(HWND, UINT message, WPARAM wparam, LPARAM) {
  if (message != WM_COMMAND) return 0;
  switch (LOWORD(wparam)) {
    case DISC_BUTTON:
      std::printf("Premuto il pulsante rotondo\n");
      background[0] = 0.1f, background[1] = 0.35f, background[2] = 0.15f;
      break;
    case SQUARE_BUTTON:
      std::printf("Premuto il pulsante quadrato\n");
      background[0] = 0.15f, background[1] = 0.15f, background[2] = 0.2f;
      break;
  }
  std::fflush(stdout);
  return 0;
}

void no_menu_bar() {}

// Creates one button at (x, y) of the window's client area.
HWND make_button(const std::string& stem, int id, int x, int y) {
  BMPTYPE = stem;  // read while the button is created
  // The button's handler moves it by (-3, -19), the frame and caption of a
  // captioned parent on the desktop the framework was first written for.
  return CreateWindowExA(0, "IMAGEBUTTON", "", WS_CHILD | WS_VISIBLE, x + 3, y + 19, 0, 0,
                         HWINDOW, reinterpret_cast<HMENU>(uintptr_t(id)),
                         GetModuleHandleA(nullptr), nullptr);
}

}  // namespace

int main() {
  char folder_template[] = "/tmp/image_buttons_XXXXXX";
  const char* made = mkdtemp(folder_template);
  if (made == nullptr) {
    std::perror("mkdtemp");
    return 1;
  }
  const std::string folder = made;
  const std::string disc_stem = folder + "/DISC", square_stem = folder + "/SQUARE";
  const int size = 64;
  const std::vector<std::pair<std::string, std::vector<uint32_t>>> images = {
      {disc_stem + "N.BMP", disc(size, 0x30A040)},
      {disc_stem + "H.BMP", disc(size, 0x60E070)},
      {disc_stem + "P.BMP", disc(size, 0x206020)},
      {square_stem + "N.BMP", rounded_square(size, 0x4060C0, 0x203060)},
      {square_stem + "H.BMP", rounded_square(size, 0x6090F0, 0x203060)},
      {square_stem + "P.BMP", rounded_square(size, 0x304080, 0xF0F0F0)},
  };
  for (const auto& image : images)
    if (!write_bmp(image.first, size, size, image.second)) std::perror(image.first.c_str());

  OGLWINDOWSETTING(ARROW, "", GENERIC, "");
  // Commands reach GETINPUTCOMMAND only with the menu hooks on.
  SHOWMENUBAR = true;
  CREATEMENUBAR = no_menu_bar;
  GETINPUTCOMMAND = on_command;
  CREATEOGLWINDOW("Pulsanti immagine", 640, 480, 32, false);

  make_button(disc_stem, DISC_BUTTON, 200, 200);
  make_button(square_stem, SQUARE_BUTTON, 360, 200);

  do {
    glClearColor(background[0], background[1], background[2], 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    SETGLMSG();
    SwapBuffers(DCWINDOW);
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  } while (ACTIVE);
  DELETEOGLWINDOW();

  for (const auto& image : images) std::remove(image.first.c_str());
  rmdir(folder.c_str());
  return 0;
}
