#pragma once
#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "host/core/Types.h"

namespace zarvo {

// A frame as left, top, right, bottom. Empty when right <= left or bottom <= top.
struct Rect {
  Float left = 0.0;
  Float top = 0.0;
  Float right = 0.0;
  Float bottom = 0.0;

  static Rect FromSize(Float x, Float y, Float width, Float height) { return {x, y, x + width, y + height}; }
  Float Width() const { return right - left; }
  Float Height() const { return bottom - top; }
  bool IsEmpty() const { return !(right > left) || !(bottom > top); }
  // Inclusive on every edge, as the widgets' hover and hit rules want.
  bool Contains(Vector2d p) const { return p.x >= left && p.x <= right && p.y >= top && p.y <= bottom; }
  Rect Intersect(const Rect& o) const {
    return {std::max(left, o.left), std::max(top, o.top), std::min(right, o.right), std::min(bottom, o.bottom)};
  }
  Rect Union(const Rect& o) const {
    if (IsEmpty()) return o;
    if (o.IsEmpty()) return *this;
    return {std::min(left, o.left), std::min(top, o.top), std::max(right, o.right), std::max(bottom, o.bottom)};
  }
  bool Intersects(const Rect& o) const { return !Intersect(o).IsEmpty(); }
  Rect Inflate(Float d) const { return {left - d, top - d, right + d, bottom + d}; }
  friend bool operator==(const Rect&, const Rect&) = default;
};

// An affine transform: x' = a*x + c*y + tx, y' = b*x + d*y + ty.
struct Matrix2d {
  Float a = 1.0, b = 0.0, c = 0.0, d = 1.0, tx = 0.0, ty = 0.0;

  static Matrix2d Translation(Float x, Float y) { return {1.0, 0.0, 0.0, 1.0, x, y}; }
  static Matrix2d Scale(Float sx, Float sy) { return {sx, 0.0, 0.0, sy, 0.0, 0.0}; }

  Vector2d TransformPoint(Vector2d p) const { return {a * p.x + c * p.y + tx, b * p.x + d * p.y + ty}; }
  // Sizes and directions ignore the translation.
  Vector2d TransformVector(Vector2d v) const { return {a * v.x + c * v.y, b * v.x + d * v.y}; }
  Rect TransformRect(const Rect& r) const {
    const Vector2d p[4] = {TransformPoint({r.left, r.top}), TransformPoint({r.right, r.top}),
                           TransformPoint({r.left, r.bottom}), TransformPoint({r.right, r.bottom})};
    Rect out{p[0].x, p[0].y, p[0].x, p[0].y};
    for (const Vector2d& q : p) {
      out.left = std::min(out.left, q.x);
      out.top = std::min(out.top, q.y);
      out.right = std::max(out.right, q.x);
      out.bottom = std::max(out.bottom, q.y);
    }
    return out;
  }
  // this * other: apply `other` first, then this.
  Matrix2d operator*(const Matrix2d& o) const {
    return {a * o.a + c * o.b, b * o.a + d * o.b, a * o.c + c * o.d,
            b * o.c + d * o.d, a * o.tx + c * o.ty + tx, b * o.tx + d * o.ty + ty};
  }
  Float Determinant() const { return a * d - b * c; }
  // The inverse; a singular matrix inverts to the identity.
  Matrix2d Inverse() const {
    const Float det = Determinant();
    if (det == 0.0 || !std::isfinite(det)) return {};
    const Float inv = 1.0 / det;
    return {d * inv, -b * inv, -c * inv, a * inv, (c * ty - d * tx) * inv, (b * tx - a * ty) * inv};
  }
  // Finite, not singular, and with an inverse that does not overflow (a denormal scale has
  // none): cairo fails on anything less and refuses to draw on that context again.
  bool HasFiniteInverse() const {
    const Float det = Determinant();
    if (!(std::isfinite(det) && det != 0.0 && std::isfinite(tx) && std::isfinite(ty))) return false;
    const Matrix2d i = Inverse();
    return std::isfinite(i.a) && std::isfinite(i.b) && std::isfinite(i.c) && std::isfinite(i.d) &&
           std::isfinite(i.tx) && std::isfinite(i.ty);
  }
  bool IsTranslationOnly() const { return a == 1.0 && b == 0.0 && c == 0.0 && d == 1.0; }
  friend bool operator==(const Matrix2d&, const Matrix2d&) = default;
};

enum class PathVerb : uint8_t { kMoveTo, kLineTo, kCubicTo, kClose };

// A drawing path of lines and cubic Béziers. Points hold one entry per MoveTo/LineTo and three
// per CubicTo (two control points, then the end).
class Path {
 public:
  Path& MoveTo(Vector2d p) { verbs_.push_back(PathVerb::kMoveTo); points_.push_back(p); return *this; }
  Path& LineTo(Vector2d p) { verbs_.push_back(PathVerb::kLineTo); points_.push_back(p); return *this; }
  Path& CubicTo(Vector2d c1, Vector2d c2, Vector2d end) {
    verbs_.push_back(PathVerb::kCubicTo);
    points_.push_back(c1);
    points_.push_back(c2);
    points_.push_back(end);
    return *this;
  }
  Path& Close() { verbs_.push_back(PathVerb::kClose); return *this; }
  void Clear() { verbs_.clear(); points_.clear(); }
  bool IsEmpty() const { return verbs_.empty(); }
  const std::vector<PathVerb>& GetVerbs() const { return verbs_; }
  const std::vector<Vector2d>& GetPoints() const { return points_; }
  Path Transformed(const Matrix2d& m) const {
    Path out = *this;
    for (Vector2d& p : out.points_) p = m.TransformPoint(p);
    return out;
  }

 private:
  std::vector<PathVerb> verbs_;
  std::vector<Vector2d> points_;
};

}  // namespace zarvo
