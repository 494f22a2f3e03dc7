#include "host/ui/DeviceRange.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace zarvo {

namespace {
bool InsideBox(Vector2d p) noexcept { return std::abs(p.x) <= kDeviceLimit && std::abs(p.y) <= kDeviceLimit; }

// Moves `p` along the line towards `other` onto the box edges it lies beyond. The coordinate
// on the edge is set exactly and the other one follows from the slope, which keeps a long
// axis-aligned line exact where interpolating a parameter would lose it to rounding.
bool MoveOntoBox(Vector2d& p, Vector2d other) noexcept {
  for (int edge = 0; edge < 4 && !InsideBox(p); ++edge) {
    const bool alongX = std::abs(p.x) > kDeviceLimit;
    const Float limit = std::copysign(kDeviceLimit, alongX ? p.x : p.y);
    const Float from = alongX ? p.x : p.y;
    const Float to = alongX ? other.x : other.y;
    if ((limit > 0.0) == (to > limit) || to == from) return false;  // both ends beyond one edge
    const Float share = (limit - from) / (to - from);
    if (alongX) {
      p = {limit, p.y + (other.y - p.y) * share};
    } else {
      p = {p.x + (other.x - p.x) * share, limit};
    }
    if (!std::isfinite(p.x) || !std::isfinite(p.y)) return false;
  }
  return InsideBox(p);
}
}  // namespace

bool WithinDeviceRange(std::span<const Vector2d> points, const Matrix2d& m) noexcept {
  return std::all_of(points.begin(), points.end(), [&m](Vector2d p) { return InsideBox(m.TransformPoint(p)); });
}

Float PenScale(const Matrix2d& m) noexcept { return std::sqrt(std::abs(m.Determinant())); }

Float MaxStretch(const Matrix2d& m) noexcept {
  // The column norms bound the largest singular value within a factor of √2 from below;
  // their sum bounds it from above, which is what a clamp needs.
  return std::hypot(m.a, m.b) + std::hypot(m.c, m.d);
}

std::optional<PlacedRect> PlaceRect(const Rect& rect, const CornerRadii& radii, const Matrix2d& m) noexcept {
  if (rect.IsEmpty()) return std::nullopt;
  const Vector2d corners[4] = {{rect.left, rect.top}, {rect.right, rect.top}, {rect.left, rect.bottom},
                               {rect.right, rect.bottom}};
  if (WithinDeviceRange(corners, m)) return PlacedRect{rect, radii};
  if (m.b != 0.0 || m.c != 0.0) return std::nullopt;
  const Rect device = m.TransformRect(rect).Intersect(kDeviceBox);
  if (device.IsEmpty()) return std::nullopt;
  // Radii follow the corners: a mirrored axis swaps the corners along it.
  const CornerRadii fitted = radii.FittedTo(rect);
  auto scaled = [&m](Vector2d r) { return Vector2d{r.x * std::abs(m.a), r.y * std::abs(m.d)}; };
  CornerRadii out{scaled(fitted.topLeft), scaled(fitted.topRight), scaled(fitted.bottomRight),
                  scaled(fitted.bottomLeft)};
  if (m.a < 0.0) {
    std::swap(out.topLeft, out.topRight);
    std::swap(out.bottomLeft, out.bottomRight);
  }
  if (m.d < 0.0) {
    std::swap(out.topLeft, out.bottomLeft);
    std::swap(out.topRight, out.bottomRight);
  }
  return PlacedRect{device, out, PenScale(m), true};
}

bool CutSegmentToDeviceBox(Vector2d& a, Vector2d& b) noexcept {
  if (!std::isfinite(a.x) || !std::isfinite(a.y) || !std::isfinite(b.x) || !std::isfinite(b.y)) return false;
  const Vector2d start = a;
  return MoveOntoBox(a, b) && MoveOntoBox(b, start);
}

}  // namespace zarvo
