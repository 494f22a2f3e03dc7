#pragma once
#include "source/interfaces/ColorFieldWidgetInterface.h"
#include "source/widgets_base/FrameWidgetImpl.h"

namespace zarvo {

inline constexpr char kColorFieldWidgetName[] = "ColorFieldWidget";

// A frame that shows its background colour; the colour it shows is the point, so the pointer
// does not tint it.
class ColorFieldWidgetImpl : public FrameWidgetImpl, public virtual ColorFieldWidgetInterface {
 public:
  ColorFieldWidgetImpl() = default;

  Result<void> CreateLayout() override;
  Result<void> DrawHighlight() override { return Ok(); }
};

}  // namespace zarvo
