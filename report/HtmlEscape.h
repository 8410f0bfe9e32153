// What an item text needs to show as typed in an HTML page: the five markup
// characters become character references. None of them can be the second
// byte of a Shift-JIS character, so the text is scanned without regard to
// where its characters begin.
#pragma once

#include <cstddef>

struct HtmlReference {
  const char* text;  // null for a byte that stands for itself
  std::size_t size;
};

// The first markup byte of `text`, or its terminating zero byte.
const char* FindMarkup(const char* text);

// The reference that replaces a markup byte.
const HtmlReference& ReferenceFor(char markup);
