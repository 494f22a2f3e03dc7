#pragma once
#include "host/core/Ref.h"
#include "host/ui/ActionInterface.h"
#include "host/ui/WidgetInterface.h"

namespace zarvo {

inline constexpr char kBasePanZoomActionClassId[] = "net.zarvo.mvp.actionclasses.basepanzoom";
inline constexpr char kBasePanZoomActionInterfaceId[] = "net.zarvo.mvp.interface.basepanzoom";

class BasePanZoomActionInterface;
using BasePanZoomActionRef = Ref<BasePanZoomActionInterface>;

// An action that works on one widget, which it links to weakly: the widget may go away while
// the action runs.
class BasePanZoomActionInterface : public virtual ActionInterface {
 public:
  virtual void SetActionWidget(WidgetInterface* widget) = 0;
  virtual WidgetRef GetActionWidget() const = 0;
};

}  // namespace zarvo
