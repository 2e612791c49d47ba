// A replaceable clock behind GetTickCount, so timer bookkeeping can be tested
// without waiting.
#pragma once

#include "platform/types.h"

// Null restores the monotonic system clock.
void set_tick_count_source(DWORD (*source)());
