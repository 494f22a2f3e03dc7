#include "source/widgets_base/ImageFit.h"

#include <algorithm>
#include <cmath>

namespace zarvo {

Rect FitKeepingAspect(const Rect& frame, Vector2d contentSize) {
  const bool hasProportions = contentSize.x > 0.0 && contentSize.y > 0.0 && std::isfinite(contentSize.x) &&
                              std::isfinite(contentSize.y);
  if (!hasProportions || frame.IsEmpty()) return frame;
  const Float scale = std::min(frame.Width() / contentSize.x, frame.Height() / contentSize.y);
  const Float width = contentSize.x * scale, height = contentSize.y * scale;
  const Float left = frame.left + (frame.Width() - width) * 0.5;
  const Float top = frame.top + (frame.Height() - height) * 0.5;
  return Rect::FromSize(left, top, width, height);
}

}  // namespace zarvo
