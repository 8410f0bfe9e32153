// The host's record for one watched page. Its layout is the host's; the
// plug-in reads only the four text pointers, at fixed 32-bit word positions,
// and a null pointer counts as an empty text.
#pragma once

#include <windows.h>

#include <cstddef>

struct ToolItem {
  UINT32 notRead0[2];
  const char* Title;  // word 2: display name
  const char* Url;    // word 3: address
  UINT32 notRead4;
  const char* Info;   // word 5: one-line text
  UINT32 notRead6[4];
  const char* ViewUrl;  // word 10: alternative address, preferred when not empty
};

static_assert(sizeof(void*) == 4, "the host passes 32-bit records");
static_assert(offsetof(ToolItem, Title) == 2 * 4, "Title at word 2");
static_assert(offsetof(ToolItem, Url) == 3 * 4, "Url at word 3");
static_assert(offsetof(ToolItem, Info) == 5 * 4, "Info at word 5");
static_assert(offsetof(ToolItem, ViewUrl) == 10 * 4, "ViewUrl at word 10");

// A field's text, or the empty text for a null pointer.
inline const char* ItemText(const char* field) { return field != nullptr ? field : ""; }
