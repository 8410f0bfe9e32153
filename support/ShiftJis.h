// The byte ranges of Shift-JIS, the encoding that every SSTP request declares
// and the mascot reads, whatever the system's code page is. (Paths and file
// names are in the system's code page; PathHelpers asks the system instead.)
#pragma once

// The first byte of a double-byte character.
constexpr bool IsShiftJisLeadByte(unsigned char byte) {
  return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

// A byte that can complete a double-byte character.
constexpr bool IsShiftJisSecondByte(unsigned char byte) {
  return byte >= 0x40 && byte <= 0xFC && byte != 0x7F;
}
