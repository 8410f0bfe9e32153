#include "support/HeapText.h"

#include <cstring>

#include "support/ByteWords.h"
#include "support/Heap.h"

HeapText::~HeapText() { HeapRelease(bytes_); }

bool HeapText::Reserve(std::size_t capacity) {
  if (failed_) return false;
  if (capacity <= capacity_) return true;
  void* grown = HeapReallocate(bytes_, capacity);
  if (grown == nullptr) {
    failed_ = true;
    return false;
  }
  bytes_ = static_cast<char*>(grown);
  capacity_ = capacity;
  return true;
}

// Grows by half again at least, so that appends in small pieces move the
// text only a few times.
bool HeapText::Grow(std::size_t needed) {
  if (failed_) return false;
  if (needed < size_) {  // the size overflowed
    failed_ = true;
    return false;
  }
  if (needed <= capacity_) return true;
  const std::size_t half = capacity_ / 2;
  const std::size_t larger = capacity_ + half >= capacity_ ? capacity_ + half : needed;
  return Reserve(needed > larger ? needed : larger);
}

void HeapText::Append(const char* bytes, std::size_t size) {
  if (size == 0 || !Grow(size_ + size)) return;
  CopyBytes(bytes_ + size_, bytes, size);
  size_ += size;
}

void HeapText::Append(const char* text) {
  if (text != nullptr) Append(text, std::strlen(text));
}

void HeapText::Truncate(std::size_t size) {
  if (size < size_) size_ = size;
}
