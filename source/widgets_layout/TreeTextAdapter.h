#pragma once
#include <vector>

#include "host/ui/WidgetAdapterInterface.h"

namespace zarvo {

// Texts by row for a tree graph's column, shown by a text widget made when the row comes into
// view: a column of many rows costs a string per row, not a widget.
class TreeTextAdapter : public virtual WidgetAdapterInterface {
 public:
  Result<WidgetRef> GetItemWidget(Int index, const WidgetRef& parentCell) override;
  Int GetCount() const override { return static_cast<Int>(texts_.size()); }

  void Reserve(Int count) { texts_.reserve(static_cast<size_t>(count)); }
  void AppendText(String text) { texts_.push_back(std::move(text)); }
  // Rows beyond the texts show an empty text.
  void SetText(Int index, String text);

 private:
  std::vector<String> texts_;
};

}  // namespace zarvo
