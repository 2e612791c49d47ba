// Windows-1252 texts for the display: the platform's ANSI calls take
// Windows-1252; X11 wants UTF-8 (window-manager titles) or Latin-1 (core
// fonts).
#pragma once

#include <cstdint>
#include <string>

// The Unicode code point of a Windows-1252 byte (the five bytes the code page
// leaves undefined map to U+FFFD).
uint32_t cp1252_code_point(unsigned char byte);
std::string cp1252_to_utf8(const std::string& text);
// Latin-1 for a core X font: the bytes 0x80..0x9F, which Latin-1 lacks, become
// the closest ASCII character (straight quotes for curly ones, '-' for
// dashes, letters without their marks, '?' otherwise); every other byte is
// the same in both.
std::string cp1252_to_latin1(const std::string& text);
