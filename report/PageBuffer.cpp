#include "report/PageBuffer.h"

#include "report/HtmlEscape.h"

namespace {

// Large enough that a long list takes few writes, small enough to stay in
// the processor's cache.
constexpr std::size_t kBufferSize = 1 << 16;

}  // namespace

PageBuffer::PageBuffer(PageSink& sink)
    : sink_(sink), buffer_(new char[kBufferSize]), end_(buffer_.get()),
      limit_(buffer_.get() + kBufferSize) {}

void PageBuffer::AppendEscaped(const char* text) {
  for (;;) {
    const char* markup = FindMarkup(text);
    Append(text, markup - text);
    if (*markup == '\0') return;
    const HtmlReference& reference = ReferenceFor(*markup);
    Append(reference.text, reference.size);
    text = markup + 1;
  }
}

void PageBuffer::Flush() {
  if (end_ == buffer_.get()) return;
  sink_.Take(buffer_.get(), end_ - buffer_.get());
  end_ = buffer_.get();
}

void PageBuffer::AppendAcrossFlushes(const char* bytes, std::size_t size) {
  while (size > 0) {
    if (end_ == limit_) Flush();
    const std::size_t room = limit_ - end_;
    const std::size_t piece = size < room ? size : room;
    std::memcpy(end_, bytes, piece);
    end_ += piece;
    bytes += piece;
    size -= piece;
  }
}
