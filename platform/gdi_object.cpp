#include "platform/gdi_object.h"

#include <unordered_set>

namespace {

// Never freed: objects destroyed during exit still find the set.
std::unordered_set<const void*>& live_objects() {
  static auto* objects = new std::unordered_set<const void*>;
  return *objects;
}

}  // namespace

GdiObject::GdiObject() { live_objects().insert(this); }

GdiObject::~GdiObject() { live_objects().erase(this); }

bool is_gdi_object(const void* handle) {
  return handle != nullptr && live_objects().count(handle) != 0;
}

BOOL DeleteObject(HGDIOBJ object) {
  if (!is_gdi_object(object) || object->stock) return FALSE;
  delete object;
  return TRUE;
}
