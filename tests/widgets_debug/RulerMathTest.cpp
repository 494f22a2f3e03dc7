#include "source/widgets_debug/RulerMath.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace zarvo {
namespace {

TEST(RulerMathTest, NiceStepsAreOneTwoOrFiveTimesAPowerOfTenAndTheSmallestThatFits) {
  // 10 pixels per unit, labels 40 apart: 4 units would do, so 5.
  EXPECT_DOUBLE_EQ(NiceTickStep(10.0, 40.0), 5.0);
  EXPECT_DOUBLE_EQ(NiceTickStep(10.0, 10.0), 1.0) << "exactly one unit fits";
  EXPECT_DOUBLE_EQ(NiceTickStep(10.0, 11.0), 2.0);
  EXPECT_DOUBLE_EQ(NiceTickStep(1000.0, 40.0), 0.05);
  EXPECT_DOUBLE_EQ(NiceTickStep(0.01, 40.0), 5000.0);
  EXPECT_DOUBLE_EQ(NiceTickStep(4.0, 40.0), 10.0);
  EXPECT_DOUBLE_EQ(NiceTickStep(0.0, 40.0), 1.0);
  EXPECT_DOUBLE_EQ(NiceTickStep(-3.0, 40.0), 1.0);
  EXPECT_DOUBLE_EQ(NiceTickStep(std::numeric_limits<Float>::infinity(), 40.0), 1.0);
  EXPECT_DOUBLE_EQ(NiceTickStep(std::nan(""), 40.0), 1.0);
}

TEST(RulerMathTest, MinorTicksAndLabelDecimalsFollowTheStep) {
  EXPECT_EQ(MinorTicksPerStep(1.0), 5);
  EXPECT_EQ(MinorTicksPerStep(2.0), 4);
  EXPECT_EQ(MinorTicksPerStep(0.2), 4);
  EXPECT_EQ(MinorTicksPerStep(500.0), 5);
  EXPECT_EQ(LabelDecimals(10.0), 0);
  EXPECT_EQ(LabelDecimals(1.0), 0);
  EXPECT_EQ(LabelDecimals(0.5), 1);
  EXPECT_EQ(LabelDecimals(0.02), 2);
  EXPECT_EQ(LabelDecimals(0.0), 0);
  EXPECT_EQ(TickLabel(12.0, 5.0), "12");
  EXPECT_EQ(TickLabel(0.25, 0.05), "0.25");
  EXPECT_EQ(TickLabel(-1.5, 0.5), "-1.5");
  EXPECT_EQ(TickLabel(-1e-17, 0.1), "0.0") << "no negative zero";
}

TEST(RulerMathTest, TicksCoverThePixelSpanWithMajorsOnMultiplesOfTheStep) {
  // From 0 at 10 pixels per unit, majors every 5 units, minors every unit.
  const std::vector<ScaleTick> ticks = ScaleTicks(0.0, 100.0, 0.0, 10.0, 5.0);
  ASSERT_EQ(ticks.size(), 11u);
  for (size_t i = 0; i < ticks.size(); ++i) {
    EXPECT_DOUBLE_EQ(ticks[i].value, static_cast<Float>(i));
    EXPECT_DOUBLE_EQ(ticks[i].pixel, 10.0 * static_cast<Float>(i));
    EXPECT_EQ(ticks[i].major, i % 5 == 0) << i;
  }
  // A span starting off a tick begins at the next one; negative values work the same.
  const std::vector<ScaleTick> shifted = ScaleTicks(3.0, 25.0, -1.0, 10.0, 2.0);
  ASSERT_FALSE(shifted.empty());
  EXPECT_DOUBLE_EQ(shifted.front().value, -0.5);
  EXPECT_FALSE(shifted.front().major);
  EXPECT_DOUBLE_EQ(shifted[1].value, 0.0);
  EXPECT_TRUE(shifted[1].major);
  EXPECT_DOUBLE_EQ(shifted.back().value, 1.5);

  EXPECT_TRUE(ScaleTicks(10.0, 0.0, 0.0, 10.0, 5.0).empty()) << "reversed span";
  EXPECT_TRUE(ScaleTicks(0.0, 100.0, 0.0, 0.0, 5.0).empty());
  EXPECT_TRUE(ScaleTicks(0.0, 100.0, 0.0, 10.0, 0.0).empty());
  EXPECT_TRUE(ScaleTicks(0.0, 1e12, 0.0, 10.0, 1e-6).empty()) << "bounded, not millions of ticks";
  // Zoomed so far that tick numbers no longer differ by one: nothing, in bounded time.
  EXPECT_TRUE(ScaleTicks(7.09e300, 7.09e300, 0.0, 7.09e298, 2e-297).empty());
}

TEST(RulerMathTest, ZoomKeepsTheAnchorAndTheViewStaysInTheRange) {
  EXPECT_DOUBLE_EQ(ScalePixelOfValue(15.0, 10.0, 4.0), 20.0);
  EXPECT_DOUBLE_EQ(ScaleValueAtPixel(20.0, 10.0, 4.0), 15.0);
  EXPECT_DOUBLE_EQ(ScaleValueAtPixel(20.0, 10.0, 0.0), 10.0);
  // Value 50 under pixel 100 at 2 pixels per unit: the scale starts at 0.
  EXPECT_DOUBLE_EQ(StartKeepingAnchor(100.0, 50.0, 2.0), 0.0);
  const Float start = StartKeepingAnchor(100.0, 50.0, 8.0);
  EXPECT_DOUBLE_EQ(ScaleValueAtPixel(100.0, start, 8.0), 50.0);

  EXPECT_DOUBLE_EQ(ZoomedSpan(0.0, 100.0, 4.0), 25.0);
  EXPECT_DOUBLE_EQ(ClampViewStart(90.0, 0.0, 100.0, 4.0), 75.0);
  EXPECT_DOUBLE_EQ(ClampViewStart(-5.0, 0.0, 100.0, 4.0), 0.0);
  EXPECT_DOUBLE_EQ(ClampViewStart(30.0, 0.0, 100.0, 1.0), 0.0) << "the whole range shows";
  EXPECT_DOUBLE_EQ(ClampViewStart(std::nan(""), 0.0, 100.0, 4.0), 0.0);
}

}  // namespace
}  // namespace zarvo
