#include <gtest/gtest.h>

#include <limits>

#include "host/ui/HitTests.h"

namespace zarvo {
namespace {

constexpr Float kNaN = std::numeric_limits<Float>::quiet_NaN();

TEST(HitTestsTest, LineHitWithinTolerance) {
  const Vector2d a{0, 0}, b{100, 0};
  EXPECT_TRUE(LineHit(a, b, {50, 0}, 0.0));
  EXPECT_TRUE(LineHit(a, b, {50, 2}, 2.0));
  EXPECT_FALSE(LineHit(a, b, {50, 2.01}, 2.0));
  // Beyond the ends the distance is to the end point, not to the infinite line.
  EXPECT_TRUE(LineHit(a, b, {102, 0}, 2.0));
  EXPECT_FALSE(LineHit(a, b, {103, 0}, 2.0));
  EXPECT_FALSE(LineHit(a, b, {102, 2}, 2.0));
  // A line of no length is a point.
  EXPECT_TRUE(LineHit(a, a, {1, 1}, 1.5));
  EXPECT_FALSE(LineHit(a, b, {50, 0.5}, -1.0));
  EXPECT_FALSE(LineHit(a, b, {kNaN, 0}, 5.0));
}

Path SquareWithHole() {
  Path path;
  // Outer square clockwise, inner square counter-clockwise: the inner one is a hole.
  path.MoveTo({0, 0}).LineTo({100, 0}).LineTo({100, 100}).LineTo({0, 100}).Close();
  path.MoveTo({25, 25}).LineTo({25, 75}).LineTo({75, 75}).LineTo({75, 25}).Close();
  return path;
}

TEST(HitTestsTest, ShapeHitUsesNonZeroWinding) {
  const Path path = SquareWithHole();
  EXPECT_TRUE(ShapeHit(path, {10, 10}));
  EXPECT_TRUE(ShapeHit(path, {90, 50}));
  EXPECT_FALSE(ShapeHit(path, {50, 50}));
  EXPECT_FALSE(ShapeHit(path, {150, 50}));
  EXPECT_FALSE(ShapeHit(path, {-1, 50}));
  // The outline belongs to the shape.
  EXPECT_TRUE(ShapeHit(path, {0, 50}));
  EXPECT_TRUE(ShapeHit(path, {25, 50}));

  // The same inner square wound the same way as the outer one fills in under non-zero.
  Path doubled;
  doubled.MoveTo({0, 0}).LineTo({100, 0}).LineTo({100, 100}).LineTo({0, 100}).Close();
  doubled.MoveTo({25, 25}).LineTo({75, 25}).LineTo({75, 75}).LineTo({25, 75}).Close();
  EXPECT_TRUE(ShapeHit(doubled, {50, 50}));
}

TEST(HitTestsTest, ShapeHitClosesOpenSubpathsAndFollowsCurves) {
  Path triangle;
  triangle.MoveTo({0, 0}).LineTo({100, 0}).LineTo({0, 100});  // left open
  EXPECT_TRUE(ShapeHit(triangle, {20, 20}));
  EXPECT_FALSE(ShapeHit(triangle, {60, 60}));

  // A half-disc-like bulge: the chord from (0,0) to (100,0) with a curve below it.
  Path bulge;
  bulge.MoveTo({0, 0}).CubicTo({0, 66}, {100, 66}, {100, 0}).Close();
  EXPECT_TRUE(ShapeHit(bulge, {50, 45}));   // the curve reaches y = 49.5 at its middle
  EXPECT_FALSE(ShapeHit(bulge, {50, 52}));
  EXPECT_FALSE(ShapeHit(Path(), {0, 0}));
}

TEST(HitTestsTest, PathHitFollowsTheOutlineOnly) {
  Path bulge;
  bulge.MoveTo({0, 0}).CubicTo({0, 66}, {100, 66}, {100, 0});
  EXPECT_TRUE(PathHit(bulge, {50, 49.5}, 0.1));
  EXPECT_TRUE(PathHit(bulge, {50, 52}, 3.0));
  EXPECT_FALSE(PathHit(bulge, {50, 45}, 3.0));   // inside, but away from the curve
  EXPECT_FALSE(PathHit(bulge, {50, 0}, 3.0));    // an open path has no closing edge
  bulge.Close();
  EXPECT_TRUE(PathHit(bulge, {50, 0}, 3.0));
  EXPECT_TRUE(PathHit(SquareWithHole(), {75, 50}, 1.0));
  EXPECT_FALSE(PathHit(SquareWithHole(), {50, 50}, 1.0));
}

TEST(HitTestsTest, WireHitFollowsTheWireCurve) {
  const Vector2d from{0, 0}, to{100, 50};
  const CubicBezier curve = WireCurve(from, to);
  EXPECT_EQ(curve.c1, (Vector2d{50, 0}));
  EXPECT_EQ(curve.c2, (Vector2d{50, 50}));
  // The S passes through the middle point and leaves horizontally.
  EXPECT_TRUE(WireHit(from, to, {50, 25}, 0.5));
  EXPECT_TRUE(WireHit(from, to, {5, 0.2}, 0.5));
  EXPECT_FALSE(WireHit(from, to, {50, 35}, 3.0));
  // The straight line between the ends is not the wire.
  EXPECT_FALSE(WireHit(from, to, {20, 10}, 2.0));

  // A wire running backwards loops out to the right of its start.
  const CubicBezier back = WireCurve({100, 0}, {0, 0});
  EXPECT_EQ(back.c1, (Vector2d{150, 0}));
  EXPECT_TRUE(WireHit({100, 0}, {0, 0}, back.PointAt(0.25), 0.5));
}

TEST(HitTestsTest, TooSmallForHit) {
  EXPECT_FALSE(IsTooSmallForHit(Rect::FromSize(0, 0, 20, 20), 8.0));
  EXPECT_TRUE(IsTooSmallForHit(Rect::FromSize(0, 0, 6, 20), 8.0));
  EXPECT_TRUE(IsTooSmallForHit(Rect::FromSize(0, 0, 20, 6), 8.0));
  EXPECT_TRUE(IsTooSmallForHit({0, 0, kNaN, 10}, 1.0));
  EXPECT_FALSE(IsLineTooSmallForHit({0, 0}, {0, 10}, 8.0));
  EXPECT_TRUE(IsLineTooSmallForHit({0, 0}, {0, 5}, 8.0));
}

TEST(HitTestsTest, RoundedRectRadiiAreFitted) {
  const Rect rect = Rect::FromSize(0, 0, 40, 20);
  const CornerRadii pill = CornerRadii::Uniform(50).FittedTo(rect);
  EXPECT_EQ(pill.topLeft, (Vector2d{10, 10}));
  EXPECT_EQ(pill.bottomRight, (Vector2d{10, 10}));
  EXPECT_EQ(CornerRadii::Uniform(-3).FittedTo(rect), CornerRadii{});
  const Path path = RoundedRectPath(rect, CornerRadii::Uniform(10));
  EXPECT_TRUE(ShapeHit(path, {20, 10}));
  EXPECT_FALSE(ShapeHit(path, {0.5, 0.5}));  // the cut-off corner
  EXPECT_TRUE(ShapeHit(path, {10, 0.5}));
}

}  // namespace
}  // namespace zarvo
