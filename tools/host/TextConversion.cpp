#include "TextConversion.h"

#include <windows.h>

#include <vector>

namespace {

constexpr UINT kShiftJis = 932;

std::string Convert(const std::string& text, UINT from, UINT to) {
  if (text.empty()) return std::string();
  const int wideLength = MultiByteToWideChar(from, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::vector<wchar_t> wide(wideLength > 0 ? wideLength : 1);
  MultiByteToWideChar(from, 0, text.data(), static_cast<int>(text.size()), wide.data(), wideLength);
  const int length = WideCharToMultiByte(to, 0, wide.data(), wideLength, nullptr, 0, nullptr, nullptr);
  std::string result(length, '\0');
  WideCharToMultiByte(to, 0, wide.data(), wideLength, &result[0], length, nullptr, nullptr);
  return result;
}

}  // namespace

std::string ShiftJisToUtf8(const std::string& text) { return Convert(text, kShiftJis, CP_UTF8); }
std::string Utf8ToShiftJis(const std::string& text) { return Convert(text, CP_UTF8, kShiftJis); }
