#include "core/platform/platform.h"

#include <cassert>

namespace velmora {
namespace {
Platform* current = nullptr;
}

Platform& CurrentPlatform() {
  assert(current != nullptr && "SetCurrentPlatform must run first");
  return *current;
}

void SetCurrentPlatform(Platform* platform) { current = platform; }

}  // namespace velmora
