#pragma once
#include "host/ui/WidgetBase.h"
#include "source/interfaces/FrameWidgetInterface.h"

namespace zarvo {

// The frame widget: the widget base and nothing more. Widgets that draw on an area of their
// own extend it.
class FrameWidgetImpl : public WidgetBase, public virtual FrameWidgetInterface {
 public:
  FrameWidgetImpl() = default;

  Result<void> CopyFrom(const ObjectInterface& source) override;
};

}  // namespace zarvo
