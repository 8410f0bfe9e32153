#include "ItemList.h"

#include <windows.h>

#include "TextConversion.h"

namespace {

constexpr char kUtf8Mark[] = "\xEF\xBB\xBF";
constexpr size_t kFieldCount = 4;

std::vector<std::string> SplitFields(const std::string& line) {
  std::vector<std::string> fields;
  size_t start = 0;
  while (fields.size() < kFieldCount) {
    const size_t tab = line.find('\t', start);
    fields.push_back(line.substr(start, tab == std::string::npos ? std::string::npos : tab - start));
    if (tab == std::string::npos) break;
    start = tab + 1;
  }
  return fields;
}

}  // namespace

bool ItemList::Load(const std::string& path) {
  const HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  std::string text;
  char chunk[4096];
  DWORD read = 0;
  while (ReadFile(file, chunk, sizeof(chunk), &read, nullptr) && read > 0) text.append(chunk, read);
  CloseHandle(file);
  if (text.compare(0, 3, kUtf8Mark) == 0) text.erase(0, 3);

  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    start = end + 1;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == '#') continue;
    AddLine(line);
  }
  return true;
}

void ItemList::AddLine(const std::string& line) {
  const std::vector<std::string> fields = SplitFields(line);
  records_.emplace_back();
  ToolItem& item = records_.back();
  item = ToolItem();
  const char** targets[kFieldCount] = {&item.Title, &item.Url, &item.Info, &item.ViewUrl};
  for (size_t i = 0; i < fields.size(); ++i) *targets[i] = Keep(fields[i]);
  pointers_.push_back(&item);
}

const char* ItemList::Keep(const std::string& utf8) {
  texts_.push_back(Utf8ToShiftJis(utf8));
  return texts_.back().c_str();
}
