// Changes a window's extended style bits, optionally asking the frame to
// follow the change.
#pragma once

#include <windows.h>

// New style = (old & ~remove) | add. Returns 0 for a dead window or when the
// style would not change (nothing is written then), else 1. A non-zero
// `swpFlags` also re-applies the frame without moving, sizing or activating.
int ModifyExStyle(HWND window, DWORD remove, DWORD add, UINT swpFlags);
