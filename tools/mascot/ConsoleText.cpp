#include "ConsoleText.h"

#include <windows.h>

namespace {

constexpr UINT kShiftJis = 932;

bool IsUtf8Name(const std::string& charset) {
  return lstrcmpiA(charset.c_str(), "UTF-8") == 0 || lstrcmpiA(charset.c_str(), "UTF8") == 0;
}

}  // namespace

std::string ToTerminalText(const std::string& bytes, const std::string& charset) {
  if (bytes.empty() || IsUtf8Name(charset)) return bytes;
  const int size = static_cast<int>(bytes.size());
  const int wideLength = MultiByteToWideChar(kShiftJis, 0, bytes.data(), size, nullptr, 0);
  if (wideLength <= 0) return bytes;
  std::wstring wide(static_cast<std::size_t>(wideLength), L'\0');
  MultiByteToWideChar(kShiftJis, 0, bytes.data(), size, &wide[0], wideLength);
  const int length =
      WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideLength, nullptr, 0, nullptr, nullptr);
  if (length <= 0) return bytes;
  std::string text(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideLength, &text[0], length, nullptr, nullptr);
  return text;
}
