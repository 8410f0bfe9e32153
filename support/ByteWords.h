// Four bytes at a time, for scans and copies of long texts: a 32-bit word
// read from the text, and whether one of its bytes is below a limit (zero:
// below 1). A text whose end is unknown is read in aligned words only, which
// never reach into a page beyond the one that holds its terminating zero byte.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

constexpr std::size_t kWordBytes = sizeof(std::uint32_t);

inline std::uint32_t LoadWord(const char* bytes) {
  std::uint32_t word;
  std::memcpy(&word, bytes, kWordBytes);
  return word;
}

inline bool IsWordAligned(const char* bytes) {
  return reinterpret_cast<std::uintptr_t>(bytes) % kWordBytes == 0;
}

// Exact for limits up to 0x80: a borrow can only come from a byte below it.
constexpr bool HasByteBelow(std::uint32_t word, std::uint8_t limit) {
  return ((word - 0x01010101u * limit) & ~word & 0x80808080u) != 0;
}

// Copies `size` bytes. Most copies of texts are short, and a call of the C
// library's memcpy costs more than they do (Wine's most of all); long ones
// go to it.
inline void CopyBytes(char* to, const char* from, std::size_t size) {
  constexpr std::size_t kLongCopy = 256;
  if (size >= kLongCopy) {
    std::memcpy(to, from, size);
    return;
  }
  for (; size >= kWordBytes; size -= kWordBytes) {
    std::memcpy(to, from, kWordBytes);
    to += kWordBytes;
    from += kWordBytes;
  }
  for (; size > 0; --size) *to++ = *from++;
}
