#include "plugin/ScriptText.h"

#include <windows.h>

#include <array>

namespace {

enum ByteClass : unsigned char { kPlain, kEnd, kLeadByte, kBackslash, kPercent, kCarriageReturn, kLineFeed };

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

}  // namespace

void AppendScriptText(std::string& script, const char* text) {
  const ByteClasses& classes = Classes();
  const char* run = text;
  const char* p = text;
  for (;;) {
    while (classes[static_cast<unsigned char>(*p)] == kPlain) ++p;
    const char* replacement = nullptr;
    size_t consumed = 1;
    switch (classes[static_cast<unsigned char>(*p)]) {
      case kLeadByte:
        if (p[1] == '\0') {  // half a character: left out
          script.append(run, p - run);
          return;
        }
        if (p[1] == '\r' || p[1] == '\n') {  // never a trail byte: half a character
          script.append(run, p - run);
          run = ++p;
          continue;
        }
        p += 2;
        continue;
      case kBackslash: replacement = "\\\\"; break;
      case kPercent: replacement = "\\%"; break;
      case kCarriageReturn:
        replacement = " ";
        if (p[1] == '\n') consumed = 2;
        break;
      case kLineFeed: replacement = " "; break;
      default:  // the end
        script.append(run, p - run);
        return;
    }
    script.append(run, p - run);
    script.append(replacement);
    p += consumed;
    run = p;
  }
}
