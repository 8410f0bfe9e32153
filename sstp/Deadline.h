// A point in time that a bounded wait must not pass, counted in milliseconds
// from its creation with the tick counter (which wraps safely).
#pragma once

#include <windows.h>

class Deadline {
 public:
  explicit Deadline(int milliseconds) : start_(GetTickCount()), length_(milliseconds) {}

  // Milliseconds left, 0 once passed.
  int Remaining() const {
    const DWORD elapsed = GetTickCount() - start_;
    return elapsed >= static_cast<DWORD>(length_) ? 0 : length_ - static_cast<int>(elapsed);
  }

 private:
  DWORD start_;
  int length_;
};
