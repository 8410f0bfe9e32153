// Finds, loads and locks a resource bound into a module. The bytes belong to
// the module and stay valid while it is loaded; nothing is freed by callers.
#pragma once

#include <windows.h>

// A null module means the process's main module. Null when missing.
const void* LoadResourceData(HMODULE module, LPCSTR name, LPCSTR type,
                             DWORD* size = nullptr);
