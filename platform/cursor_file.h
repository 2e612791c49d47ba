// Decoding of Windows cursor files (.cur) and icon files (.ico) holding
// uncompressed images: 1, 4, 8, 24 or 32 bits per pixel with an AND mask.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/resource_objects.h"

// The image of the directory entry closest to 32 by 32 that decodes. False
// for anything malformed, truncated, compressed (PNG entries) or unsupported;
// never reads outside [data, data + size).
bool decode_cursor_file(const uint8_t* data, size_t size, CursorImage* out);

// Reads and decodes a file (at most 1 MiB). False when it is missing,
// unreadable or bad.
bool load_cursor_file(const std::string& path, CursorImage* out);
