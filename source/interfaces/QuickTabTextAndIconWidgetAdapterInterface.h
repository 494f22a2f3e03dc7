#pragma once
#include "host/core/Ref.h"
#include "host/core/Result.h"
#include "source/interfaces/QuickTabWidgetAdapterInterface.h"

namespace zarvo {

inline constexpr char kQuickTabTextAndIconWidgetAdapterClassId[] =
    "net.zarvo.mvp.widgetadapterclasses.quicktabtextandiconadapter";
inline constexpr char kQuickTabTextAndIconWidgetAdapterInterfaceId[] =
    "net.zarvo.mvp.interface.quicktabtextandiconwidgetadapter";

class QuickTabTextAndIconWidgetAdapterInterface;
using QuickTabTextAndIconWidgetAdapterRef = Ref<QuickTabTextAndIconWidgetAdapterInterface>;

// Tabs made of a text and an icon, shown as image-and-text buttons.
class QuickTabTextAndIconWidgetAdapterInterface : public virtual QuickTabWidgetAdapterInterface {
 public:
  // Fails only when the list cannot grow. An icon that cannot be loaded shows no image.
  [[nodiscard]] virtual Result<void> AppendItem(const String& text, const Url& icon) = 0;
};

}  // namespace zarvo
