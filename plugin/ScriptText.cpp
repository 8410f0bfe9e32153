#include "plugin/ScriptText.h"

#include <windows.h>

#include <array>

#include "support/ChunkBuffer.h"

namespace {

// The classes from kBackslash on are the bytes that may need a change; from
// kEnd on they cannot be the second byte of a character.
enum ByteClass : unsigned char {
  kPlain,
  kLeadByte,
  kBackslash,
  kPercent,
  kEnd,
  kCarriageReturn,
  kLineFeed
};

using ByteClasses = std::array<unsigned char, 256>;

// The lead bytes of the system code page, looked up once rather than per byte.
ByteClasses BuildByteClasses() {
  ByteClasses classes{};
  for (int value = 0; value < 256; ++value) {
    classes[value] = IsDBCSLeadByte(static_cast<BYTE>(value)) ? kLeadByte : kPlain;
  }
  classes['\0'] = kEnd;
  classes['\\'] = kBackslash;
  classes['%'] = kPercent;
  classes['\r'] = kCarriageReturn;
  classes['\n'] = kLineFeed;
  return classes;
}

const ByteClasses& Classes() {
  static const ByteClasses classes = BuildByteClasses();
  return classes;
}

unsigned char ClassOf(const ByteClasses& classes, const char* p) {
  return classes[static_cast<unsigned char>(*p)];
}

// The first byte from `p` on that may need a change, four bytes a step; a
// byte is read only once the one before it is known not to end the text.
const char* FindSpecial(const ByteClasses& classes, const char* p) {
  for (;; p += 4) {
    if (ClassOf(classes, p) >= kBackslash) return p;
    if (ClassOf(classes, p + 1) >= kBackslash) return p + 1;
    if (ClassOf(classes, p + 2) >= kBackslash) return p + 2;
    if (ClassOf(classes, p + 3) >= kBackslash) return p + 3;
  }
}

// True when the byte before `special` begins a character that `special`
// would end. A character begins at `start` and after every byte that is not
// a lead byte, and from there lead bytes pair off with the byte that
// follows: so the count of lead bytes right before `special` tells.
bool FollowsLeadByte(const ByteClasses& classes, const char* start, const char* special) {
  const char* p = special;
  while (p != start && ClassOf(classes, p - 1) == kLeadByte) --p;
  return (special - p) % 2 == 1;
}

}  // namespace

// Only the bytes that may need a change are looked at closely; the runs
// between them are copied whole.
void AppendScriptText(ChunkBuffer& script, const char* text) {
  const ByteClasses& classes = Classes();
  const char* run = text;       // not yet copied
  const char* boundary = text;  // where a character begins
  for (;;) {
    const char* special = FindSpecial(classes, boundary);
    const unsigned char byteClass = ClassOf(classes, special);
    const bool secondByte = FollowsLeadByte(classes, boundary, special);
    if (byteClass < kEnd && secondByte) {  // a trail byte, part of its character
      boundary = special + 1;
      continue;
    }
    // Before the end or a line break, a lead byte is half a character: left out.
    script.Append(run, (secondByte ? special - 1 : special) - run);
    const char* next = special + 1;
    switch (byteClass) {
      case kBackslash: script.AppendLiteral("\\\\"); break;
      case kPercent: script.AppendLiteral("\\%"); break;
      case kCarriageReturn:
        script.AppendLiteral(" ");
        if (*next == '\n') ++next;
        break;
      case kLineFeed: script.AppendLiteral(" "); break;
      default: return;  // the end
    }
    run = boundary = next;
  }
}

void AppendScriptText(std::string& script, const char* text) {
  StringSink sink(script);
  ChunkBuffer buffer(sink);
  AppendScriptText(buffer, text);
  buffer.Flush();
}
