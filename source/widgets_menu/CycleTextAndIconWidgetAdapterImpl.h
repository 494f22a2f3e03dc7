#pragma once
#include <utility>
#include <vector>

#include "source/interfaces/CycleTextAndIconWidgetAdapterInterface.h"
#include "source/widgets_menu/CycleWidgetAdapterBase.h"

namespace zarvo {

// Items of a text and an icon, each shown as an image-and-text button.
class CycleTextAndIconWidgetAdapterImpl : public CycleWidgetAdapterBase,
                                          public virtual CycleTextAndIconWidgetAdapterInterface {
 public:
  Result<WidgetRef> GetItemWidget(Int index, const WidgetRef& parentCell) override;
  Int GetCount() const override { return static_cast<Int>(items_.size()); }
  Result<void> AppendItem(const String& text, const Url& icon) override;
  Result<void> CopyFrom(const ObjectInterface& source) override;

 private:
  std::vector<std::pair<String, Url>> items_;
};

}  // namespace zarvo
