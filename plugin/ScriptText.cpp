#include "plugin/ScriptText.h"

#include <array>

#include "support/ChunkBuffer.h"
#include "support/ShiftJis.h"

namespace {

// The classes from kBackslash on are the bytes that may need a change, and
// from kNotSecond on those that cannot be the second byte of a character.
enum ByteClass : unsigned char {
  kPlain,
  kLeadByte,
  kBackslash,
  kNotSecond,  // any other byte that cannot be a second byte: blanks, digits, ...
  kPercent,
  kEnd,
  kCarriageReturn,
  kLineFeed
};

using ByteClasses = std::array<unsigned char, 256>;

// By Shift-JIS, which the request declares, whatever the system's code page.
ByteClasses BuildByteClasses() {
  ByteClasses classes{};
  for (int value = 0; value < 256; ++value) {
    classes[value] = IsShiftJisLeadByte(value)     ? kLeadByte
                     : IsShiftJisSecondByte(value) ? kPlain
                                                   : kNotSecond;
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

// True for a byte that needs a closer look: one that may need a change, or
// one that cannot be a second byte right after a lead byte (a reader takes
// that lead byte as broken, and this byte on its own). Blanks and digits
// after other bytes pass at the cost of one more test. `p` is past the start.
bool NeedsLook(const ByteClasses& classes, const char* p) {
  const unsigned char byteClass = ClassOf(classes, p);
  if (__builtin_expect(byteClass < kBackslash, 1)) return false;
  return byteClass != kNotSecond || ClassOf(classes, p - 1) == kLeadByte;
}

// The first byte from `p` on that needs a closer look, four bytes a step; a
// byte is read only once the one before it is known not to end the text.
// The byte at `p` begins a character, so no lead byte comes before it.
const char* FindSpecial(const ByteClasses& classes, const char* p) {
  const unsigned char first = ClassOf(classes, p);
  if (first >= kBackslash && first != kNotSecond) return p;
  for (++p;; p += 4) {
    if (NeedsLook(classes, p)) return p;
    if (NeedsLook(classes, p + 1)) return p + 1;
    if (NeedsLook(classes, p + 2)) return p + 2;
    if (NeedsLook(classes, p + 3)) return p + 3;
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
    if (byteClass == kBackslash && secondByte) {  // part of its character
      boundary = special + 1;
      continue;
    }
    if (byteClass == kNotSecond && !secondByte) {  // the lead byte before it is its own
      boundary = special + 1;
      continue;
    }
    // A lead byte before a byte that cannot end its character is half a
    // character: left out.
    script.Append(run, (secondByte ? special - 1 : special) - run);
    const char* next = special + 1;
    switch (byteClass) {
      case kNotSecond: script.Append(special, 1); break;
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
