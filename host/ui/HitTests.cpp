#include "host/ui/HitTests.h"

#include <algorithm>
#include <cmath>

namespace zarvo {

namespace {

// Largest distance between a flattened Bézier and the true curve, in pixels; far below what
// a pointer can resolve, and cairo draws to 0.1.
constexpr Float kFlatness = 0.05;
constexpr int kMaxBezierSegments = 1024;
// Points this close to an outline count as on it, so that a shape's edge belongs to it.
constexpr Float kOnOutlineEpsilon = 1e-9;

bool IsFinite(Vector2d p) { return std::isfinite(p.x) && std::isfinite(p.y); }

Float Length(Vector2d v) { return std::hypot(v.x, v.y); }

int BezierSegmentCount(const CubicBezier& c) {
  // Wang's bound: n segments keep within 3/4 * M / n^2 of the curve, M the largest second
  // difference of the control points.
  const Float m = std::max(Length(c.p0 - c.c1 * 2.0 + c.c2), Length(c.c1 - c.c2 * 2.0 + c.p1));
  const Float n = std::ceil(std::sqrt(0.75 * m / kFlatness));
  if (!(n >= 1.0)) return 1;
  return static_cast<int>(std::min<Float>(n, kMaxBezierSegments));
}

bool BoundsNear(const CubicBezier& c, Vector2d p, Float tolerance) {
  const Float left = std::min({c.p0.x, c.c1.x, c.c2.x, c.p1.x}) - tolerance;
  const Float right = std::max({c.p0.x, c.c1.x, c.c2.x, c.p1.x}) + tolerance;
  const Float top = std::min({c.p0.y, c.c1.y, c.c2.y, c.p1.y}) - tolerance;
  const Float bottom = std::max({c.p0.y, c.c1.y, c.c2.y, c.p1.y}) + tolerance;
  return p.x >= left && p.x <= right && p.y >= top && p.y <= bottom;
}

// Calls segment(a, b) for the straight pieces of a flattened curve; stops when it returns true.
template <class Segment>
bool ForEachFlatSegment(const CubicBezier& curve, Segment&& segment) {
  const int n = BezierSegmentCount(curve);
  Vector2d previous = curve.p0;
  for (int i = 1; i <= n; ++i) {
    const Vector2d next = i == n ? curve.p1 : curve.PointAt(static_cast<Float>(i) / n);
    if (segment(previous, next)) return true;
    previous = next;
  }
  return false;
}

// Calls segment(a, b) for every straight piece of `path`, Béziers flattened; `closeAll` closes
// open subpaths as filling does. `wantCurve(bezier)` may skip a curve that cannot matter. Stops
// early when segment returns true.
template <class Segment, class WantCurve>
bool WalkSegments(const Path& path, bool closeAll, Segment&& segment, WantCurve&& wantCurve) {
  const std::vector<Vector2d>& points = path.GetPoints();
  size_t index = 0;
  bool hasCurrent = false;
  Vector2d start, current;
  auto closeSubpath = [&]() {
    if (hasCurrent && !(current == start)) {
      if (segment(current, start)) return true;
    }
    current = start;
    return false;
  };
  for (PathVerb verb : path.GetVerbs()) {
    switch (verb) {
      case PathVerb::kMoveTo:
        if (closeAll && closeSubpath()) return true;
        start = current = points[index++];
        hasCurrent = true;
        break;
      case PathVerb::kLineTo: {
        const Vector2d p = points[index++];
        if (!hasCurrent) {
          // As cairo does: a line without a current point only moves there.
          start = current = p;
          hasCurrent = true;
          break;
        }
        if (segment(current, p)) return true;
        current = p;
        break;
      }
      case PathVerb::kCubicTo: {
        const CubicBezier curve{hasCurrent ? current : points[index], points[index], points[index + 1], points[index + 2]};
        index += 3;
        if (!hasCurrent) {
          start = curve.p0;
          hasCurrent = true;
        }
        if (wantCurve(curve)) {
          if (ForEachFlatSegment(curve, segment)) return true;
        } else if (segment(curve.p0, curve.p1)) {
          return true;
        }
        current = curve.p1;
        break;
      }
      case PathVerb::kClose:
        if (closeSubpath()) return true;
        break;
    }
  }
  return closeAll && closeSubpath();
}

class PathSink {
 public:
  explicit PathSink(Path& path) : path_(path) {}
  void MoveTo(Vector2d p) { path_.MoveTo(p); }
  void LineTo(Vector2d p) { path_.LineTo(p); }
  void CubicTo(Vector2d c1, Vector2d c2, Vector2d p) { path_.CubicTo(c1, c2, p); }
  void Close() { path_.Close(); }

 private:
  Path& path_;
};

Vector2d SanitizedRadius(Vector2d r) {
  return {std::isfinite(r.x) && r.x > 0.0 ? r.x : 0.0, std::isfinite(r.y) && r.y > 0.0 ? r.y : 0.0};
}

}  // namespace

CubicBezier WireCurve(Vector2d from, Vector2d to) {
  const Float handle = 0.5 * std::max(std::abs(to.x - from.x), std::abs(to.y - from.y));
  return {from, {from.x + handle, from.y}, {to.x - handle, to.y}, to};
}

bool CornerRadii::IsZero() const {
  const CornerRadii zero{};
  return *this == zero;
}

CornerRadii CornerRadii::FittedTo(const Rect& rect) const {
  CornerRadii r{SanitizedRadius(topLeft), SanitizedRadius(topRight), SanitizedRadius(bottomRight),
                SanitizedRadius(bottomLeft)};
  const Float width = std::max<Float>(rect.Width(), 0.0);
  const Float height = std::max<Float>(rect.Height(), 0.0);
  // One factor for all corners keeps their proportions when the rectangle is too small.
  Float scale = 1.0;
  auto limit = [&scale](Float sum, Float length) {
    if (sum > length) scale = std::min(scale, sum > 0.0 ? length / sum : 0.0);
  };
  limit(r.topLeft.x + r.topRight.x, width);
  limit(r.bottomLeft.x + r.bottomRight.x, width);
  limit(r.topLeft.y + r.bottomLeft.y, height);
  limit(r.topRight.y + r.bottomRight.y, height);
  if (scale < 1.0) {
    r.topLeft = r.topLeft * scale;
    r.topRight = r.topRight * scale;
    r.bottomRight = r.bottomRight * scale;
    r.bottomLeft = r.bottomLeft * scale;
  }
  return r;
}

Path RoundedRectPath(const Rect& rect, const CornerRadii& radii) {
  Path path;
  PathSink sink(path);
  TraceRoundedRect(rect, radii, sink);
  return path;
}

Float DistanceToSegment(Vector2d a, Vector2d b, Vector2d point) {
  const Vector2d ab = b - a;
  const Float lengthSquared = ab.x * ab.x + ab.y * ab.y;
  if (lengthSquared == 0.0) return Length(point - a);
  const Vector2d ap = point - a;
  const Float t = std::clamp((ap.x * ab.x + ap.y * ab.y) / lengthSquared, 0.0, 1.0);
  return Length(point - (a + ab * t));
}

bool LineHit(Vector2d a, Vector2d b, Vector2d point, Float tolerance) {
  if (!IsFinite(a) || !IsFinite(b) || !IsFinite(point) || std::isnan(tolerance)) return false;
  return DistanceToSegment(a, b, point) <= std::max<Float>(tolerance, 0.0);
}

bool PathHit(const Path& path, Vector2d point, Float tolerance) {
  if (!IsFinite(point) || std::isnan(tolerance)) return false;
  tolerance = std::max<Float>(tolerance, 0.0);
  return WalkSegments(
      path, false, [&](Vector2d a, Vector2d b) { return DistanceToSegment(a, b, point) <= tolerance; },
      [&](const CubicBezier& curve) { return BoundsNear(curve, point, tolerance); });
}

bool ShapeHit(const Path& path, Vector2d point) {
  if (!IsFinite(point)) return false;
  int winding = 0;
  bool onOutline = false;
  WalkSegments(
      path, true,
      [&](Vector2d a, Vector2d b) {
        if (DistanceToSegment(a, b, point) <= kOnOutlineEpsilon) {
          onOutline = true;
          return true;
        }
        // Crossings of the ray to +x; upward edges count +1, downward -1, each edge owning
        // its lower end only so a vertex on the ray is counted once.
        const Float side = (b.x - a.x) * (point.y - a.y) - (point.x - a.x) * (b.y - a.y);
        if (a.y <= point.y) {
          if (b.y > point.y && side > 0.0) ++winding;
        } else if (b.y <= point.y && side < 0.0) {
          --winding;
        }
        return false;
      },
      [](const CubicBezier&) { return true; });
  return onOutline || winding != 0;
}

bool WireHit(Vector2d from, Vector2d to, Vector2d point, Float tolerance) {
  if (!IsFinite(from) || !IsFinite(to)) return false;
  if (!IsFinite(point) || std::isnan(tolerance)) return false;
  tolerance = std::max<Float>(tolerance, 0.0);
  const CubicBezier curve = WireCurve(from, to);
  if (!BoundsNear(curve, point, tolerance)) return false;
  return ForEachFlatSegment(
      curve, [&](Vector2d a, Vector2d b) { return DistanceToSegment(a, b, point) <= tolerance; });
}

bool IsTooSmallForHit(const Rect& rect, Float minimum) {
  const Float width = rect.Width(), height = rect.Height();
  if (!std::isfinite(width) || !std::isfinite(height)) return true;
  return width < minimum || height < minimum;
}

bool IsLineTooSmallForHit(Vector2d from, Vector2d to, Float minimum) {
  if (!IsFinite(from) || !IsFinite(to)) return true;
  return Length(to - from) < minimum;
}

}  // namespace zarvo
