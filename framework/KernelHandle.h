// Owns one kernel object handle and closes it when destroyed.
#pragma once

#include <windows.h>

#include "framework/Object.h"

class KernelHandle : public Object {
 public:
  KernelHandle() = default;
  explicit KernelHandle(HANDLE handle) : handle(handle) {}
  ~KernelHandle() override {
    if (handle != nullptr) CloseHandle(handle);
  }

  // Closes a held handle and forgets it.
  virtual int Close() {
    if (handle != nullptr) {
      CloseHandle(handle);
      handle = nullptr;
    }
    return 1;
  }

  HANDLE handle = nullptr;
};

class MutexHandle : public KernelHandle {
 public:
  using KernelHandle::KernelHandle;
};
