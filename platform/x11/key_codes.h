// X keysyms to virtual-key codes. Keysym values are those of the X protocol;
// this header needs no X header, so tests can reach the table.
#pragma once

#include "platform/types.h"

// The virtual-key code of an unshifted keysym, 0 for keys without one.
WPARAM virtual_key_from_keysym(unsigned long keysym);
