#include "source/widgets_time/CalendarMath.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace zarvo {

namespace {
constexpr Int kMonthsPerYear = 12;
constexpr Float kDegreesPerHour = 30.0;
constexpr Float kDegreesPerMinute = 6.0;
constexpr Float kTwelveOClock = -90.0;
constexpr Float kDragThreshold = 0.1;
// The last second of the range, built as the constructor builds it.
constexpr UniversalDateTime kLastCalendarValue = 10382255999u;
}  // namespace

CalendarGrid BuildCalendarGrid(const DateTimeFields& fields) {
  CalendarGrid grid;
  const Int firstIndex = kCalendarFirstDayIndex + static_cast<Int>(GetDayOfWeek(fields.year, fields.month, 1));
  const Int count = DaysInMonth(fields.month, fields.year);
  for (Int day = 1; day <= count; ++day) {
    grid.days[static_cast<size_t>(firstIndex + day - 1 - kCalendarFirstDayIndex)] = {day, true};
  }
  grid.currentIndex = firstIndex + fields.day - 1;
  const bool earliest = fields.year == kCalendarFirstYear && fields.month == 1;
  if (!earliest) {
    const Int previousMonth = fields.month == 1 ? kMonthsPerYear : fields.month - 1;
    const Int previousYear = fields.month == 1 ? fields.year - 1 : fields.year;
    Int day = DaysInMonth(previousMonth, previousYear);
    for (Int index = firstIndex - 1; index >= kCalendarFirstDayIndex; --index, --day) {
      grid.days[static_cast<size_t>(index - kCalendarFirstDayIndex)] = {day, false};
    }
  }
  Int day = 1;
  for (Int index = firstIndex + count; index < kCalendarCellCount; ++index, ++day) {
    grid.days[static_cast<size_t>(index - kCalendarFirstDayIndex)] = {day, false};
  }
  return grid;
}

Int DayCellOffsetSeconds(Int row, Int column, Int currentRow, Int currentColumn) noexcept {
  return ((row - currentRow) * kCalendarColumns + column - currentColumn) * kSecondsPerDay;
}

UniversalDateTime OffsetDateTime(UniversalDateTime value, Int seconds) noexcept {
  // The magnitude in unsigned arithmetic: negating the most negative Int overflows.
  const UniversalDateTime magnitude =
      seconds < 0 ? UniversalDateTime{0} - static_cast<UniversalDateTime>(seconds) : static_cast<UniversalDateTime>(seconds);
  if (seconds < 0) return magnitude > value ? value : value - magnitude;
  // No move past the last representable instant either.
  return magnitude > std::numeric_limits<UniversalDateTime>::max() - value ? value : value + magnitude;
}

Int DragSeconds(Float pixels) noexcept {
  if (!(std::fabs(pixels) >= kDragThreshold)) return 0;
  // A drag of absurd length is clamped before the conversion, which is undefined out of range.
  constexpr Float kLimit = 9.0e18;
  return static_cast<Int>(std::clamp(pixels * static_cast<Float>(kSecondsPerMinute), -kLimit, kLimit));
}

ClockAngles ComputeClockAngles(const DateTimeFields& fields) noexcept {
  return {static_cast<Float>(fields.hour) * kDegreesPerHour + kTwelveOClock,
          static_cast<Float>(fields.minute) * kDegreesPerMinute + kTwelveOClock,
          static_cast<Float>(fields.second) * kDegreesPerMinute + kTwelveOClock};
}

bool IsCalendarValue(UniversalDateTime value) noexcept { return value <= kLastCalendarValue; }

}  // namespace zarvo
