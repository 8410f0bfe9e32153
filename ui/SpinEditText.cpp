#include "ui/SpinEditText.h"

#include <windows.h>

#include <climits>
#include <cstring>

namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

int ParseSpinEditNumber(const char* text) {
  const char* p = text;
  while (IsBlank(*p)) ++p;
  const bool negative = *p == '-';
  if (*p == '-' || *p == '+') ++p;
  // The magnitude stops just past INT_MAX: enough for INT_MIN, no overflow.
  long long magnitude = 0;
  for (; IsDigit(*p); ++p) {
    magnitude = magnitude * 10 + (*p - '0');
    if (magnitude > static_cast<long long>(INT_MAX) + 1) {
      magnitude = static_cast<long long>(INT_MAX) + 1;
    }
  }
  const long long number = negative ? -magnitude : magnitude;
  if (number > INT_MAX) return INT_MAX;
  return static_cast<int>(number);
}

SpinEditText FormatSpinEditNumber(int value) {
  SpinEditText text{};
  wsprintfA(text.bytes, "%d", value);
  return text;
}

bool SpinEditTextHasValidShape(const char* text, int minimum) {
  if (text[0] == '\0') return true;
  if (minimum < 0 && std::strcmp(text, "-") == 0) return true;
  const SpinEditText canonical = FormatSpinEditNumber(ParseSpinEditNumber(text));
  return std::strcmp(text, canonical.bytes) == 0;
}

bool IsUnfinishedSpinEditEntry(const char* text) {
  return text[0] == '\0' || std::strcmp(text, "-") == 0;
}
