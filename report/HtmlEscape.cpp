#include "report/HtmlEscape.h"

#include <array>
#include <cstdint>

#include "support/ByteWords.h"
#include "support/ChunkBuffer.h"

namespace {

struct HtmlReference {
  const char* text;  // null for a byte that stands for itself
  std::size_t size;
};

template <std::size_t N>
constexpr HtmlReference Reference(const char (&text)[N]) {
  return HtmlReference{text, N - 1};
}

using References = std::array<HtmlReference, 256>;

constexpr References BuildReferences() {
  References references{};
  references['&'] = Reference("&amp;");
  references['<'] = Reference("&lt;");
  references['>'] = Reference("&gt;");
  references['"'] = Reference("&quot;");
  references['\''] = Reference("&#39;");
  return references;
}

constexpr References kReferences = BuildReferences();

// True for the bytes where a scan stops: markup and the end of the text.
constexpr std::array<bool, 256> BuildStops() {
  std::array<bool, 256> stops{};
  for (int byte = 0; byte < 256; ++byte) stops[byte] = kReferences[byte].text != nullptr;
  stops[0] = true;
  return stops;
}

constexpr std::array<bool, 256> kStops = BuildStops();

bool StopsAt(const char* p) { return kStops[static_cast<unsigned char>(*p)]; }


// Every markup byte is below this; Shift-JIS characters and letters are not.
constexpr std::uint8_t kAboveMarkup = 0x3F;

// The first markup byte of `text`, or its terminating zero byte. Words
// without a byte below kAboveMarkup are passed over whole; only the others
// are looked at byte by byte.
const char* FindMarkup(const char* text) {
  const char* p = text;
  for (; !IsWordAligned(p); ++p) {
    if (StopsAt(p)) return p;
  }
  for (;; p += kWordBytes) {
    if (!HasByteBelow(LoadWord(p), kAboveMarkup)) continue;
    for (std::size_t i = 0; i < kWordBytes; ++i) {
      if (StopsAt(p + i)) return p + i;
    }
  }
}

}  // namespace

void AppendHtmlEscaped(ChunkBuffer& page, const char* text) {
  for (;;) {
    const char* markup = FindMarkup(text);
    page.Append(text, markup - text);
    if (*markup == '\0') return;
    const HtmlReference& reference = kReferences[static_cast<unsigned char>(*markup)];
    page.Append(reference.text, reference.size);
    text = markup + 1;
  }
}
