// operator new and delete on the process heap. The plug-in asks for the
// memory that grows with the host's input (the notice, the report) through
// support/Heap, where a failure is an answer; what comes through operator
// new is bookkeeping of a fixed size (settings texts, window maps). Without
// C++ exceptions a failed new has no caller to tell, so it raises the
// structured exception that HeapAlloc itself raises when asked to
// (STATUS_NO_MEMORY), which a debugger or the host's own handler sees.
#include <windows.h>

#include <cstddef>
#include <new>

namespace {

void* Allocate(std::size_t size) {
  void* block = HeapAlloc(GetProcessHeap(), 0, size != 0 ? size : 1);
  if (block == nullptr) RaiseException(STATUS_NO_MEMORY, EXCEPTION_NONCONTINUABLE, 0, nullptr);
  return block;
}

void Release(void* block) {
  if (block != nullptr) HeapFree(GetProcessHeap(), 0, block);
}

}  // namespace

void* operator new(std::size_t size) { return Allocate(size); }
void* operator new[](std::size_t size) { return Allocate(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  return HeapAlloc(GetProcessHeap(), 0, size != 0 ? size : 1);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
  return HeapAlloc(GetProcessHeap(), 0, size != 0 ? size : 1);
}
void operator delete(void* block) noexcept { Release(block); }
void operator delete[](void* block) noexcept { Release(block); }
void operator delete(void* block, std::size_t) noexcept { Release(block); }
void operator delete[](void* block, std::size_t) noexcept { Release(block); }
