#include "plugin/ScriptText.h"

#include <array>

#include "support/ChunkBuffer.h"

namespace {

// The classes from kBackslash on are the bytes that may need a change.
enum ByteClass : unsigned char {
  kPlain,
  kLeadByte,
  kBackslash,
  kPercent,
  kEnd,
  kCarriageReturn,
  kLineFeed
};

struct ByteTable {
  std::array<unsigned char, 256> classes;
  std::array<bool, 256> canBeSecondByte;
};

// The request declares Shift-JIS, and the mascot reads every byte as such:
// its lead and second bytes count, whatever the system's code page is.
bool IsShiftJisLeadByte(int value) {
  return (value >= 0x81 && value <= 0x9F) || (value >= 0xE0 && value <= 0xFC);
}

bool IsShiftJisSecondByte(int value) { return value >= 0x40 && value <= 0xFC && value != 0x7F; }

ByteTable BuildByteTable() {
  ByteTable table{};
  for (int value = 0; value < 256; ++value) {
    table.classes[value] = IsShiftJisLeadByte(value) ? kLeadByte : kPlain;
    table.canBeSecondByte[value] = IsShiftJisSecondByte(value);
  }
  table.classes['\0'] = kEnd;
  table.classes['\\'] = kBackslash;
  table.classes['%'] = kPercent;
  table.classes['\r'] = kCarriageReturn;
  table.classes['\n'] = kLineFeed;
  return table;
}

const ByteTable& Table() {
  static const ByteTable table = BuildByteTable();
  return table;
}

unsigned char ClassOf(const ByteTable& table, const char* p) {
  return table.classes[static_cast<unsigned char>(*p)];
}

// A lead byte whose next byte cannot complete its character: a reader takes
// it as broken and the next byte on its own.
bool IsBrokenLead(const ByteTable& table, const char* p) {
  return ClassOf(table, p) == kLeadByte && !table.canBeSecondByte[static_cast<unsigned char>(p[1])];
}

bool NeedsLook(const ByteTable& table, const char* p) {
  return ClassOf(table, p) >= kBackslash || IsBrokenLead(table, p);
}

// The first byte from `p` on that may need a change, four bytes a step; a
// byte is read only once the one before it is known not to end the text.
const char* FindSpecial(const ByteTable& table, const char* p) {
  for (;; p += 4) {
    if (NeedsLook(table, p)) return p;
    if (NeedsLook(table, p + 1)) return p + 1;
    if (NeedsLook(table, p + 2)) return p + 2;
    if (NeedsLook(table, p + 3)) return p + 3;
  }
}

// True when the byte before `special` begins a character that `special`
// would end. A character begins at `start` and after every byte that is not
// a lead byte, and from there lead bytes pair off with the byte that
// follows: so the count of lead bytes right before `special` tells.
bool FollowsLeadByte(const ByteTable& table, const char* start, const char* special) {
  const char* p = special;
  while (p != start && ClassOf(table, p - 1) == kLeadByte) --p;
  return (special - p) % 2 == 1;
}

}  // namespace

// Only the bytes that may need a change are looked at closely; the runs
// between them are copied whole.
void AppendScriptText(ChunkBuffer& script, const char* text) {
  const ByteTable& table = Table();
  const char* run = text;       // not yet copied
  const char* boundary = text;  // where a character begins
  for (;;) {
    const char* special = FindSpecial(table, boundary);
    if (FollowsLeadByte(table, boundary, special)) {  // a second byte, part of its character
      boundary = special + 1;
      continue;
    }
    script.Append(run, special - run);
    const char* next = special + 1;
    switch (ClassOf(table, special)) {
      case kLeadByte: break;  // half a character: left out
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
