// Turns the item list into the notice script for the mascot (header, two
// lines per item, footer; or the no-update text) and sends it over SSTP.
#pragma once

#include <string>

struct Settings;
struct ToolItem;

// The script for `count` items with the texts of `settings`; null `items`
// gives the no-update text alone. Null entries are left out.
std::string ComposeNoticeScript(const ToolItem* const* items, int count, const Settings& settings);

// Composes the script with the settings in force and sends it; the outcome of
// the exchange is not reported. The request is built around the script in
// the script's own memory, which is released before the call returns.
void ComposeNotice(const ToolItem* const* items, int count);
