// Centres a window over another one, or over the screen, keeping it inside
// the full-screen area where it fits.
#pragma once

#include <windows.h>

// Leaves minimised, maximised and dead windows where they are. A hidden or
// missing reference stands for the whole screen.
void CenterWindowOver(HWND window, HWND reference);
