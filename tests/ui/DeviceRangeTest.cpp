#include "host/ui/DeviceRange.h"

#include <gtest/gtest.h>

#include <limits>

namespace zarvo {
namespace {

constexpr Float kFar = 1e300;

TEST(DeviceRangeTest, RectanglesInsideTheBoxStayInUserSpace) {
  const Matrix2d scale = Matrix2d::Translation(10, 20) * Matrix2d::Scale(2, 2);
  const std::optional<PlacedRect> placed = PlaceRect({0, 0, 100, 50}, CornerRadii::Uniform(4), scale);
  ASSERT_TRUE(placed);
  EXPECT_FALSE(placed->inDevice);
  EXPECT_EQ(placed->rect, (Rect{0, 0, 100, 50}));
  EXPECT_EQ(placed->radii, CornerRadii::Uniform(4));
}

TEST(DeviceRangeTest, FarRectanglesAreCutExactlyOnTheDevice) {
  // A translation this far loses every user coordinate to rounding: the cut is made on the device.
  std::optional<PlacedRect> placed = PlaceRect({0, 0, 2 * kFar, 10}, {}, Matrix2d::Translation(-kFar, 5));
  ASSERT_TRUE(placed);
  EXPECT_TRUE(placed->inDevice);
  EXPECT_EQ(placed->rect, (Rect{-kDeviceLimit, 5, kDeviceLimit, 15}));

  EXPECT_FALSE(PlaceRect({0, 0, 85, 16}, {}, Matrix2d::Translation(-kFar, 0))) << "wholly beyond the box";

  // A mirrored, scaled axis: radii follow their corners and the pen its scale.
  placed = PlaceRect({-kFar, 0, 0, 10}, CornerRadii::Corners(1, 2, 3, 4), Matrix2d::Scale(-2, 2));
  ASSERT_TRUE(placed);
  EXPECT_EQ(placed->rect, (Rect{0, 0, kDeviceLimit, 20}));
  EXPECT_EQ(placed->radii, CornerRadii::Corners(4, 2, 8, 6));
  EXPECT_EQ(placed->penScale, 2.0);

  const Matrix2d rotation{0, 1, -1, 0, 0, 0};
  EXPECT_FALSE(PlaceRect({-kFar, 0, kFar, 10}, {}, rotation)) << "a rotated cut is left out";
}

TEST(DeviceRangeTest, SegmentsAreCutToTheBoxKeepingTheirLine) {
  Vector2d a{-kFar, 20}, b{kFar, 20};
  ASSERT_TRUE(CutSegmentToDeviceBox(a, b));
  EXPECT_EQ(a, (Vector2d{-kDeviceLimit, 20}));
  EXPECT_EQ(b, (Vector2d{kDeviceLimit, 20}));

  a = {-3 * kDeviceLimit, -kDeviceLimit}, b = {kDeviceLimit, kDeviceLimit};  // slope 1/2
  ASSERT_TRUE(CutSegmentToDeviceBox(a, b));
  EXPECT_EQ(a, (Vector2d{-kDeviceLimit, 0}));
  EXPECT_EQ(b, (Vector2d{kDeviceLimit, kDeviceLimit}));

  a = {2 * kDeviceLimit, 0}, b = {3 * kDeviceLimit, 0};
  EXPECT_FALSE(CutSegmentToDeviceBox(a, b)) << "both ends beyond one edge";
  a = {-3 * kDeviceLimit, 0}, b = {0, 3 * kDeviceLimit};
  EXPECT_FALSE(CutSegmentToDeviceBox(a, b)) << "passes outside a corner";
  a = {0, 0}, b = {std::numeric_limits<Float>::infinity(), 0};
  EXPECT_FALSE(CutSegmentToDeviceBox(a, b));
}

}  // namespace
}  // namespace zarvo
