#pragma once
#include <array>

#include "host/core/DateTime.h"

namespace zarvo {

// The date-time widget's arithmetic, apart from the widget.

// The valid range of the widget's values, in years.
constexpr Int kCalendarFirstYear = 1970;
constexpr Int kCalendarLastYear = 2298;
// The day grid: a header row of weekday letters, then six weeks; index = row × 7 + column.
constexpr Int kCalendarColumns = 7;
constexpr Int kCalendarRows = 7;
constexpr Int kCalendarFirstDayIndex = kCalendarColumns;
constexpr Int kCalendarCellCount = kCalendarColumns * kCalendarRows;

// One cell of the six weeks: the day number shown (0: empty) and whether it is of the month.
struct CalendarDay {
  Int day = 0;
  bool inMonth = false;
};

struct CalendarGrid {
  // Cells kCalendarFirstDayIndex .. kCalendarCellCount - 1.
  std::array<CalendarDay, kCalendarCellCount - kCalendarFirstDayIndex> days{};
  // The grid index of the value's day.
  Int currentIndex = kCalendarFirstDayIndex;
  CalendarDay At(Int index) const { return days[static_cast<size_t>(index - kCalendarFirstDayIndex)]; }
};

// The month of `fields` laid out from Monday: day 1 at index 7 + its weekday, the days before
// from the previous month (none before January 1970) and the days after from the next.
CalendarGrid BuildCalendarGrid(const DateTimeFields& fields);

// Seconds from the current day's cell to the cell at (row, column).
Int DayCellOffsetSeconds(Int row, Int column, Int currentRow, Int currentColumn) noexcept;

// The value moved by a signed number of seconds; a move below 0 stays at the value.
UniversalDateTime OffsetDateTime(UniversalDateTime value, Int seconds) noexcept;

// The minutes a vertical drag of `pixels` upwards moves the time, in seconds: truncation of
// pixels × 60, nothing under a tenth of a pixel.
Int DragSeconds(Float pixels) noexcept;

// The hands in degrees, 0 pointing right and -90 up: the hour hand moves by whole hours only.
struct ClockAngles {
  Float hour = 0.0;
  Float minute = 0.0;
  Float second = 0.0;
};
ClockAngles ComputeClockAngles(const DateTimeFields& fields) noexcept;

// Whether a value lies in 1970-01-01 00:00:00 .. 2298-12-31 23:59:59.
bool IsCalendarValue(UniversalDateTime value) noexcept;

}  // namespace zarvo
