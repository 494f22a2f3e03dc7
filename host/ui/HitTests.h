#pragma once
#include "host/core/Geometry.h"
#include "host/core/Types.h"

namespace zarvo {

// Geometric hit tests and the figure geometry they share with drawing, so that what the
// painter draws and what the pointer hits are the same curve. Coordinates are pixels (global
// canvas coordinates, as the canvas passes them); Béziers are flattened finely enough for that.

struct CubicBezier {
  Vector2d p0, c1, c2, p1;

  Vector2d PointAt(Float t) const {
    const Float u = 1.0 - t;
    const Float a = u * u * u, b = 3.0 * u * u * t, c = 3.0 * u * t * t, d = t * t * t;
    return {a * p0.x + b * c1.x + c * c2.x + d * p1.x, a * p0.y + b * c1.y + c * c2.y + d * p1.y};
  }
};

// The connection curve from `from` to `to`: it leaves `from` horizontally to the right and
// enters `to` horizontally from the left, an S for a wire that runs right and a loop for one
// that runs back. Handle length h = max(|dx|, |dy|) / 2, control points from + (h, 0) and
// to - (h, 0).
CubicBezier WireCurve(Vector2d from, Vector2d to);

// Radii (x, y) of the four corners of a rounded rectangle, top-left first, clockwise.
struct CornerRadii {
  Vector2d topLeft, topRight, bottomRight, bottomLeft;

  static constexpr CornerRadii Uniform(Float radius) { return Elliptic(radius, radius); }
  static constexpr CornerRadii Elliptic(Float rx, Float ry) { return {{rx, ry}, {rx, ry}, {rx, ry}, {rx, ry}}; }
  static constexpr CornerRadii Corners(Float topLeft, Float topRight, Float bottomRight, Float bottomLeft) {
    return {{topLeft, topLeft}, {topRight, topRight}, {bottomRight, bottomRight}, {bottomLeft, bottomLeft}};
  }
  bool IsZero() const;
  // Negative and NaN radii become 0; radii that would overlap along an edge are scaled down
  // together so that they meet, which keeps a "pill" a pill however large the radius.
  CornerRadii FittedTo(const Rect& rect) const;
  friend bool operator==(const CornerRadii&, const CornerRadii&) = default;
};

// Quarter-ellipse arcs as cubic Béziers: the handle length of a unit quarter circle.
inline constexpr Float kQuarterArcHandle = 0.5522847498307936;

// Traces a rounded rectangle clockwise into `sink` (MoveTo, LineTo, CubicTo, Close), so the
// painter can feed cairo and hit tests a Path without building one per draw.
template <class Sink>
void TraceRoundedRect(const Rect& rect, const CornerRadii& radii, Sink& sink) {
  const CornerRadii r = radii.FittedTo(rect);
  const Float k = kQuarterArcHandle;
  const Float l = rect.left, t = rect.top, rt = rect.right, b = rect.bottom;
  sink.MoveTo({l + r.topLeft.x, t});
  sink.LineTo({rt - r.topRight.x, t});
  if (r.topRight.x > 0.0 && r.topRight.y > 0.0) {
    sink.CubicTo({rt - r.topRight.x * (1 - k), t}, {rt, t + r.topRight.y * (1 - k)}, {rt, t + r.topRight.y});
  }
  sink.LineTo({rt, b - r.bottomRight.y});
  if (r.bottomRight.x > 0.0 && r.bottomRight.y > 0.0) {
    sink.CubicTo({rt, b - r.bottomRight.y * (1 - k)}, {rt - r.bottomRight.x * (1 - k), b}, {rt - r.bottomRight.x, b});
  }
  sink.LineTo({l + r.bottomLeft.x, b});
  if (r.bottomLeft.x > 0.0 && r.bottomLeft.y > 0.0) {
    sink.CubicTo({l + r.bottomLeft.x * (1 - k), b}, {l, b - r.bottomLeft.y * (1 - k)}, {l, b - r.bottomLeft.y});
  }
  sink.LineTo({l, t + r.topLeft.y});
  if (r.topLeft.x > 0.0 && r.topLeft.y > 0.0) {
    sink.CubicTo({l, t + r.topLeft.y * (1 - k)}, {l + r.topLeft.x * (1 - k), t}, {l + r.topLeft.x, t});
  }
  sink.Close();
}

// The rounded rectangle as a closed Path.
Path RoundedRectPath(const Rect& rect, const CornerRadii& radii);

// Distance from `point` to the segment a-b (to a when the segment has no length).
Float DistanceToSegment(Vector2d a, Vector2d b, Vector2d point);

// True when `point` lies within `tolerance` of the segment a-b. A negative tolerance counts
// as 0; non-finite input never hits.
bool LineHit(Vector2d a, Vector2d b, Vector2d point, Float tolerance);

// True when `point` lies within `tolerance` of the outline of `path` (every segment, the
// closing segment of closed subpaths included; open subpaths are not closed).
bool PathHit(const Path& path, Vector2d point, Float tolerance);

// True when `point` lies inside the filled area of `path` under the non-zero winding rule, as
// the painter fills it: every subpath counts as closed. Points on the outline are inside.
bool ShapeHit(const Path& path, Vector2d point);

// True when `point` lies within `tolerance` of WireCurve(from, to).
bool WireHit(Vector2d from, Vector2d to, Vector2d point, Float tolerance);

// True when `rect` is too small to be grabbed reliably: not finite, or narrower or lower
// than `minimum`.
bool IsTooSmallForHit(const Rect& rect, Float minimum);

// True when the line from `from` to `to` is shorter than `minimum` (or not finite).
bool IsLineTooSmallForHit(Vector2d from, Vector2d to, Float minimum);

}  // namespace zarvo
