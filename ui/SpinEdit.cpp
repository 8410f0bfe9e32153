#include "ui/SpinEdit.h"

#include "support/ModuleHandles.h"

int SpinEdit::CreateControl(HWND parent, int id, LPCSTR text, DWORD style,
                            DWORD exStyle, int x, int y, int cx, int cy) {
  const std::string name = GetClassName();
  const HWND created = CreateWindowExA(
      exStyle, name.c_str(), text, style, x, y, cx, cy, parent,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), windowInstance(),
      nullptr);
  const int ok = Attach(created);
  if (ok == 1) Subclass();
  return ok;
}
