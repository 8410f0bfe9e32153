#include "framework/Module.h"

#include <vector>

namespace {

constexpr DWORD kPathBufferSize = 260;
constexpr DWORD kLongestPath = 32768;

}  // namespace

int Module::SetInstance(HINSTANCE handle) {
  if (handle == nullptr) return 0;
  if (instance != nullptr) FreeLibrary(instance);
  instance = handle;
  return 1;
}

std::string Module::GetFileName() const {
  if (instance == nullptr) return std::string();
  // A name that fills the buffer may have been cut; never use it cut, try a
  // larger buffer instead.
  for (DWORD size = kPathBufferSize; size <= kLongestPath; size *= 2) {
    std::vector<char> buffer(size, '\0');
    const DWORD length = GetModuleFileNameA(instance, buffer.data(), size);
    if (length == 0) return std::string();
    if (length < size - 1) return std::string(buffer.data(), length);
  }
  return std::string();
}
