#include "support/FileAccess.h"

#include "support/Heap.h"

// A fault inside a transfer cannot happen here: the kernel checks the caller's
// buffer and ReadFile/WriteFile report an inaccessible one as an error
// (ERROR_NOACCESS), as CloseHandle reports a bad handle. What is left to
// guard is the record itself, which every function probes before use.

namespace {

constexpr DWORD kShareWrite = FILE_SHARE_WRITE;
constexpr DWORD kShareRead = FILE_SHARE_READ;

bool IsUsable(const FileRecord* record) {
  return record != nullptr && !IsBadReadPtr(record, sizeof(FileRecord));
}

}  // namespace

FileRecord* FileOpen(const char* name, DWORD access, DWORD disposition, bool share) {
  DWORD desiredAccess = 0;
  DWORD shareMode = 0;
  if (access & kFileWriteAccess) {
    desiredAccess |= GENERIC_WRITE;
    if (share) shareMode |= kShareWrite;
  }
  if (access & kFileReadAccess) {
    desiredAccess |= GENERIC_READ;
    if (share) shareMode |= kShareRead;
  }
  if (desiredAccess == 0 || name == nullptr) return nullptr;

  auto* record = static_cast<FileRecord*>(HeapAllocateZeroed(sizeof(FileRecord), 1));
  if (record == nullptr) return nullptr;
  const HANDLE file = CreateFileA(name, desiredAccess, shareMode, nullptr, disposition,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    const DWORD error = GetLastError();
    HeapRelease(record);
    SetLastError(error);
    return nullptr;
  }
  record->data = file;
  record->isFile = 1;
  return record;
}

int FileClose(FileRecord* record) {
  if (!IsUsable(record)) return 0;
  if (!CloseHandle(record->data)) return 0;
  HeapRelease(record);
  return 1;
}

DWORD FileRead(FileRecord* record, void* buffer, DWORD count) {
  if (!IsUsable(record)) return 0;
  DWORD read = 0;
  if (!ReadFile(record->data, buffer, count, &read, nullptr)) return 0;
  return read;
}

DWORD FileWrite(FileRecord* record, const void* bytes, DWORD count) {
  if (!IsUsable(record)) return 0;
  DWORD written = 0;
  if (!WriteFile(record->data, bytes, count, &written, nullptr)) return 0;
  return written;
}

DWORD FileSeek(FileRecord* record, LONG offset, int origin) {
  if (origin < 0 || origin > 2) return kFileInvalidPosition;
  if (!IsUsable(record)) return kFileInvalidPosition;
  return SetFilePointer(record->data, offset, nullptr, static_cast<DWORD>(origin));
}

DWORD FileTell(FileRecord* record) {
  if (!IsUsable(record)) return kFileInvalidPosition;
  return SetFilePointer(record->data, 0, nullptr, FILE_CURRENT);
}

DWORD FileSize(FileRecord* record) {
  if (!IsUsable(record)) return kFileInvalidPosition;
  return GetFileSize(record->data, nullptr);
}
