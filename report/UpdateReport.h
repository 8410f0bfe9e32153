// The HTML page that lists the updated items with their links and texts,
// written beside the library after a check that passed the notify filter.
#pragma once

#include <string>

struct ToolItem;

// The whole page for `count` items; null entries are left out.
std::string BuildUpdateReport(const ToolItem* const* items, int count);

// Replaces the page at `path`; a file that cannot be created is skipped
// silently. True when the whole page was written.
bool WriteReportFile(const std::string& path, const std::string& page);

// Writes the page to the settings' report path, in pieces through one
// buffer; the bytes are those of BuildUpdateReport.
void WriteUpdateReport(const ToolItem* const* items, int count);
