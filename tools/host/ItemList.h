// The host's item list read from a UTF-8 file with one item a line: title,
// address, text and view address, separated by tabs. Empty lines and lines
// starting with '#' are skipped; a missing field stays a null pointer. The
// texts are converted to Shift-JIS and handed to the plug-in as ToolItem
// records, the way the host passes them.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "plugin/ToolItem.h"

class ItemList {
 public:
  // False when the file cannot be read.
  bool Load(const std::string& path);

  // The array of record pointers that SSTPNotify takes.
  ToolItem** data() { return pointers_.empty() ? nullptr : pointers_.data(); }
  int count() const { return static_cast<int>(pointers_.size()); }
  const std::vector<ToolItem*>& items() const { return pointers_; }

 private:
  void AddLine(const std::string& line);
  const char* Keep(const std::string& utf8);

  std::deque<std::string> texts_;
  std::deque<ToolItem> records_;
  std::vector<ToolItem*> pointers_;
};
