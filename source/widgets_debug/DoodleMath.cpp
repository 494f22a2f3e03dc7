#include "source/widgets_debug/DoodleMath.h"

namespace zarvo {

namespace {
Vector2d Mid(Vector2d a, Vector2d b) { return {(a.x + b.x) * 0.5, (a.y + b.y) * 0.5}; }
// The cubic that traces the quadratic from `from` over `control` to `to`.
void QuadTo(Path& path, Vector2d from, Vector2d control, Vector2d to) {
  constexpr Float kTwoThirds = 2.0 / 3.0;
  path.CubicTo({from.x + kTwoThirds * (control.x - from.x), from.y + kTwoThirds * (control.y - from.y)},
               {to.x + kTwoThirds * (control.x - to.x), to.y + kTwoThirds * (control.y - to.y)}, to);
}
}  // namespace

Path SmoothStrokePath(const std::vector<Vector2d>& points) {
  Path path;
  if (points.size() < 2) return path;
  path.MoveTo(points.front());
  if (points.size() == 2) {
    path.LineTo(points.back());
    return path;
  }
  Vector2d at = points.front();
  for (size_t i = 1; i + 1 < points.size(); ++i) {
    const Vector2d to = (i + 2 == points.size()) ? points.back() : Mid(points[i], points[i + 1]);
    QuadTo(path, at, points[i], to);
    at = to;
  }
  return path;
}

}  // namespace zarvo
