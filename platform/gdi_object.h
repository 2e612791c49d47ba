// GDI objects (bitmaps, regions, palettes, brushes): plain C++ objects behind
// handles. Every live object is registered, so DeleteObject on a stale or
// foreign handle is refused instead of freeing memory twice.
#pragma once

#include "platform/types.h"

struct GdiObject {
  GdiObject();
  virtual ~GdiObject();
  GdiObject(const GdiObject&) = delete;
  GdiObject& operator=(const GdiObject&) = delete;
  // Stock objects are never deleted.
  bool stock = false;
};

// True when the handle names a live object.
bool is_gdi_object(const void* handle);

// The live object behind a handle when it is a T; null for anything else.
template <typename T>
T* gdi_object_as(const void* handle) {
  if (!is_gdi_object(handle)) return nullptr;
  return dynamic_cast<T*>(static_cast<GdiObject*>(const_cast<void*>(handle)));
}

// Frees the object; FALSE for a null, stale, unknown or stock handle.
BOOL DeleteObject(HGDIOBJ object);
