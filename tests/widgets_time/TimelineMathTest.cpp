#include "source/widgets_time/TimelineMath.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace zarvo {
namespace {

TEST(TimelineMathTest, SnappingTruncatesToFramesWithAThousandthOfSlack) {
  EXPECT_EQ(SnapToFrame(1.0, 24.0), 1.0);
  EXPECT_EQ(SnapToFrame(1.01, 24.0), 1.0);
  EXPECT_EQ(SnapToFrame(0.0416, 24.0), 0.0) << "0.9984 + 0.001 frames truncates to 0";
  EXPECT_EQ(SnapToFrame(25.0 / 24.0, 24.0), 25.0 / 24.0);
  EXPECT_EQ(SnapToFrame(-0.06, 24.0), -1.0 / 24.0) << "toward zero below 0";
  EXPECT_EQ(SnapToFrame(1.0, 0.0), 0.0);
  EXPECT_EQ(FrameOfTime(2160.0 / 24.0, 24.0), 2160);
  EXPECT_EQ(FrameOfTime(std::nan(""), 24.0), 0);
}

TEST(TimelineMathTest, SnappingInsideARangeKeepsEndsThatAreNotOnFrames) {
  EXPECT_EQ(SnapInsideRange(5.0, 0.0, 4.0, 24.0), 4.0);
  EXPECT_EQ(SnapInsideRange(-1.0, 0.01, 4.0, 24.0), 1.0 / 24.0) << "the first frame inside";
  EXPECT_EQ(SnapInsideRange(0.5, 0.01, 0.02, 24.0), 0.02) << "no frame inside: the clamped time";
  EXPECT_EQ(SnapInsideRange(-2.0, -3.0, -1.0, 10.0), -2.0);
}

TEST(TimelineMathTest, ThePointerMapsTheFrameOntoTheRange) {
  EXPECT_EQ(TimeAtPointer(100.0, 100.0, 300.0, -2.0, 2.0), -2.0);
  EXPECT_EQ(TimeAtPointer(200.0, 100.0, 300.0, -2.0, 2.0), 0.0);
  EXPECT_EQ(TimeAtPointer(300.0, 100.0, 300.0, -2.0, 2.0), 2.0) << "the right edge is max";
  EXPECT_EQ(TimeAtPointer(-50.0, 100.0, 300.0, -2.0, 2.0), -2.0) << "left of the widget is min";
  EXPECT_EQ(TimeAtPointer(900.0, 100.0, 300.0, -2.0, 2.0), 2.0);
  EXPECT_EQ(TimeAtPointer(100.5, 100.0, 100.0, 0.0, 10.0), 5.0) << "a width under 1 counts as 1";
  EXPECT_EQ(TimeAtPointer(0.5, 100.0, 50.0, 0.0, 10.0), 5.0) << "a reversed frame starts at 0";
  EXPECT_EQ(PixelOfTime(1.0, 0.0, 4.0, 200.0), 50.0);
  EXPECT_EQ(CursorPixel(1.0 / 3.0, 0.0, 1.0, 100.0), 33.0);
  EXPECT_EQ(PixelOfTime(1.0, 2.0, 2.0, 200.0), 0.0) << "an empty range";
}

TEST(TimelineMathTest, LabelStepsDoubleUntilLabelsHaveRoom) {
  EXPECT_EQ(LabelStepFrames(24.0, 100, 1000.0, 50.0), 24) << "24 frames are 240 px";
  EXPECT_EQ(LabelStepFrames(24.0, 100, 200.0, 50.0), 48) << "48 px, then 96 px >= 75";
  EXPECT_EQ(LabelStepFrames(24.0, 10000, 1000.0, 50.0), 768);
  EXPECT_EQ(LabelStepFrames(24.0, 10, 100.0, 50.0), 24) << "never past the range";
  EXPECT_EQ(LabelStepFrames(0.2, 100, 0.0, 50.0), 1) << "no width and a slow rate";
}

TEST(TimelineMathTest, LabelsPrintWholeSecondsInThreeFields) {
  EXPECT_EQ(FrameLabel(0, 24.0), "00:00:00");
  EXPECT_EQ(FrameLabel(48, 24.0), "00:00:02");
  EXPECT_EQ(FrameLabel(2160, 24.0), "00:01:90");
  EXPECT_EQ(FrameLabel(24 * 3700, 24.0), "01:61:3700");
}

TEST(TimelineMathTest, KeysStepFramesOrWholeSeconds) {
  EXPECT_DOUBLE_EQ(KeyStepTime(2.0, 24.0, true, false), 2.0 + 1.0 / 24.0);
  EXPECT_DOUBLE_EQ(KeyStepTime(2.0, 24.0, false, false), 2.0 - 1.0 / 24.0);
  EXPECT_EQ(KeyStepTime(2.0, 24.0, true, true), 3.0);
  EXPECT_EQ(KeyStepTime(2.5, 24.0, true, true), 4.0);
  EXPECT_EQ(KeyStepTime(2.0, 24.0, false, true), 1.0);
  EXPECT_EQ(KeyStepTime(2.5, 24.0, false, true), 2.0);
  EXPECT_EQ(ScrollTime(2.0, 40.0, 0.0, 4.0), 2.0 - 40.0 / 512.0 * 4.0);
  EXPECT_EQ(ScrollTime(0.1, 512.0, 0.0, 4.0), 0.0);
  EXPECT_EQ(ScrollTime(3.9, -512.0, 0.0, 4.0), 4.0);
}

TEST(TimelineMathTest, OnlyTheFramesUnderAPixelSpanAreVisited) {
  // 10,000 frames on 1,000 pixels: ten per pixel.
  const Float max = 10000.0 / 24.0;
  FrameSpan span = FramesInPixels(100.0, 101.0, 0.0, max, 1000.0, 24.0, 0, 10000);
  EXPECT_EQ(span.first, 1000);
  EXPECT_EQ(span.last, 1010);
  span = FramesInPixels(-50.0, 5000.0, 0.0, max, 1000.0, 24.0, 0, 10000);
  EXPECT_EQ(span.first, 0);
  EXPECT_EQ(span.last, 10000);
  span = FramesInPixels(0.0, 10.0, 1.0, 1.0, 1000.0, 24.0, 0, 10);
  EXPECT_GT(span.first, span.last) << "an empty range visits nothing";
  span = FramesInPixels(0.0, 100.0, 0.0, std::numeric_limits<Float>::infinity(), 1000.0, 24.0, 0, 9000000000000000);
  EXPECT_GT(span.first, span.last) << "an unbounded range has no frame under a pixel";
}

}  // namespace
}  // namespace zarvo
