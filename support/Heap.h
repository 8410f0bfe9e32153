// Allocation from the process heap, shared by the file records and the
// framework's fixed-size blocks. The heap handle is fetched once and kept.
#pragma once

#include <cstddef>

void* HeapAllocate(std::size_t bytes);
void* HeapAllocateZeroed(std::size_t elementSize, std::size_t count);
// A null block is allocated fresh; on failure the old block stays valid.
void* HeapReallocate(void* block, std::size_t bytes);
// Null does nothing and yields 0.
int HeapRelease(void* block);

// Owns one process-heap block.
class HeapBlock {
 public:
  explicit HeapBlock(void* block = nullptr) : block_(block) {}
  ~HeapBlock() { HeapRelease(block_); }
  HeapBlock(const HeapBlock&) = delete;
  HeapBlock& operator=(const HeapBlock&) = delete;

  void* get() const { return block_; }
  explicit operator bool() const { return block_ != nullptr; }

 private:
  void* block_;
};
