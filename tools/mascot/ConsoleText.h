// Turns received request bytes into text for the UTF-8 terminal.
#pragma once

#include <string>

// Converts from Shift-JIS (code page 932), or passes the bytes through when
// `charset` names UTF-8.
std::string ToTerminalText(const std::string& bytes, const std::string& charset);
