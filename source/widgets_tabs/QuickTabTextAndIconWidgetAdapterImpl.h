#pragma once
#include <utility>
#include <vector>

#include "source/interfaces/QuickTabTextAndIconWidgetAdapterInterface.h"
#include "source/widgets_tabs/QuickTabWidgetAdapterBase.h"

namespace zarvo {

// Tabs of a text and an icon, each shown as an image-and-text button.
class QuickTabTextAndIconWidgetAdapterImpl : public QuickTabWidgetAdapterBase,
                                             public virtual QuickTabTextAndIconWidgetAdapterInterface {
 public:
  Result<WidgetRef> GetItemWidget(Int index, const WidgetRef& parentCell) override;
  Int GetCount() const override { return static_cast<Int>(items_.size()); }
  Result<void> AppendItem(const String& text, const Url& icon) override;
  Result<void> CopyFrom(const ObjectInterface& source) override;

 private:
  std::vector<std::pair<String, Url>> items_;
};

}  // namespace zarvo
