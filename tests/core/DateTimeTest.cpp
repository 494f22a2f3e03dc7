#include "host/core/DateTime.h"

#include <gtest/gtest.h>

namespace zarvo {
namespace {

UniversalDateTime At(Int y, Int mo, Int d, Int h = 0, Int mi = 0, Int s = 0) {
  Result<UniversalDateTime> value = MakeDateTime(y, mo, d, h, mi, s);
  EXPECT_TRUE(value.IsOk()) << value.GetError().ToString();
  return value.IsOk() ? *value : 0;
}

TEST(DateTimeTest, LeapYearsAndMonthLengths) {
  EXPECT_TRUE(IsLeapYear(2000));
  EXPECT_FALSE(IsLeapYear(1900));
  EXPECT_FALSE(IsLeapYear(2100));
  EXPECT_TRUE(IsLeapYear(2024));
  EXPECT_FALSE(IsLeapYear(2023));
  EXPECT_EQ(DaysInMonth(2, 2024), 29);
  EXPECT_EQ(DaysInMonth(2, 2100), 28);
  EXPECT_EQ(DaysInMonth(2, 2000), 29);
  const Int lengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  for (Int m = 1; m <= 12; ++m) EXPECT_EQ(DaysInMonth(m, 2023), lengths[m - 1]) << m;
  EXPECT_EQ(DaysInMonth(0, 2023), -1);
  EXPECT_EQ(DaysInMonth(13, 2023), -1);
}

TEST(DateTimeTest, TheEpochAndKnownValues) {
  EXPECT_EQ(At(1970, 1, 1), 0u);
  EXPECT_EQ(At(1970, 1, 2), 86400u);
  EXPECT_EQ(At(2000, 3, 1), 951868800u);
  EXPECT_EQ(At(2024, 2, 29, 12, 34, 56), 1709210096u);
  EXPECT_EQ(At(2298, 12, 31, 23, 59, 59), 10382255999u) << "beyond 32 bits";
}

TEST(DateTimeTest, DecomposingInvertsConstructingAcrossLeapDaysAndYearEnds) {
  const DateTimeFields samples[] = {
      {1970, 1, 1, 0, 0, 0},     {1972, 2, 29, 23, 59, 59}, {1999, 12, 31, 23, 59, 59}, {2000, 1, 1, 0, 0, 0},
      {2000, 2, 29, 6, 7, 8},    {2100, 2, 28, 12, 0, 0},   {2100, 3, 1, 0, 0, 1},      {2298, 12, 31, 23, 59, 59},
  };
  for (const DateTimeFields& fields : samples) {
    Result<UniversalDateTime> value = MakeDateTime(fields);
    ASSERT_TRUE(value.IsOk()) << fields.year << "-" << fields.month << "-" << fields.day;
    EXPECT_EQ(DecomposeDateTime(*value), fields) << *value;
  }
  // One second before and after midnight of a leap day.
  EXPECT_EQ(DecomposeDateTime(At(2024, 2, 29) - 1), (DateTimeFields{2024, 2, 28, 23, 59, 59}));
  EXPECT_EQ(DecomposeDateTime(At(2024, 3, 1) - 1), (DateTimeFields{2024, 2, 29, 23, 59, 59}));
}

TEST(DateTimeTest, ImpossibleFieldsFailWithTheHostsMessages) {
  Result<UniversalDateTime> early = MakeDateTime(1969, 12, 31);
  ASSERT_FALSE(early.IsOk());
  EXPECT_EQ(early.GetError().GetKind(), ErrorKind::kIllegalArgument);
  EXPECT_EQ(early.GetError().GetMessage(), "1969 is an invalid year");
  EXPECT_EQ(MakeDateTime(10000, 1, 1).GetError().GetMessage(), "10000 is an invalid year");

  Result<UniversalDateTime> april = MakeDateTime(2023, 4, 31, 10, 20, 30);
  ASSERT_FALSE(april.IsOk());
  EXPECT_EQ(april.GetError().GetMessage(),
            "could not create value from year=2023, month=4, day=31, hour=10, minute=20, second=30");
  EXPECT_EQ(MakeDateTime(2023, 2, 29).GetError().GetMessage(),
            "could not create value from year=2023, month=2, day=29, hour=0, minute=0, second=0");
  EXPECT_TRUE(MakeDateTime(2024, 2, 29).IsOk());
  EXPECT_FALSE(MakeDateTime(2023, 13, 1).IsOk());
  EXPECT_FALSE(MakeDateTime(2023, 1, 0).IsOk());
  EXPECT_FALSE(MakeDateTime(2023, 1, 1, 24, 0, 0).IsOk());
  EXPECT_FALSE(MakeDateTime(2023, 1, 1, 0, 60, 0).IsOk());
  EXPECT_FALSE(MakeDateTime(2023, 1, 1, 0, 0, -1).IsOk());
}

TEST(DateTimeTest, WeekDaysStartOnMonday) {
  EXPECT_EQ(GetDayOfWeek(0), DAYOFWEEK::THURSDAY);
  EXPECT_EQ(GetDayOfWeek(2024, 2, 29), DAYOFWEEK::THURSDAY);
  EXPECT_EQ(GetDayOfWeek(2000, 1, 1), DAYOFWEEK::SATURDAY);
  EXPECT_EQ(GetDayOfWeek(2298, 12, 31), DAYOFWEEK::SATURDAY);
  EXPECT_EQ(GetDayOfWeek(At(2026, 12, 6, 23, 59, 59)), DAYOFWEEK::SUNDAY);
  EXPECT_EQ(GetDayOfWeek(At(2026, 12, 7)), DAYOFWEEK::MONDAY);
  EXPECT_EQ(GetTimeOfDay(At(2026, 12, 7, 1, 2, 3)), 3723);
}

TEST(DateTimeTest, MonthSteppingKeepsTheFieldsAndClampsTheYear) {
  EXPECT_EQ(*StepMonths(At(2023, 12, 15, 8, 9, 10), 1, 1970, 2298), At(2024, 1, 15, 8, 9, 10));
  EXPECT_EQ(*StepMonths(At(2024, 1, 15, 8, 9, 10), -1, 1970, 2298), At(2023, 12, 15, 8, 9, 10));
  EXPECT_EQ(*StepMonths(At(2024, 5, 3), -17, 1970, 2298), At(2022, 12, 3));
  EXPECT_EQ(*StepMonths(At(2298, 12, 5), 1, 1970, 2298), At(2298, 12, 5)) << "2299-01 is held at 2298-12";
  EXPECT_EQ(*StepMonths(At(1970, 1, 5), -1, 1970, 2298), At(1970, 1, 5)) << "1969-12 is held at 1970-01";
  Result<UniversalDateTime> missing = StepMonths(At(2024, 1, 31), 1, 1970, 2298);
  ASSERT_FALSE(missing.IsOk());
  EXPECT_EQ(missing.GetError().GetMessage(),
            "could not create value from year=2024, month=2, day=31, hour=0, minute=0, second=0");
  EXPECT_EQ(*WithYear(At(2024, 6, 1), 1960, 1970, 2298), At(1970, 1, 1));
  EXPECT_EQ(*WithYear(At(2024, 6, 1), 2400, 1970, 2298), At(2298, 12, 1));
  EXPECT_EQ(WithYear(At(2024, 2, 29), 2023, 1970, 2298).GetError().GetMessage(),
            "could not create value from year=2023, month=2, day=29, hour=0, minute=0, second=0");
}

TEST(DateTimeTest, FormatsTheWidgetsFormats) {
  const UniversalDateTime value = At(2024, 2, 9, 7, 5, 3);
  EXPECT_EQ(FormatDateTime(value, "%m / %d / %Y"), "02 / 09 / 2024");
  EXPECT_EQ(FormatDateTime(value, "%B"), "February");
  EXPECT_EQ(FormatDateTime(value, "%H:%M:%S"), "07:05:03");
  EXPECT_EQ(FormatDateTime(value, "%a %b %y %j %A 100%%"), "Fri Feb 24 040 Friday 100%");
  EXPECT_EQ(FormatDateTime(value, "%q and a trailing %"), "%q and a trailing %");
  EXPECT_EQ(FormatDateTime(At(2298, 12, 31, 23, 59, 59), "%Y-%m-%d %H:%M:%S"), "2298-12-31 23:59:59");
  EXPECT_EQ(GetMonthName(0), "");
  EXPECT_EQ(GetMonthName(12), "December");
}

TEST(DateTimeTest, TheCurrentDateTimeIsAfterTheCodeWasWritten) { EXPECT_GT(GetCurrentDateTime(), At(2026, 1, 1)); }

}  // namespace
}  // namespace zarvo
