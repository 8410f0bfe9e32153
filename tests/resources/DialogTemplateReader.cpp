#include "DialogTemplateReader.h"

#include <cstdint>
#include <cstring>

namespace {

class Cursor {
 public:
  explicit Cursor(const void* bytes) : p_(static_cast<const BYTE*>(bytes)), start_(p_) {}

  template <typename T>
  T Read() {
    T value;
    std::memcpy(&value, p_, sizeof(T));
    p_ += sizeof(T);
    return value;
  }

  std::wstring ReadString() {
    std::wstring text;
    for (WCHAR c = Read<WCHAR>(); c != 0; c = Read<WCHAR>()) text.push_back(c);
    return text;
  }

  // A string or, after 0xFFFF, an ordinal.
  WORD ReadNameOrOrdinal(std::wstring* text) {
    const WORD first = Read<WORD>();
    if (first == 0xFFFF) return Read<WORD>();
    if (first != 0) {
      p_ -= sizeof(WORD);
      *text = ReadString();
    }
    return 0;
  }

  void AlignToDword() {
    while ((p_ - start_) % 4 != 0) ++p_;
  }
  void Skip(size_t bytes) { p_ += bytes; }

 private:
  const BYTE* p_;
  const BYTE* start_;
};

}  // namespace

bool ReadDialogTemplate(const void* bytes, DialogTemplate& result) {
  Cursor cursor(bytes);
  result.style = cursor.Read<DWORD>();
  if (HIWORD(result.style) == 0xFFFF) return false;  // an extended template
  result.exStyle = cursor.Read<DWORD>();
  const WORD count = cursor.Read<WORD>();
  result.x = cursor.Read<short>();
  result.y = cursor.Read<short>();
  result.cx = cursor.Read<short>();
  result.cy = cursor.Read<short>();
  std::wstring ignored;
  cursor.ReadNameOrOrdinal(&ignored);  // menu
  cursor.ReadNameOrOrdinal(&ignored);  // class
  result.caption = cursor.ReadString();
  if (result.style & DS_SETFONT) {
    result.fontSize = cursor.Read<WORD>();
    result.fontName = cursor.ReadString();
  }
  for (WORD i = 0; i < count; ++i) {
    cursor.AlignToDword();
    DialogItem item;
    item.style = cursor.Read<DWORD>();
    item.exStyle = cursor.Read<DWORD>();
    item.x = cursor.Read<short>();
    item.y = cursor.Read<short>();
    item.cx = cursor.Read<short>();
    item.cy = cursor.Read<short>();
    item.id = cursor.Read<WORD>();
    std::wstring className;
    item.classAtom = cursor.ReadNameOrOrdinal(&className);
    cursor.ReadNameOrOrdinal(&item.text);
    cursor.Skip(cursor.Read<WORD>());
    result.items.push_back(item);
  }
  return true;
}
