#pragma once
#include "host/core/Ref.h"
#include "host/core/Result.h"
#include "source/interfaces/QuickTabWidgetAdapterInterface.h"

namespace zarvo {

inline constexpr char kQuickTabTextWidgetAdapterClassId[] = "net.zarvo.mvp.widgetadapterclasses.quicktabtextadapter";
inline constexpr char kQuickTabTextWidgetAdapterInterfaceId[] = "net.zarvo.mvp.interface.quicktabtextwidgetadapter";

class QuickTabTextWidgetAdapterInterface;
using QuickTabTextWidgetAdapterRef = Ref<QuickTabTextWidgetAdapterInterface>;

// Tabs that are texts, shown as text buttons.
class QuickTabTextWidgetAdapterInterface : public virtual QuickTabWidgetAdapterInterface {
 public:
  // Fails only when the list cannot grow.
  [[nodiscard]] virtual Result<void> AppendItem(const String& text) = 0;
};

}  // namespace zarvo
