// The named mutex that marks a running mascot ("sakura" or "ssp"), held while
// the object lives. A wait-only mutex lets other openers do nothing but wait
// on it: how the mutex of a mascot program running as administrator looks to
// a program at normal integrity.
#pragma once

#include <windows.h>
#include <sddl.h>

class NamedMutex {
 public:
  explicit NamedMutex(const char* name = "sakura", bool waitOnly = false) {
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (waitOnly) {
      ConvertStringSecurityDescriptorToSecurityDescriptorA("D:(A;;0x00100000;;;WD)",
                                                           SDDL_REVISION_1, &descriptor, nullptr);
    }
    SECURITY_ATTRIBUTES attributes = {sizeof(attributes), descriptor, FALSE};
    handle_ = CreateMutexA(descriptor != nullptr ? &attributes : nullptr, FALSE, name);
    if (descriptor != nullptr) LocalFree(descriptor);
  }
  ~NamedMutex() {
    if (handle_ != nullptr) CloseHandle(handle_);
  }
  NamedMutex(const NamedMutex&) = delete;
  NamedMutex& operator=(const NamedMutex&) = delete;
  bool held() const { return handle_ != nullptr; }

 private:
  HANDLE handle_ = nullptr;
};
