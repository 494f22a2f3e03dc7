#include "source/widgets_layout/BasePanZoomAction.h"

#include "host/ui/EventKeys.h"

namespace zarvo {

Result<AreaWidgetRef> BasePanZoomAction::ResolveArea() const {
  WidgetRef widget = widget_.Lock();
  auto* area = dynamic_cast<AreaWidgetInterface*>(widget.Get());
  if (!area) return IllegalStateError("Missing widget link");
  return AreaWidgetRef(area);
}

Result<bool> BasePanZoomAction::Begin(WidgetInterface* widget, const DataDictionary& event) {
  if (!widget_.Lock() && widget) SetActionWidget(widget);
  ZV_TRY_ASSIGN(AreaWidgetRef area, ResolveArea());
  ZV_TRY_ASSIGN(startPosition_, EventReader(&event).GetPosition());
  startView_ = {area->GetPan(), area->GetLocalScale()};
  return true;
}

Result<void> BasePanZoomAction::RestoreStartView() const {
  ZV_TRY_ASSIGN(AreaWidgetRef area, ResolveArea());
  area->SetLocalScale(startView_.zoom);
  area->SetPan(startView_.pan);
  return Ok();
}

Result<void> BasePanZoomAction::Cancel() { return RestoreStartView(); }

}  // namespace zarvo
