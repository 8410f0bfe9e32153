// A byte stream that can be read, written and positioned; FileStream is the
// one implementation, used by the report writer.
#pragma once

#include <windows.h>

#include "framework/Object.h"

class Stream : public Object {
 public:
  ~Stream() override = default;

  virtual int Close() = 0;
  // 1 only when exactly `count` bytes were transferred.
  virtual int Read(void* buffer, DWORD count) = 0;
  virtual int Write(const void* bytes, DWORD count) = 0;
  virtual DWORD GetSize() = 0;
  virtual DWORD Tell() = 0;
  virtual DWORD Seek(LONG offset, int origin) = 0;
};
