#include "platform/device_context_registry.h"

#include <unordered_set>

namespace {

std::unordered_set<const DeviceContext*>& live_contexts() {
  static auto* contexts = new std::unordered_set<const DeviceContext*>();
  return *contexts;
}

}  // namespace

void register_device_context(DeviceContext* dc) {
  if (dc) live_contexts().insert(dc);
}

void unregister_device_context(DeviceContext* dc) { live_contexts().erase(dc); }

DeviceContext* device_context_from_handle(HDC dc) {
  if (dc == nullptr || live_contexts().count(dc) == 0) return nullptr;
  return dc;
}

DeviceContext* screen_device_context() {
  static DeviceContext* screen = [] {
    auto* dc = new DeviceContext();
    register_device_context(dc);
    return dc;
  }();
  return screen;
}
