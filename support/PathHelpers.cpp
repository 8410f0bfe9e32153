#include "support/PathHelpers.h"

#include <windows.h>

#include <cstring>
#include <vector>

const char kEmptyText[1] = {0};

namespace {

bool IsLeadByte(char c) { return IsDBCSLeadByte(static_cast<BYTE>(c)) != FALSE; }

}  // namespace

const char* FindFileName(const char* path) {
  const char* name = path;
  const char* p = path;
  while (*p != '\0') {
    if (IsLeadByte(*p)) {
      if (p[1] == '\0') break;
      p += 2;
      continue;
    }
    if (*p == '\\') name = p + 1;
    ++p;
  }
  return name;
}

const char* FindLastChar(const char* text, char character) {
  const char* found = nullptr;
  const char* p = text;
  for (;;) {
    if (IsLeadByte(*p)) {
      if (p[1] != '\0') {
        p += 2;
        continue;
      }
      if (found == nullptr) found = p + 1;
      ++p;
      continue;
    }
    if (*p == character) found = p;
    if (*p == '\0') return found;
    ++p;
  }
}

const char* FindExtension(const char* path) {
  const char* name = FindFileName(path);
  const char* dot = FindLastChar(path, '.');
  if (dot == nullptr || dot < name) return kEmptyText;
  return dot;
}

int ReplaceExtension(char* path, const char* extension) {
  const char* found = FindExtension(path);
  char* target = (found != nullptr && *found != '\0')
                     ? path + (found - path)
                     : path + std::strlen(path);
  std::strcpy(target, extension);
  return 1;
}

std::string WithExtension(const std::string& path, const char* extension) {
  std::vector<char> buffer(path.begin(), path.end());
  buffer.resize(path.size() + std::strlen(extension) + 1, '\0');
  ReplaceExtension(buffer.data(), extension);
  return std::string(buffer.data());
}
