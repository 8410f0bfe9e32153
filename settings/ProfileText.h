// Conversions between setting values and the text the private-profile
// functions store.
#pragma once

#include <string>

// As the C library's atoi: leading blanks and a sign, then digits up to the
// first non-digit; no digits give 0. Out-of-range values are clamped.
int ParseProfileInteger(const char* text);

// The text to write so that the profile reader gives `value` back unchanged:
// the reader trims blanks at both ends and drops one pair of enclosing quotes,
// so such values are written inside double quotes.
std::string ProfileValueToWrite(const std::string& value);

// Drops a lead byte of a double-byte character left alone at the end of a
// text (a value cut to the profile buffer, or a broken one).
void DropDanglingLeadByte(std::string& text);
