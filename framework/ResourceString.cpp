#include "framework/ResourceString.h"

#include "support/ModuleHandles.h"

namespace {

constexpr int kStringBufferSize = 300;

}  // namespace

bool LoadResourceString(std::string& text, UINT id) {
  char buffer[kStringBufferSize] = {};
  const int length = LoadStringA(resourceInstance(), id, buffer, kStringBufferSize);
  if (length <= 0) return false;
  text.assign(buffer, length);
  return true;
}
