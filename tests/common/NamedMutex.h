// The named mutex that marks a running mascot ("sakura" or "ssp"), held while
// the object lives.
#pragma once

#include <windows.h>

class NamedMutex {
 public:
  explicit NamedMutex(const char* name = "sakura") : handle_(CreateMutexA(nullptr, FALSE, name)) {}
  ~NamedMutex() {
    if (handle_ != nullptr) CloseHandle(handle_);
  }
  NamedMutex(const NamedMutex&) = delete;
  NamedMutex& operator=(const NamedMutex&) = delete;
  bool held() const { return handle_ != nullptr; }

 private:
  HANDLE handle_;
};
