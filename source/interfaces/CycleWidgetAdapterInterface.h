#pragma once
#include "host/core/Ref.h"
#include "host/ui/WidgetAdapterInterface.h"

namespace zarvo {

inline constexpr char kCycleWidgetAdapterInterfaceId[] = "net.zarvo.mvp.interface.cyclewidgetadapter";

class CycleWidgetInterface;
class CycleWidgetAdapterInterface;
using CycleWidgetAdapterRef = Ref<CycleWidgetAdapterInterface>;

// The items of a cycle widget. Each item widget it makes selects its item in the cycle widget
// when pressed; the adapter knows that widget only weakly, since the widget holds the adapter.
class CycleWidgetAdapterInterface : public virtual WidgetAdapterInterface {
 public:
  virtual void SetCycleWidget(const Ref<CycleWidgetInterface>& cycle) = 0;
};

}  // namespace zarvo
