#include "source/widgets_color/ColorFieldWidgetImpl.h"

namespace zarvo {

Result<void> ColorFieldWidgetImpl::CreateLayout() {
  ZV_TRY(FrameWidgetImpl::CreateLayout());
  SetName(kColorFieldWidgetName);
  SetBackgroundVisibility(true);
  return Ok();
}

}  // namespace zarvo
