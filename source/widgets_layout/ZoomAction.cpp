#include "source/widgets_layout/ZoomAction.h"

#include <cmath>

#include "host/ui/EventKeys.h"

namespace zarvo {

Result<void> ZoomAction::While(const DataDictionary& event) {
  ZV_TRY_ASSIGN(const Vector2d position, EventReader(&event).GetPosition());
  // From the start view each time, so that the drag's way back returns to the same zoom.
  ZV_TRY(RestoreStartView());
  ZV_TRY_ASSIGN(AreaWidgetRef area, ResolveArea());
  const Float factor = std::exp((GetStartPosition().y - position.y) / kZoomDragPixelsPerE);
  return area->ZoomAbout(GetStartPosition(), factor);
}

}  // namespace zarvo
