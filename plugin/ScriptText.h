// Puts a page's title or text into a mascot script so that it shows as typed:
// a backslash (which starts a tag) becomes "\\" and a percent sign (which
// starts a variable) becomes "\%". The request declares Shift-JIS, so bytes
// are judged by Shift-JIS whatever the system's code page: the second byte of
// a double-byte character may equal a backslash and is left alone. A title is
// one line: a line break becomes a blank, since the script travels on one
// request line. A lead byte left alone (at the end, or before a byte that
// cannot be a second byte, such as a line break or a percent sign) is dropped
// so that it cannot swallow the next tag.
#pragma once

#include <string>

class ChunkBuffer;

void AppendScriptText(ChunkBuffer& script, const char* text);
void AppendScriptText(std::string& script, const char* text);
