#include "ui/ModifyExStyle.h"

namespace {

constexpr UINT kKeepPlacement =
    SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE;  // 0x17

}  // namespace

int ModifyExStyle(HWND window, DWORD remove, DWORD add, UINT swpFlags) {
  if (!IsWindow(window)) return 0;
  const DWORD old = static_cast<DWORD>(GetWindowLongA(window, GWL_EXSTYLE));
  const DWORD updated = (old & ~remove) | add;
  if (updated == old) return 0;
  SetWindowLongA(window, GWL_EXSTYLE, static_cast<LONG>(updated));
  if (swpFlags != 0) {
    SetWindowPos(window, nullptr, 0, 0, 0, 0, swpFlags | kKeepPlacement);
  }
  return 1;
}
