// The length of a zero-terminated text, found a word at a time. Some C
// libraries (Wine's among them) look at one byte per step, which shows on
// texts of megabytes.
#pragma once

#include <cstddef>

std::size_t TextLength(const char* text);
