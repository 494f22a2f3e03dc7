#include "source/widgets_layout/AreaMath.h"

#include <algorithm>
#include <cmath>

namespace zarvo {

namespace {
Float ClampComponent(Float value, Float minZoom, Float maxZoom) {
  if (std::isnan(value)) return value;
  if (value < minZoom) value = minZoom;
  if (value > maxZoom) value = maxZoom;
  return value;
}
// Grid lines drawn at most per direction, however small the spacing asked for.
constexpr Int kMaxGridLines = 4096;
}  // namespace

Vector2d ClampZoom(Vector2d zoom, Float minZoom, Float maxZoom) {
  return {ClampComponent(zoom.x, minZoom, maxZoom), ClampComponent(zoom.y, minZoom, maxZoom)};
}

bool IsUsableZoom(Vector2d zoom) { return !std::isnan(zoom.x) && !std::isnan(zoom.y); }

GridStep ComputeGridStep(Int subdivision, Float a, Float b) {
  const Float n = subdivision < 1 ? 1.0 : static_cast<Float>(subdivision);
  if (n == 1.0) return {b, 0.0};
  Float r = b / a;
  if (!(r >= kGridMinimumRatio)) r = kGridMinimumRatio;  // NaN too
  const Float e = std::log(r) / std::log(n);
  const Float k = std::floor(e);
  return {std::pow(n, k) * b, e - k};
}

Vector2d ContentToParent(const AreaView& view, Vector2d content) {
  return {view.pan.x + view.zoom.x * content.x, view.pan.y + view.zoom.y * content.y};
}

Vector2d ParentToContent(const AreaView& view, Vector2d parent) {
  return {(parent.x - view.pan.x) / view.zoom.x, (parent.y - view.pan.y) / view.zoom.y};
}

AreaView ZoomViewAbout(const AreaView& view, Vector2d anchor, Vector2d zoom) {
  const Vector2d content = ParentToContent(view, anchor);
  return {{anchor.x - zoom.x * content.x, anchor.y - zoom.y * content.y}, zoom};
}

GridLineRange GridLinesIn(Float origin, Float spacing, Float from, Float to) {
  if (!(spacing > 0.0) || !(to >= from) || !std::isfinite(from) || !std::isfinite(to)) return {};
  const Float first = std::ceil((from - origin) / spacing);
  const Float last = std::floor((to - origin) / spacing);
  if (last < first) return {};
  const Float count = std::min(last - first + 1.0, static_cast<Float>(kMaxGridLines));
  return {static_cast<Int>(first), static_cast<Int>(count)};
}

GridLook ComputeGridLook(Float length, Int subdivision, Float minFactor, Float zoom) {
  const Int n = std::max<Int>(subdivision, 1);
  if (n == 1) return {length, length, 0.0};
  // The power of n just above minFactor / zoom: the main lines stay more than length × minFactor
  // apart on screen, and the finer ones fade out as they close in on a subdivision of that.
  const GridStep snapped = ComputeGridStep(n, zoom / minFactor, 1.0);
  const Float spacing = length * snapped.step * static_cast<Float>(n);
  return {spacing, spacing / static_cast<Float>(n), 1.0 - snapped.fraction};
}

}  // namespace zarvo
