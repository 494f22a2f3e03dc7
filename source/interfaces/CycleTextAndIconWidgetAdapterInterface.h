#pragma once
#include "host/core/Ref.h"
#include "host/core/Result.h"
#include "source/interfaces/CycleWidgetAdapterInterface.h"

namespace zarvo {

inline constexpr char kCycleTextAndIconWidgetAdapterClassId[] =
    "net.zarvo.mvp.widgetadapterclasses.cycletextandiconadapter";
inline constexpr char kCycleTextAndIconWidgetAdapterInterfaceId[] =
    "net.zarvo.mvp.interface.cycletextandiconwidgetadapter";

class CycleTextAndIconWidgetAdapterInterface;
using CycleTextAndIconWidgetAdapterRef = Ref<CycleTextAndIconWidgetAdapterInterface>;

// Items made of a text and an icon, shown as image-and-text buttons.
class CycleTextAndIconWidgetAdapterInterface : public virtual CycleWidgetAdapterInterface {
 public:
  // Fails only when the list cannot grow. An icon that cannot be loaded shows no image.
  [[nodiscard]] virtual Result<void> AppendItem(const String& text, const Url& icon) = 0;
};

}  // namespace zarvo
