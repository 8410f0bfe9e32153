#include "support/Heap.h"

#include <windows.h>

#include <cstdint>

namespace {

HANDLE processHeap = nullptr;

HANDLE Heap() {
  if (processHeap == nullptr) processHeap = GetProcessHeap();
  return processHeap;
}

}  // namespace

void* HeapAllocate(std::size_t bytes) { return HeapAlloc(Heap(), 0, bytes); }

void* HeapAllocateZeroed(std::size_t elementSize, std::size_t count) {
  if (elementSize != 0 && count > SIZE_MAX / elementSize) return nullptr;
  return HeapAlloc(Heap(), HEAP_ZERO_MEMORY, elementSize * count);
}

void* HeapReallocate(void* block, std::size_t bytes) {
  if (block == nullptr) return HeapAllocate(bytes);
  return HeapReAlloc(Heap(), 0, block, bytes);
}

int HeapRelease(void* block) {
  if (block == nullptr) return 0;
  return HeapFree(Heap(), 0, block);
}
