#include "settings/ProfileText.h"

#include <windows.h>

#include <climits>
#include <cstdint>

namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsQuote(char c) { return c == '"' || c == '\''; }

// The profile reader also trims the end-of-file mark of old text files.
constexpr char kEndOfFileMark = 0x1A;

bool IsTrimmedByReader(char c) { return IsBlank(c) || c == kEndOfFileMark; }

}  // namespace

int ParseProfileInteger(const char* text) {
  if (text == nullptr) return 0;
  const char* p = text;
  while (IsBlank(*p)) ++p;
  bool negative = false;
  if (*p == '+' || *p == '-') {
    negative = *p == '-';
    ++p;
  }
  std::int64_t value = 0;
  for (; *p >= '0' && *p <= '9'; ++p) {
    value = value * 10 + (*p - '0');
    if (value > static_cast<std::int64_t>(INT_MAX) + 1) value = static_cast<std::int64_t>(INT_MAX) + 1;
  }
  if (negative) value = -value;
  if (value > INT_MAX) return INT_MAX;
  if (value < INT_MIN) return INT_MIN;
  return static_cast<int>(value);
}

std::string ProfileValueToWrite(const std::string& value) {
  if (value.empty()) return value;
  const bool blankAtEnd = IsTrimmedByReader(value.front()) || IsTrimmedByReader(value.back());
  const bool quoted = value.size() >= 2 && IsQuote(value.front()) && IsQuote(value.back());
  if (!blankAtEnd && !quoted) return value;
  return "\"" + value + "\"";
}

void DropDanglingLeadByte(std::string& text) {
  size_t i = 0;
  while (i < text.size()) {
    if (IsDBCSLeadByte(static_cast<BYTE>(text[i]))) {
      if (i + 1 == text.size()) {
        text.pop_back();
        return;
      }
      i += 2;
    } else {
      ++i;
    }
  }
}
