#pragma once
#include <cstdint>
#include <string_view>

#include "host/core/Result.h"
#include "host/core/Types.h"

namespace zarvo {

// The host's universal date-time: whole seconds since 1970-01-01 00:00:00, unsigned, so no
// value lies before 1970. The host keeps local time equal to universal time: decomposing and
// constructing are exact inverses and a day always has 86400 seconds.
using UniversalDateTime = uint64_t;

constexpr Int kSecondsPerMinute = 60;
constexpr Int kSecondsPerHour = 3600;
constexpr Int kSecondsPerDay = 86400;
// The years the constructor accepts.
constexpr Int kFirstDateTimeYear = 1970;
constexpr Int kLastDateTimeYear = 9999;

// Monday first.
enum class DAYOFWEEK : int32_t { MONDAY = 0, TUESDAY = 1, WEDNESDAY = 2, THURSDAY = 3, FRIDAY = 4, SATURDAY = 5, SUNDAY = 6 };

// A date-time taken apart; months and days count from 1.
struct DateTimeFields {
  Int year = kFirstDateTimeYear;
  Int month = 1;
  Int day = 1;
  Int hour = 0;
  Int minute = 0;
  Int second = 0;
  friend bool operator==(const DateTimeFields&, const DateTimeFields&) = default;
};

// Divisible by 4 and not by 100, or divisible by 400.
constexpr bool IsLeapYear(Int year) noexcept { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

// The days of a month, or -1 for a month outside 1..12.
Int DaysInMonth(Int month, Int year) noexcept;

// The value of the given fields. A year outside kFirstDateTimeYear..kLastDateTimeYear fails
// with "<year> is an invalid year"; any other impossible field (day 31 in April, hour 24) with
// "could not create value from year=.., month=.., day=.., hour=.., minute=.., second=..".
[[nodiscard]] Result<UniversalDateTime> MakeDateTime(Int year, Int month, Int day, Int hour = 0, Int minute = 0,
                                                     Int second = 0);
[[nodiscard]] Result<UniversalDateTime> MakeDateTime(const DateTimeFields& fields);

// The local fields of a value.
DateTimeFields DecomposeDateTime(UniversalDateTime value) noexcept;
DAYOFWEEK GetDayOfWeek(UniversalDateTime value) noexcept;
// The weekday of a date; the date must exist.
DAYOFWEEK GetDayOfWeek(Int year, Int month, Int day) noexcept;
// Seconds since the value's midnight.
Int GetTimeOfDay(UniversalDateTime value) noexcept;

// The same day, hour, minute and second `delta` months on. Months past December or before
// January move the year; the year is then held between `firstYear` and `lastYear` (a year below
// becomes January of firstYear, a year above December of lastYear). A day the month lacks is the
// constructor's error.
[[nodiscard]] Result<UniversalDateTime> StepMonths(UniversalDateTime value, Int delta, Int firstYear, Int lastYear);

// The same fields with another year, held as StepMonths holds it.
[[nodiscard]] Result<UniversalDateTime> WithYear(UniversalDateTime value, Int year, Int firstYear, Int lastYear);

// Formats with the conversions %Y (year), %y (two-digit year), %m, %d, %H, %M, %S (two digits),
// %B and %b (month name, full and short), %A and %a (weekday name), %j (day of the year, three
// digits) and %% ; any other character is copied, and an unknown conversion is copied whole.
String FormatDateTime(UniversalDateTime value, std::string_view format);

// "January" .. "December"; empty outside 1..12.
std::string_view GetMonthName(Int month) noexcept;
std::string_view GetDayOfWeekName(DAYOFWEEK day) noexcept;

// The wall clock's universal date-time now.
UniversalDateTime GetCurrentDateTime() noexcept;

}  // namespace zarvo
