#pragma once
#include "host/core/Ref.h"
#include "host/core/Result.h"
#include "source/interfaces/CycleWidgetAdapterInterface.h"

namespace zarvo {

inline constexpr char kCycleTextWidgetAdapterClassId[] = "net.zarvo.mvp.widgetadapterclasses.cycletextadapter";
inline constexpr char kCycleTextWidgetAdapterInterfaceId[] = "net.zarvo.mvp.interface.cycletextwidgetadapter";

class CycleTextWidgetAdapterInterface;
using CycleTextWidgetAdapterRef = Ref<CycleTextWidgetAdapterInterface>;

// Items that are texts, shown as text buttons.
class CycleTextWidgetAdapterInterface : public virtual CycleWidgetAdapterInterface {
 public:
  // Fails only when the list cannot grow.
  [[nodiscard]] virtual Result<void> AppendItem(const String& text) = 0;
};

}  // namespace zarvo
