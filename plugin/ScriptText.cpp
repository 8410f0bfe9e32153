#include "plugin/ScriptText.h"

#include <windows.h>

void AppendScriptText(std::string& script, const char* text) {
  const char* run = text;
  const char* p = text;
  while (*p != '\0') {
    if (IsDBCSLeadByte(static_cast<BYTE>(*p))) {
      if (p[1] == '\0') break;
      p += 2;
      continue;
    }
    const char* replacement = nullptr;
    size_t consumed = 1;
    switch (*p) {
      case '\\': replacement = "\\\\"; break;
      case '%': replacement = "\\%"; break;
      case '\r':
        replacement = " ";
        if (p[1] == '\n') consumed = 2;
        break;
      case '\n': replacement = " "; break;
      default: ++p; continue;
    }
    script.append(run, p - run);
    script.append(replacement);
    p += consumed;
    run = p;
  }
  script.append(run, p - run);
}
