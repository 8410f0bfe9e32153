// A map kept as a sorted vector, for the few entries of the window and dialog
// registries: the subset of std::map's interface they use, without the
// compiled tree code that std::map needs from the standard library.
#pragma once

#include <algorithm>
#include <cstddef>
#include <utility>
#include <vector>

template <typename Key, typename Value>
class SmallMap {
 public:
  using Entry = std::pair<Key, Value>;
  using iterator = typename std::vector<Entry>::iterator;
  using const_iterator = typename std::vector<Entry>::const_iterator;

  iterator begin() { return entries_.begin(); }
  iterator end() { return entries_.end(); }
  const_iterator begin() const { return entries_.begin(); }
  const_iterator end() const { return entries_.end(); }
  bool empty() const { return entries_.empty(); }
  std::size_t size() const { return entries_.size(); }
  std::size_t count(const Key& key) const { return find(key) != end() ? 1 : 0; }

  iterator find(const Key& key) {
    const iterator place = LowerBound(key);
    return place != end() && place->first == key ? place : end();
  }
  const_iterator find(const Key& key) const {
    return const_cast<SmallMap*>(this)->find(key);
  }
  Value& operator[](const Key& key) {
    iterator place = LowerBound(key);
    if (place == end() || place->first != key) place = entries_.insert(place, Entry(key, Value()));
    return place->second;
  }
  iterator erase(iterator entry) { return entries_.erase(entry); }
  std::size_t erase(const Key& key) {
    const iterator entry = find(key);
    if (entry == end()) return 0;
    entries_.erase(entry);
    return 1;
  }
  void clear() { entries_.clear(); }

 private:
  iterator LowerBound(const Key& key) {
    return std::lower_bound(entries_.begin(), entries_.end(), key,
                            [](const Entry& entry, const Key& wanted) { return entry.first < wanted; });
  }

  std::vector<Entry> entries_;
};
