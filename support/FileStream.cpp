#include "support/FileStream.h"

FileStream::~FileStream() {
  if (record_ != nullptr) {
    FileClose(record_);
    record_ = nullptr;
  }
}

int FileStream::Open(const char* name, DWORD access, DWORD disposition, bool share) {
  record_ = FileOpen(name, access, disposition, share);
  if (record_ == nullptr) return 0;
  fileName_.Truncate(0);
  fileName_.Append(name);
  return 1;
}

int FileStream::Close() {
  if (record_ == nullptr) return 1;
  const int result = FileClose(record_);
  record_ = nullptr;
  return result;
}

int FileStream::Read(void* buffer, DWORD count) {
  if (record_ == nullptr) return 0;
  return FileRead(record_, buffer, count) == count ? 1 : 0;
}

int FileStream::Write(const void* bytes, DWORD count) {
  if (record_ == nullptr) return 0;
  return FileWrite(record_, bytes, count) == count ? 1 : 0;
}

DWORD FileStream::GetSize() { return FileSize(record_); }
DWORD FileStream::Tell() { return FileTell(record_); }
DWORD FileStream::Seek(LONG offset, int origin) { return FileSeek(record_, offset, origin); }
