// An item list as the host passes it: ToolItem records with text pointers at
// their fixed words, and an array of pointers to them. Fields and entries can
// be null.
#pragma once

#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "plugin/ToolItem.h"

class TestItems {
 public:
  // A null argument leaves that field null.
  TestItems& Add(const char* title, const char* url = "", const char* info = "",
                 const char* viewUrl = nullptr) {
    auto item = std::make_unique<ToolItem>();
    *item = ToolItem();
    item->Title = Keep(title);
    item->Url = Keep(url);
    item->Info = Keep(info);
    item->ViewUrl = Keep(viewUrl);
    pointers_.push_back(item.get());
    items_.push_back(std::move(item));
    return *this;
  }
  TestItems& AddText(const std::string& title, const std::string& info) {
    return Add(title.c_str(), "http://example.com/", info.c_str());
  }
  TestItems& AddNull() {
    pointers_.push_back(nullptr);
    return *this;
  }

  const ToolItem* const* data() const { return pointers_.data(); }
  int count() const { return static_cast<int>(pointers_.size()); }

 private:
  const char* Keep(const char* text) {
    if (text == nullptr) return nullptr;
    texts_.emplace_back(text);
    return texts_.back().c_str();
  }

  std::deque<std::string> texts_;
  std::vector<std::unique_ptr<ToolItem>> items_;
  std::vector<const ToolItem*> pointers_;
};
