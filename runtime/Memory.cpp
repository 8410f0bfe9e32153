// operator new and delete on the process heap, through support/Heap. The
// plug-in asks for the memory that grows with the host's input (the notice,
// the report) through support/HeapText, where a failure is an answer; what
// comes through operator new is bookkeeping of a fixed size (settings texts,
// window maps). Without C++ exceptions a failed new has no caller to tell, so
// it raises the structured exception that HeapAlloc itself raises when asked
// to (STATUS_NO_MEMORY), which a debugger or the host's own handler sees.
#include <windows.h>

#include <cstddef>
#include <new>

#include "support/Heap.h"

namespace {

void* TryAllocate(std::size_t size) { return HeapAllocate(size != 0 ? size : 1); }

void* Allocate(std::size_t size) {
  void* block = TryAllocate(size);
  if (block == nullptr) RaiseException(STATUS_NO_MEMORY, EXCEPTION_NONCONTINUABLE, 0, nullptr);
  return block;
}

void Release(void* block) { HeapRelease(block); }

}  // namespace

void* operator new(std::size_t size) { return Allocate(size); }
void* operator new[](std::size_t size) { return Allocate(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return TryAllocate(size); }
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept { return TryAllocate(size); }
void operator delete(void* block) noexcept { Release(block); }
void operator delete[](void* block) noexcept { Release(block); }
void operator delete(void* block, std::size_t) noexcept { Release(block); }
void operator delete[](void* block, std::size_t) noexcept { Release(block); }
