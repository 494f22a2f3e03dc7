#pragma once
#include "host/core/Ref.h"
#include "host/core/Result.h"
#include "host/ui/WidgetInterface.h"

namespace zarvo {

inline constexpr char kDummyItemClassId[] = "net.zarvo.mvp.widgetclasses.dummyitem";
inline constexpr char kDummyItemInterfaceId[] = "net.zarvo.mvp.interface.dummyitem";

class TreeItemWidgetInterface;
using TreeItemWidgetRef = Ref<TreeItemWidgetInterface>;

// Stands for a tree item where only a plain widget fits. The dummy and its item point at each
// other; when they no longer do, GetTreeItem says "connection between dummy and item broken".
class DummyItemInterface : public virtual WidgetInterface {
 public:
  // Links this dummy and the item both ways; an empty item unlinks.
  [[nodiscard]] virtual Result<void> SetTreeItem(const TreeItemWidgetRef& item) = 0;
  [[nodiscard]] virtual Result<TreeItemWidgetRef> GetTreeItem() const = 0;
};

using DummyItemRef = Ref<DummyItemInterface>;

}  // namespace zarvo
