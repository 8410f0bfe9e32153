// Reads a classic (non-extended) in-memory dialog template as the platform
// stores it, so tests can compare it with the page layout the user sees.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct DialogItem {
  DWORD style = 0;
  DWORD exStyle = 0;
  short x = 0, y = 0, cx = 0, cy = 0;
  WORD id = 0;
  WORD classAtom = 0;  // 0x80 button, 0x81 edit, 0x82 static
  std::wstring text;
};

struct DialogTemplate {
  DWORD style = 0;
  DWORD exStyle = 0;
  short x = 0, y = 0, cx = 0, cy = 0;
  std::wstring caption;
  WORD fontSize = 0;
  std::wstring fontName;
  std::vector<DialogItem> items;
};

// False when the bytes are not a classic template.
bool ReadDialogTemplate(const void* bytes, DialogTemplate& result);
