#include "source/widgets_menu/CycleSeparatorWidgetImpl.h"

#include "source/WidgetComponent.h"

namespace zarvo {

namespace {
constexpr Float kByte = 1.0 / 255.0;
const StyleKey<CanvasUnitValue> kSeparatorHeight = StyleSheetService::Declare<CanvasUnitValue>(
    "net.zarvo.mvp.stylesheet.cycleseparator.height", CanvasUnitValue::Fon(1.0));
const StyleKey<ColorA> kSeparatorColor = StyleSheetService::Declare<ColorA>(
    "net.zarvo.mvp.stylesheet.cycleseparator.color", ColorA{77 * kByte, 77 * kByte, 77 * kByte, 1.0});
}  // namespace

Result<void> CycleSeparatorWidgetImpl::CreateLayout() {
  ZV_TRY(FrameWidgetImpl::CreateLayout());
  SetName("CycleSeparatorWidget");
  SetFocusVisibility(false);
  SetAcceptFocus(false);
  SetSizeMode(WIDGET_SIZE::FIXED, WIDGET_DIRECTION::VERTICAL);
  SetFixedSize(ReadStyle(*this, kSeparatorHeight), WIDGET_DIRECTION::VERTICAL);
  SetInheritParentSize(true, WIDGET_DIRECTION::HORIZONTAL);
  SetBackgroundVisibility(true);
  SetBackgroundColor(ReadStyle(*this, kSeparatorColor));
  return Ok();
}

}  // namespace zarvo
