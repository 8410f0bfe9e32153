// A stream over one file, opened through the file layer; the file is closed
// when the stream is closed or destroyed.
#pragma once

#include "support/FileAccess.h"
#include "support/HeapText.h"
#include "support/Stream.h"

class FileStream : public Stream {
 public:
  FileStream() = default;
  ~FileStream() override;

  int Close() override;
  int Read(void* buffer, DWORD count) override;
  int Write(const void* bytes, DWORD count) override;
  DWORD GetSize() override;
  DWORD Tell() override;
  DWORD Seek(LONG offset, int origin) override;
  // 1 when the file was opened; call it on a stream without an open file.
  virtual int Open(const char* name, DWORD access, DWORD disposition, bool share);

  bool IsOpen() const { return record_ != nullptr; }

 private:
  FileRecord* record_ = nullptr;
  HeapText fileName_;  // kept when memory allows; nothing reads it back
};
