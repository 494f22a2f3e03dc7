#include "source/widgets_debug/PaintAction.h"

#include "host/ui/EventKeys.h"
#include "source/interfaces/DoodleWidgetInterface.h"

namespace zarvo {

namespace {
Result<DoodleWidgetRef> ResolveDoodle(const WidgetRef& widget) {
  auto* doodle = dynamic_cast<DoodleWidgetInterface*>(widget.Get());
  if (!doodle) return IllegalStateError("Missing widget link");
  return DoodleWidgetRef(doodle);
}

Result<Vector2d> ContentPosition(const DoodleWidgetInterface& doodle, const DataDictionary& event) {
  ZV_TRY_ASSIGN(const Vector2d position, EventReader(&event).GetPosition());
  return doodle.GlobalToLocalPosition(position);
}
}  // namespace

Result<bool> PaintAction::Begin(WidgetInterface* widget, const DataDictionary& event) {
  ZV_TRY_ASSIGN(const bool begun, BasePanZoomAction::Begin(widget, event));
  if (!begun) return false;
  ZV_TRY_ASSIGN(DoodleWidgetRef doodle, ResolveDoodle(GetActionWidget()));
  ZV_TRY_ASSIGN(const Vector2d at, ContentPosition(*doodle, event));
  doodle->BeginStroke(at);
  return true;
}

Result<void> PaintAction::While(const DataDictionary& event) {
  ZV_TRY_ASSIGN(DoodleWidgetRef doodle, ResolveDoodle(GetActionWidget()));
  ZV_TRY_ASSIGN(const Vector2d at, ContentPosition(*doodle, event));
  doodle->ExtendStroke(at);
  return Ok();
}

Result<void> PaintAction::End(const DataDictionary& event) {
  ZV_TRY(While(event));
  ZV_TRY_ASSIGN(DoodleWidgetRef doodle, ResolveDoodle(GetActionWidget()));
  return doodle->EndStroke();
}

Result<void> PaintAction::Cancel() {
  ZV_TRY_ASSIGN(DoodleWidgetRef doodle, ResolveDoodle(GetActionWidget()));
  doodle->CancelStroke();
  return Ok();
}

}  // namespace zarvo
