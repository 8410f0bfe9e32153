#include "support/TextLength.h"

#include "support/ByteWords.h"

std::size_t TextLength(const char* text) {
  const char* p = text;
  for (; !IsWordAligned(p); ++p) {
    if (*p == '\0') return p - text;
  }
  while (!HasByteBelow(LoadWord(p), 1)) p += kWordBytes;
  while (*p != '\0') ++p;
  return p - text;
}
