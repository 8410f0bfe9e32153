#include "report/HtmlEscape.h"

#include <cstring>

void AppendHtmlEscaped(std::string& page, const char* text) {
  const char* run = text;
  const char* p = text;
  for (; *p != '\0'; ++p) {
    const char* reference = nullptr;
    switch (*p) {
      case '&': reference = "&amp;"; break;
      case '<': reference = "&lt;"; break;
      case '>': reference = "&gt;"; break;
      case '"': reference = "&quot;"; break;
      case '\'': reference = "&#39;"; break;
      default: continue;
    }
    page.append(run, p - run);
    page.append(reference);
    run = p + 1;
  }
  page.append(run, p - run);
}
