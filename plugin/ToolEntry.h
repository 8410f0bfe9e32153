// The two functions that the host calls, exported undecorated with the
// Windows calling convention.
#pragma once

#include <windows.h>

struct ToolInfo;
struct ToolItem;

extern "C" {

// Index 0 describes the one tool and returns 0; any other index returns -1.
INT32 WINAPI GetToolList(INT32 index, ToolInfo* info);

}  // extern "C"
