#include "report/HtmlEscape.h"

#include <array>

namespace {

// The character reference for each byte that needs one; null for the others.
using References = std::array<const char*, 256>;

References BuildReferences() {
  References references{};
  references['&'] = "&amp;";
  references['<'] = "&lt;";
  references['>'] = "&gt;";
  references['"'] = "&quot;";
  references['\''] = "&#39;";
  return references;
}

const References kReferences = BuildReferences();

}  // namespace

void AppendHtmlEscaped(std::string& page, const char* text) {
  const char* run = text;
  const char* p = text;
  for (;; ++p) {
    const unsigned char byte = static_cast<unsigned char>(*p);
    if (byte == 0) break;
    const char* reference = kReferences[byte];
    if (reference == nullptr) continue;
    page.append(run, p - run);
    page.append(reference);
    run = p + 1;
  }
  page.append(run, p - run);
}
