// Small pictures for the image-button tests, written as BMP files of any
// depth through the test BMP builder.
#pragma once

#include <algorithm>
#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "platform/window.h"
#include "tests/textures/bmp_builder.h"

// Rectangles compare and print in test expectations.
inline bool operator==(const RECT& a, const RECT& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}
inline std::ostream& operator<<(std::ostream& out, const RECT& r) {
  return out << "(" << r.left << "," << r.top << "," << r.right << "," << r.bottom << ")";
}

namespace button_images {

constexpr uint32_t kKey = 0xFF00FF;  // the buttons' key colour, 0x00RRGGBB

// A picture: 0x00RRGGBB pixels, rows top first.
struct Picture {
  int width = 0;
  int height = 0;
  std::vector<uint32_t> pixels;
  uint32_t at(int x, int y) const { return pixels[size_t(y) * width + x]; }
};

// A picture from rows of characters: each character picks a colour.
inline Picture from_rows(const std::vector<std::string>& rows,
                         uint32_t (*colour)(char)) {
  Picture p;
  p.height = int(rows.size());
  p.width = rows.empty() ? 0 : int(rows[0].size());
  for (const std::string& row : rows)
    for (char c : row) p.pixels.push_back(colour(c));
  return p;
}

inline Picture filled(int width, int height, uint32_t colour) {
  return Picture{width, height, std::vector<uint32_t>(size_t(width) * height, colour)};
}

// The BMP file of a picture at `bpp` bits per pixel (1, 4, 8: a colour
// table of the picture's colours; 24 or 32: direct colour), rows stored
// bottom-up unless `top_down`.
inline std::vector<uint8_t> bmp(const Picture& p, int bpp, bool top_down = false) {
  bmp_builder::Spec s;
  s.width = p.width;
  s.height = top_down ? -p.height : p.height;
  s.bpp = uint16_t(bpp);
  std::vector<uint32_t> table;
  if (bpp <= 8) {
    for (uint32_t c : p.pixels)
      if (std::find(table.begin(), table.end(), c) == table.end()) table.push_back(c);
    s.colours_used = uint32_t(table.size());
    for (uint32_t c : table)
      s.palette.insert(s.palette.end(), {uint8_t(c), uint8_t(c >> 8), uint8_t(c >> 16), 0});
  }
  for (int i = 0; i < p.height; ++i) {
    const int y = top_down ? i : p.height - 1 - i;
    std::vector<uint8_t> row;
    if (bpp <= 8) {
      row.assign((size_t(p.width) * bpp + 7) / 8, 0);
      for (int x = 0; x < p.width; ++x) {
        const size_t index =
            size_t(std::find(table.begin(), table.end(), p.at(x, y)) - table.begin());
        const size_t bit = size_t(x) * bpp;
        row[bit / 8] |= uint8_t(index << (8 - bpp - bit % 8));
      }
    } else {
      for (int x = 0; x < p.width; ++x) {
        const uint32_t c = p.at(x, y);
        row.insert(row.end(), {uint8_t(c), uint8_t(c >> 8), uint8_t(c >> 16)});
        if (bpp == 32) row.push_back(0);
      }
    }
    s.rows.push_back(row);
  }
  return bmp_builder::build(s);
}

}  // namespace button_images
