#pragma once
#include "host/core/Ref.h"
#include "host/core/Result.h"
#include "host/core/Types.h"
#include "host/ui/WidgetInterface.h"

namespace zarvo {

// Makes the widgets of a list on demand: a chooser (a drop-down, a row of tabs) keeps item ids
// only and asks its adapter for a widget whenever it shows an item.
class WidgetAdapterInterface : public virtual ObjectInterface {
 public:
  // A new widget for item `index`, to be placed into `parentCell`.
  [[nodiscard]] virtual Result<WidgetRef> GetItemWidget(Int index, const WidgetRef& parentCell) = 0;
  // How many items the adapter holds.
  virtual Int GetCount() const = 0;
};

using WidgetAdapterRef = Ref<WidgetAdapterInterface>;

}  // namespace zarvo
