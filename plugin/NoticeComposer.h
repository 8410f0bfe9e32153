// Turns the item list into the notice script for the mascot (header, two
// lines per item, footer; or the no-update text) and sends it over SSTP.
#pragma once

class HeapText;
struct Settings;
struct ToolItem;

// Appends the script for `count` items with the texts of `settings` to
// `script`; null `items` gives the no-update text alone. Null entries are
// left out. False when memory ran out: the script is then not to be sent.
bool ComposeNoticeScript(const ToolItem* const* items, int count, const Settings& settings,
                         HeapText& script);

// Composes the script with the settings in force and sends it; the outcome of
// the exchange is not reported. The request is written once, its script in
// place between its other lines, in memory that is released before the call
// returns; a request that finds no memory is not sent.
void ComposeNotice(const ToolItem* const* items, int count);
