// The registry of live device contexts, so a stale or foreign handle is
// refused instead of being followed.
#pragma once

#include "platform/device_context.h"

void register_device_context(DeviceContext* dc);
void unregister_device_context(DeviceContext* dc);
// The context behind a handle, or null when it is not a live one.
DeviceContext* device_context_from_handle(HDC dc);
// The screen's context (GetDC(0)).
DeviceContext* screen_device_context();
