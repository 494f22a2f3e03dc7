#include "host/ui/StyleSheet.h"

namespace zarvo {

StyleSheet::StyleSheet(DataDictionary values) : values_(std::move(values)) {
  const auto& entries = values_.GetEntries();
  index_.reserve(entries.size());
  for (size_t i = 0; i < entries.size(); ++i) index_.emplace(entries[i].first, i);
}

const DataValue* StyleSheet::Find(const Id& key) const {
  auto it = index_.find(key);
  return it == index_.end() ? nullptr : &values_.GetEntries()[it->second].second;
}

StyleSheetService& StyleSheetService::Get() {
  static StyleSheetService service;
  return service;
}

}  // namespace zarvo
