#include "source/widgets_layout/PanAction.h"

#include "host/ui/EventKeys.h"

namespace zarvo {

Result<void> PanAction::While(const DataDictionary& event) {
  ZV_TRY_ASSIGN(AreaWidgetRef area, ResolveArea());
  ZV_TRY_ASSIGN(const Vector2d position, EventReader(&event).GetPosition());
  Vector2d moved = position - GetStartPosition();
  // The pan is in the parent's coordinates, the pointer in the window's.
  if (const WidgetInterface* parent = area->GetParentWidget()) moved = parent->GlobalToLocalSize(moved);
  area->SetPan(GetStartView().pan + moved);
  return Ok();
}

}  // namespace zarvo
