#include "source/widgets_layout/HeaderCellGeometry.h"

#include <algorithm>

#include "host/ui/CanvasInterface.h"

namespace zarvo {

BORDER_HIT HitHeaderBorder(const CanvasInterface& canvas, const Rect& globalFrame, Vector2d point, Float tolerance) {
  const Vector2d leftTop{globalFrame.left, globalFrame.top};
  const Vector2d leftBottom{globalFrame.left, globalFrame.bottom};
  if (canvas.IsLineTooSmallforHit(leftTop, leftBottom)) return BORDER_HIT::NONE;
  if (canvas.LineHit(leftTop, leftBottom, point, tolerance)) return BORDER_HIT::LEFT;
  const Vector2d rightTop{globalFrame.right, globalFrame.top};
  const Vector2d rightBottom{globalFrame.right, globalFrame.bottom};
  if (canvas.LineHit(rightTop, rightBottom, point, tolerance)) return BORDER_HIT::RIGHT;
  return BORDER_HIT::NONE;
}

Float ResizedColumnWidth(Float startWidth, Float dragOffset) {
  return std::max(startWidth + dragOffset, kMinimumResizedColumnWidth);
}

}  // namespace zarvo
