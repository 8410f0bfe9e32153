// Puts an item text into the HTML page so that it shows as typed: the five
// markup characters become character references. None of them can be the
// second byte of a Shift-JIS character, so the text is scanned without
// regard to where its characters begin.
#pragma once

class ChunkBuffer;

void AppendHtmlEscaped(ChunkBuffer& page, const char* text);
