#include "support/ChunkBuffer.h"

void ChunkBuffer::Flush() {
  if (end_ == buffer_) return;
  sink_.Take(buffer_, end_ - buffer_);
  end_ = buffer_;
}

void ChunkBuffer::AppendAcrossFlushes(const char* bytes, std::size_t size) {
  while (size > 0) {
    if (end_ == buffer_ + kSize) Flush();
    const std::size_t room = buffer_ + kSize - end_;
    const std::size_t piece = size < room ? size : room;
    CopyBytes(end_, bytes, piece);
    end_ += piece;
    bytes += piece;
    size -= piece;
  }
}
