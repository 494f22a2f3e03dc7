#pragma once
#include <vector>

#include "source/interfaces/QuickTabTextWidgetAdapterInterface.h"
#include "source/widgets_tabs/QuickTabWidgetAdapterBase.h"

namespace zarvo {

// Text tabs, each shown as a text button.
class QuickTabTextWidgetAdapterImpl : public QuickTabWidgetAdapterBase,
                                      public virtual QuickTabTextWidgetAdapterInterface {
 public:
  Result<WidgetRef> GetItemWidget(Int index, const WidgetRef& parentCell) override;
  Int GetCount() const override { return static_cast<Int>(texts_.size()); }
  Result<void> AppendItem(const String& text) override;
  Result<void> CopyFrom(const ObjectInterface& source) override;

 private:
  std::vector<String> texts_;
};

}  // namespace zarvo
