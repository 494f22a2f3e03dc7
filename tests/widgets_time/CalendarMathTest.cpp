#include "source/widgets_time/CalendarMath.h"

#include <gtest/gtest.h>

#include <limits>

namespace zarvo {
namespace {

TEST(CalendarMathTest, AMonthIsLaidOutFromMondayWithItsNeighboursAround) {
  // February 2024 starts on a Thursday and has 29 days.
  const CalendarGrid grid = BuildCalendarGrid({2024, 2, 15, 0, 0, 0});
  EXPECT_EQ(grid.At(7).day, 29);
  EXPECT_FALSE(grid.At(7).inMonth);
  EXPECT_EQ(grid.At(9).day, 31);
  EXPECT_EQ(grid.At(10).day, 1);
  EXPECT_TRUE(grid.At(10).inMonth);
  EXPECT_EQ(grid.At(38).day, 29);
  EXPECT_TRUE(grid.At(38).inMonth);
  EXPECT_EQ(grid.At(39).day, 1);
  EXPECT_FALSE(grid.At(39).inMonth);
  EXPECT_EQ(grid.At(48).day, 10);
  EXPECT_EQ(grid.currentIndex, 24);

  // Nothing comes before January 1970; a month starting on Monday begins in the first cell.
  const CalendarGrid first = BuildCalendarGrid({1970, 1, 1, 0, 0, 0});
  EXPECT_EQ(first.At(7).day, 0);
  EXPECT_EQ(first.At(9).day, 0);
  EXPECT_EQ(first.At(10).day, 1);
  const CalendarGrid monday = BuildCalendarGrid({2024, 1, 31, 0, 0, 0});
  EXPECT_EQ(monday.At(7).day, 1);
  EXPECT_EQ(monday.currentIndex, 37);
  // December 2298 runs out into a January that the widget never shows as a month of its own.
  const CalendarGrid last = BuildCalendarGrid({2298, 12, 31, 0, 0, 0});
  EXPECT_EQ(last.At(last.currentIndex).day, 31);
  EXPECT_EQ(last.At(last.currentIndex + 1).day, 1);
}

TEST(CalendarMathTest, OffsetsClicksDragsAndHands) {
  EXPECT_EQ(DayCellOffsetSeconds(4, 3, 3, 3), 7 * 86400) << "the cell below is a week on";
  EXPECT_EQ(DayCellOffsetSeconds(3, 0, 3, 3), -3 * 86400);
  EXPECT_EQ(DayCellOffsetSeconds(1, 6, 2, 0), -86400);
  EXPECT_EQ(OffsetDateTime(100, -86400), 100u) << "no move below 1970";
  EXPECT_EQ(OffsetDateTime(100, -100), 0u);
  EXPECT_EQ(OffsetDateTime(100, 60), 160u);
  EXPECT_EQ(OffsetDateTime(100, std::numeric_limits<Int>::min()), 100u) << "the most negative offset";
  EXPECT_EQ(OffsetDateTime(std::numeric_limits<UniversalDateTime>::max() - 5, 60),
            std::numeric_limits<UniversalDateTime>::max() - 5) << "no move past the last instant";
  EXPECT_EQ(DragSeconds(1e300), static_cast<Int>(9.0e18)) << "clamped, not converted out of range";
  EXPECT_EQ(DragSeconds(-std::numeric_limits<Float>::infinity()), static_cast<Int>(-9.0e18));
  EXPECT_EQ(DragSeconds(0.05), 0);
  EXPECT_EQ(DragSeconds(2.0), 120);
  EXPECT_EQ(DragSeconds(-1.5), -90);
  const ClockAngles angles = ComputeClockAngles({2024, 2, 15, 15, 30, 0});
  EXPECT_EQ(angles.hour, 360.0) << "no advance for the 30 minutes";
  EXPECT_EQ(angles.minute, 90.0);
  EXPECT_EQ(angles.second, -90.0);
  EXPECT_TRUE(IsCalendarValue(*MakeDateTime(2298, 12, 31, 23, 59, 59)));
  EXPECT_FALSE(IsCalendarValue(*MakeDateTime(2299, 1, 1)));
}

}  // namespace
}  // namespace zarvo
