// The report's bytes on their way out: one fixed buffer that is handed to a
// sink each time it fills, so that a page of any length needs only this much
// memory and is written in a few large pieces. Markup is copied as it is;
// item texts are escaped on the way in.
#pragma once

#include <cstddef>
#include <cstring>
#include <memory>

// Where full buffers go: the report file, or a string for the tests.
class PageSink {
 public:
  virtual ~PageSink() = default;
  virtual void Take(const char* bytes, std::size_t size) = 0;
};

class PageBuffer {
 public:
  explicit PageBuffer(PageSink& sink);
  PageBuffer(const PageBuffer&) = delete;
  PageBuffer& operator=(const PageBuffer&) = delete;

  void Append(const char* bytes, std::size_t size) {
    if (size <= static_cast<std::size_t>(limit_ - end_)) {
      std::memcpy(end_, bytes, size);
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
  // A zero-terminated item text with its markup characters escaped.
  void AppendEscaped(const char* text);
  // Hands over what the buffer holds.
  void Flush();

 private:
  void AppendAcrossFlushes(const char* bytes, std::size_t size);

  PageSink& sink_;
  std::unique_ptr<char[]> buffer_;
  char* end_;
  char* limit_;
};
