#pragma once
#include "host/core/Ref.h"
#include "host/ui/WidgetInterface.h"

namespace zarvo {

inline constexpr char kScrollSliderWidgetClassId[] = "net.zarvo.mvp.widgetclasses.scrollslider";
inline constexpr char kScrollSliderWidgetInterfaceId[] = "net.zarvo.mvp.interface.scrollsliderwidget";

class ScrollSliderWidgetInterface;
using ScrollSliderWidgetRef = Ref<ScrollSliderWidgetInterface>;

// The track between a scrollbar's arrows. Its thumb shows which part of the scroll area's
// content is in view; dragging the thumb, or pressing beside it, moves the content. It finds
// its scroll area through its parents: cell, scrollbar, cell, scroll area.
class ScrollSliderWidgetInterface : public virtual WidgetInterface {
 public:
  // Set before CreateLayout runs; it is not applied again later.
  virtual void SetDirection(WIDGET_DIRECTION direction) = 0;
  virtual WIDGET_DIRECTION GetDirection() const = 0;
};

}  // namespace zarvo
