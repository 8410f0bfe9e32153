// Bytes on the process heap that grow on demand, for texts whose size the
// host's input decides (the notice script and its request). Running out of
// memory is an answer here, not an end: a growth that fails leaves the text
// as it was and marks it failed, and every later change is then dropped, so
// that a caller checks once, at the end, and sends or writes nothing.
#pragma once

#include <cstddef>

#include "support/ChunkBuffer.h"

class HeapText {
 public:
  HeapText() = default;
  ~HeapText();
  HeapText(const HeapText&) = delete;
  HeapText& operator=(const HeapText&) = delete;

  const char* data() const { return bytes_ != nullptr ? bytes_ : ""; }
  char* data() { return bytes_; }
  std::size_t size() const { return size_; }
  bool failed() const { return failed_; }

  // Makes room for `capacity` bytes; false (and failed) when there is none.
  bool Reserve(std::size_t capacity);
  void Append(const char* bytes, std::size_t size);
  void Append(const char* text);
  // Cuts the text to `size` bytes (never longer).
  void Truncate(std::size_t size);

 private:
  bool Grow(std::size_t needed);

  char* bytes_ = nullptr;
  std::size_t size_ = 0;
  std::size_t capacity_ = 0;
  bool failed_ = false;
};

// Appends every chunk to a HeapText.
class HeapTextSink : public ChunkSink {
 public:
  explicit HeapTextSink(HeapText& text) : text_(text) {}
  void Take(const char* bytes, std::size_t size) override { text_.Append(bytes, size); }

 private:
  HeapText& text_;
};
