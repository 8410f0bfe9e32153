// The configuration call: the modal options sheet with its two pages. What
// the user confirms with OK is saved to the INI file; Cancel saves nothing.
#pragma once

#include <windows.h>

// Always returns 1, which the host receives.
int RunOptionsSheet(HWND hwndHost);
