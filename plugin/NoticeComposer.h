// Turns the item list into the notice script for the mascot (header, two
// lines per item, footer; or the no-update text) and sends it over SSTP.
#pragma once

#include <string>

struct Settings;
struct ToolItem;

// The script for `count` items with the texts of `settings`; null `items`
// gives the no-update text alone. Null entries are left out.
std::string ComposeNoticeScript(const ToolItem* const* items, int count, const Settings& settings);
// The same, written over what `script` held, in its memory when that is large
// enough.
void ComposeNoticeScript(const ToolItem* const* items, int count, const Settings& settings,
                         std::string& script);

// Composes the script with the settings in force and sends it; the outcome of
// the exchange is not reported. The memory of the notice is kept for the next
// one (up to a few megabytes) and given back when the library is unloaded.
void ComposeNotice(const ToolItem* const* items, int count);
