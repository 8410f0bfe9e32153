// The two functions that the host calls, exported undecorated with the
// Windows calling convention.
#pragma once

#include <windows.h>

struct ToolInfo;
struct ToolItem;

extern "C" {

// Index 0 describes the one tool and returns 0; any other index returns -1.
INT32 WINAPI GetToolList(INT32 index, ToolInfo* info);

// The tool. A non-zero call type is the notification after a check: writes the
// report and sends the notice for `items`, and returns 1, unless the settings
// filter the call out (0); an empty list sends the no-update notice and
// returns 0. Call type 0 is the configuration call.
INT32 WINAPI SSTPNotify(HWND hwndHost, const ToolItem* const* items, INT32 count, INT32 callType,
                        INT32 checkKind);

}  // extern "C"
