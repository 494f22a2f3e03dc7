#pragma once
#include "host/ui/WidgetBase.h"
#include "source/interfaces/DummyItemInterface.h"

namespace zarvo {

// A plain widget standing for a tree item. It keeps its item alive; the item links back
// weakly, so the pair holds no cycle.
class DummyItemImpl : public WidgetBase, public virtual DummyItemInterface {
 public:
  Result<void> SetTreeItem(const TreeItemWidgetRef& item) override;
  Result<TreeItemWidgetRef> GetTreeItem() const override;

  Result<void> CreateLayout() override;

 private:
  TreeItemWidgetRef item_;
};

}  // namespace zarvo
