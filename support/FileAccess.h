// A thin layer over operating-system files: a heap-allocated record that
// holds the file handle, and free functions that validate the record first
// and turn every failure into a plain result (null, 0 or -1). The report
// writer reaches it through FileStream.
#pragma once

#include <windows.h>

struct FileRecord {
  HANDLE data;
  int isFile;
};

constexpr DWORD kFileWriteAccess = 0x40000000;  // GENERIC_WRITE
constexpr DWORD kFileReadAccess = 0x80000000;   // GENERIC_READ
constexpr DWORD kFileCreateAlways = 2;          // CREATE_ALWAYS
constexpr DWORD kFileInvalidPosition = 0xFFFFFFFF;

// Opens or creates `name`; a shared open shares exactly the access it asks
// for. Null when no access was asked for or the file cannot be opened.
FileRecord* FileOpen(const char* name, DWORD access, DWORD disposition, bool share);
// 1 and the record freed, or 0 and the record kept.
int FileClose(FileRecord* record);
// Bytes transferred, 0 on failure.
DWORD FileRead(FileRecord* record, void* buffer, DWORD count);
DWORD FileWrite(FileRecord* record, const void* bytes, DWORD count);
// origin: 0 from the beginning, 1 from the current position, 2 from the end.
// The new position, or kFileInvalidPosition.
DWORD FileSeek(FileRecord* record, LONG offset, int origin);
DWORD FileTell(FileRecord* record);
// Low 32 bits of the size, or kFileInvalidPosition.
DWORD FileSize(FileRecord* record);
