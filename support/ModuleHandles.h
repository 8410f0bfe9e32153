// The two module handles from which the library creates things: windows and
// window classes under the host executable's handle, resources (dialog
// templates, strings) from the library's own module once it is attached.
#pragma once

#include <windows.h>

// A null handle stands for the process's main module; sets both handles.
void SetModuleHandles(HINSTANCE handle);
void SetResourceHandle(HINSTANCE handle);

HINSTANCE windowInstance();
HINSTANCE resourceInstance();
