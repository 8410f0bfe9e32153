// Conversions between the terminal's UTF-8 and the plug-in's Shift-JIS.
#pragma once

#include <string>

std::string ShiftJisToUtf8(const std::string& text);
std::string Utf8ToShiftJis(const std::string& text);
