#include "source/widgets_base/PaddingLayout.h"

#include <algorithm>
#include <cmath>

namespace zarvo {

namespace {
Float MarginPixels(CanvasUnitValue margin, Float remBase) {
  const Float pixels = margin.ToPixels(remBase);
  if (std::isnan(pixels)) return 0.0;
  return std::clamp(pixels, 0.0, kMaxPaddingPixels);
}
}  // namespace

PaddingMargins PaddingMarginsToPixels(CanvasUnitValue left, CanvasUnitValue right, CanvasUnitValue top,
                                      CanvasUnitValue bottom, Float remBase) {
  return {MarginPixels(left, remBase), MarginPixels(right, remBase), MarginPixels(top, remBase),
          MarginPixels(bottom, remBase)};
}

Vector2d PaddedSize(Vector2d childSize, const PaddingMargins& margins) {
  return {childSize.x + margins.Horizontal(), childSize.y + margins.Vertical()};
}

Rect PaddingInnerFrame(Vector2d paddingSize, const PaddingMargins& margins) {
  const Float width = std::max(0.0, paddingSize.x - margins.Horizontal());
  const Float height = std::max(0.0, paddingSize.y - margins.Vertical());
  return Rect::FromSize(margins.left, margins.top, width, height);
}

}  // namespace zarvo
