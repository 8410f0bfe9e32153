// The host's tool-description record. Its layout is the host's; the plug-in
// writes only the three fields named here, at their fixed byte positions.
#pragma once

#include <windows.h>

#include <cstddef>

struct ToolInfo {
  BYTE notWritten[4];
  char title[256];
  char exportName[516];
  INT32 flags;
};

static_assert(offsetof(ToolInfo, title) == 4, "title at byte 4");
static_assert(offsetof(ToolInfo, exportName) == 260, "export name at byte 260");
static_assert(offsetof(ToolInfo, flags) == 776, "flags at byte 776");
