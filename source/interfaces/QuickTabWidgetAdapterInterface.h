#pragma once
#include "host/core/Ref.h"
#include "host/core/Result.h"
#include "host/ui/WidgetAdapterInterface.h"

namespace zarvo {

inline constexpr char kQuickTabWidgetAdapterInterfaceId[] = "net.zarvo.mvp.interface.quicktabwidgetadapter";

class QuickTabWidgetAdapterInterface;
using QuickTabWidgetAdapterRef = Ref<QuickTabWidgetAdapterInterface>;

// The tabs of a quick tab: one button per item, restyled when the item's selection changes.
class QuickTabWidgetAdapterInterface : public virtual WidgetAdapterInterface {
 public:
  // Gives the last widget made for item `index` the look of its selection state; an item
  // without a widget (or whose widget is gone) is left alone.
  [[nodiscard]] virtual Result<void> HighlightItem(Int index, Bool selected) = 0;
};

}  // namespace zarvo
