#include "platform/text_encoding.h"

namespace {

// Code points of the bytes 0x80..0x9F.
constexpr uint32_t kHighControls[32] = {
    0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD,
    0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178,
};

// ASCII stand-ins for the bytes 0x80..0x9F on a Latin-1 font.
constexpr char kLatin1StandIns[33] = "E?,f\".++^%S<O?Z?" "?''\"\"*--~Ts>o?zY";

void append_utf8(std::string& out, uint32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

}  // namespace

uint32_t cp1252_code_point(unsigned char byte) {
  if (byte >= 0x80 && byte <= 0x9F) return kHighControls[byte - 0x80];
  return byte;
}

std::string cp1252_to_utf8(const std::string& text) {
  std::string out;
  out.reserve(text.size() * 2);
  for (char c : text) append_utf8(out, cp1252_code_point(static_cast<unsigned char>(c)));
  return out;
}

std::string cp1252_to_latin1(const std::string& text) {
  std::string out = text;
  for (char& c : out) {
    const unsigned char b = static_cast<unsigned char>(c);
    if (b >= 0x80 && b <= 0x9F) c = kLatin1StandIns[b - 0x80];
  }
  return out;
}
