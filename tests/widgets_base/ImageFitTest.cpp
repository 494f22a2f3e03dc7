#include <gtest/gtest.h>

#include <cmath>

#include "source/widgets_base/ImageFit.h"

namespace zarvo {
namespace {

TEST(ImageFitTest, WideContentFillsTheWidthAndIsCentredVertically) {
  EXPECT_EQ(FitKeepingAspect(Rect{0, 0, 60, 40}, {16, 8}), (Rect{0, 5, 60, 35}));
  EXPECT_EQ(FitKeepingAspect(Rect{10, 10, 30, 110}, {2, 1}), (Rect{10, 55, 30, 65}));
}

TEST(ImageFitTest, TallContentFillsTheHeightAndIsCentredHorizontally) {
  EXPECT_EQ(FitKeepingAspect(Rect{0, 0, 60, 40}, {10, 20}), (Rect{20, 0, 40, 40}));
}

TEST(ImageFitTest, ContentWithoutProportionsOrAnEmptyFrameKeepTheFrame) {
  const Rect frame{1, 2, 30, 40};
  for (Vector2d size : {Vector2d{0, 5}, Vector2d{5, -1}, Vector2d{NAN, 3}, Vector2d{INFINITY, 3}}) {
    EXPECT_EQ(FitKeepingAspect(frame, size), frame);
  }
  EXPECT_EQ(FitKeepingAspect(Rect{5, 5, 5, 9}, {2, 1}), (Rect{5, 5, 5, 9}));
}

}  // namespace
}  // namespace zarvo
