// Bytes on their way out in chunks: one fixed buffer, on the stack of its
// user, handed to a sink each time it fills. A text of any length then
// needs only this much memory, its pieces are copied into memory that is
// already in use, and the sink takes a few large writes. The report and the
// notice script are written through one.
#pragma once

#include <cstddef>
#include <string>

#include "support/ByteWords.h"

// Where full chunks go: a file, or a string.
class ChunkSink {
 public:
  virtual ~ChunkSink() = default;
  virtual void Take(const char* bytes, std::size_t size) = 0;
};

// Appends every chunk to a string.
class StringSink : public ChunkSink {
 public:
  explicit StringSink(std::string& text) : text_(text) {}
  void Take(const char* bytes, std::size_t size) override { text_.append(bytes, size); }

 private:
  std::string& text_;
};

class ChunkBuffer {
 public:
  static constexpr std::size_t kSize = 1 << 16;

  explicit ChunkBuffer(ChunkSink& sink) : sink_(sink), end_(buffer_) {}
  ChunkBuffer(const ChunkBuffer&) = delete;
  ChunkBuffer& operator=(const ChunkBuffer&) = delete;

  void Append(const char* bytes, std::size_t size) {
    if (size <= static_cast<std::size_t>(buffer_ + kSize - end_)) {
      CopyBytes(end_, bytes, size);
      end_ += size;
    } else {
      AppendAcrossFlushes(bytes, size);
    }
  }
  // A literal, without its terminating zero byte.
  template <std::size_t N>
  void AppendLiteral(const char (&text)[N]) {
    Append(text, N - 1);
  }
  // Hands over what the buffer holds.
  void Flush();

 private:
  void AppendAcrossFlushes(const char* bytes, std::size_t size);

  ChunkSink& sink_;
  char buffer_[kSize];
  char* end_;
};
