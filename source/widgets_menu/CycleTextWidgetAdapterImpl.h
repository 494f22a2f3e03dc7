#pragma once
#include <vector>

#include "source/interfaces/CycleTextWidgetAdapterInterface.h"
#include "source/widgets_menu/CycleWidgetAdapterBase.h"

namespace zarvo {

// Text items, each shown as a text button.
class CycleTextWidgetAdapterImpl : public CycleWidgetAdapterBase, public virtual CycleTextWidgetAdapterInterface {
 public:
  Result<WidgetRef> GetItemWidget(Int index, const WidgetRef& parentCell) override;
  Int GetCount() const override { return static_cast<Int>(texts_.size()); }
  Result<void> AppendItem(const String& text) override;
  Result<void> CopyFrom(const ObjectInterface& source) override;

 private:
  std::vector<String> texts_;
};

}  // namespace zarvo
