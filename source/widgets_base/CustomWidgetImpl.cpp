#include "source/widgets_base/CustomWidgetImpl.h"

#include "host/ui/AppWidgetInterface.h"

namespace zarvo {

CustomWidgetImpl::CustomWidgetImpl()
    : drawContent_([](CustomWidgetInterface&) -> Result<void> { return Ok(); }),
      drawHighlight_([](CustomWidgetInterface&, Float) -> Result<void> { return Ok(); }) {}

Result<void> CustomWidgetImpl::CreateLayout() {
  ZV_TRY(WidgetBase::CreateLayout());
  SetName("CustomWidget");
  return Ok();
}

Result<void> CustomWidgetImpl::DrawContent() {
  ZV_TRY(WidgetBase::DrawContent());
  CustomDrawContentCallback draw = drawContent_;  // the callback may install another one
  return draw(*this);
}

Result<void> CustomWidgetImpl::DrawHighlight() {
  ZV_TRY(WidgetBase::DrawHighlight());
  // The host highlights only the widget under the pointer, and so does the callback.
  AppWidgetInterface* appWidget = GetAppWidget();
  if (!appWidget || appWidget->GetHoverWidget() != static_cast<WidgetInterface*>(this)) return Ok();
  CustomDrawHighlightCallback draw = drawHighlight_;
  return draw(*this, appWidget->GetHoverHighlightOpacity());
}

void CustomWidgetImpl::SetDrawContentCallback(CustomDrawContentCallback callback) {
  if (!callback) return;
  drawContent_ = std::move(callback);
  RequestRedraw();
}

void CustomWidgetImpl::SetDrawHighlightCallback(CustomDrawHighlightCallback callback) {
  if (!callback) return;
  drawHighlight_ = std::move(callback);
  RequestRedraw();
}

}  // namespace zarvo
