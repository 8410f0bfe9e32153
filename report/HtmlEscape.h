// Appends text to an HTML page so that it shows as typed: the five markup
// characters become character references. None of them can be the second
// byte of a Shift-JIS character, so the text is scanned byte by byte.
#pragma once

#include <string>

void AppendHtmlEscaped(std::string& page, const char* text);
