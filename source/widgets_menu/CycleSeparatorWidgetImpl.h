#pragma once
#include "source/interfaces/CycleSeparatorWidgetInterface.h"
#include "source/widgets_base/FrameWidgetImpl.h"

namespace zarvo {

// A line of the style sheet's separator height and colour, as wide as its cell.
class CycleSeparatorWidgetImpl : public FrameWidgetImpl, public virtual CycleSeparatorWidgetInterface {
 public:
  Result<void> CreateLayout() override;
};

}  // namespace zarvo
