// Loads a string resource of the library into a byte string.
#pragma once

#include <windows.h>

#include <string>

// Replaces `text` when the resource has text (at most 299 bytes are taken) and
// returns true; otherwise leaves it as it was and returns false.
bool LoadResourceString(std::string& text, UINT id);
