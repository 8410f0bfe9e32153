// A text that ends on the last readable byte before a page that cannot be
// read, for the scans that read a word at a time: one byte too far and the
// test program faults. The pages are released on destruction.
#pragma once

#include <windows.h>

#include <cstring>
#include <string>

class GuardedText {
 public:
  GuardedText()
      : base_(static_cast<char*>(
            VirtualAlloc(nullptr, 2 * kPage, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE))) {
    DWORD old = 0;
    if (base_ != nullptr) VirtualProtect(base_ + kPage, kPage, PAGE_NOACCESS, &old);
  }
  ~GuardedText() { VirtualFree(base_, 0, MEM_RELEASE); }
  GuardedText(const GuardedText&) = delete;
  GuardedText& operator=(const GuardedText&) = delete;

  bool usable() const { return base_ != nullptr; }
  // `text` and its terminating zero byte, placed so that the zero byte is the
  // last readable byte.
  const char* Place(const std::string& text) {
    char* start = base_ + kPage - 1 - text.size();
    std::memcpy(start, text.c_str(), text.size() + 1);
    return start;
  }

 private:
  static constexpr size_t kPage = 4096;
  char* base_;
};
