// Path-name helpers that understand double-byte character sets: a trail byte
// that happens to equal a backslash or a dot is never taken for one. Used to
// derive the settings and report paths and the help-file name.
#pragma once

#include <string>

// First byte of the file-name part (after the last backslash).
const char* FindFileName(const char* path);

// Last occurrence of a single-byte character, skipping double-byte pairs; a
// lead byte right before the terminating zero yields that zero's position if
// nothing was found before it. Null when absent.
const char* FindLastChar(const char* text, char character);

// The extension of the file-name part, from its dot on, or an empty text.
const char* FindExtension(const char* path);

// Overwrites the extension in place, or appends one when the name has none.
// The buffer must have room for the longer path. Always returns 1.
int ReplaceExtension(char* path, const char* extension);

// The same on an owned string, so that no buffer size is involved.
std::string WithExtension(const std::string& path, const char* extension);

// The one shared empty text.
extern const char kEmptyText[1];
