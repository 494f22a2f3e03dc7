#include "host/core/DateTime.h"

#include <algorithm>
#include <chrono>
#include <cstdio>

namespace zarvo {

namespace {

constexpr std::string_view kMonthNames[12] = {"January", "February", "March",     "April",   "May",      "June",
                                              "July",    "August",   "September", "October", "November", "December"};
constexpr std::string_view kDayNames[7] = {"Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday"};
constexpr Int kMonthsPerYear = 12;
// 1970-01-01 was a Thursday.
constexpr Int kEpochDayOfWeek = static_cast<Int>(DAYOFWEEK::THURSDAY);

// Days from 1970-01-01 to a date of the proleptic Gregorian calendar, counted in 400-year eras
// of 146097 days that start on March 1st, so the leap day ends each year.
Int DaysFromCivil(Int year, Int month, Int day) noexcept {
  year -= month <= 2 ? 1 : 0;
  const Int era = (year >= 0 ? year : year - 399) / 400;
  const Int yearOfEra = year - era * 400;
  const Int dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  const Int dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + dayOfEra - 719468;
}

DateTimeFields CivilFromDays(Int days) noexcept {
  days += 719468;
  const Int era = (days >= 0 ? days : days - 146096) / 146097;
  const Int dayOfEra = days - era * 146097;
  const Int yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const Int dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const Int shiftedMonth = (5 * dayOfYear + 2) / 153;
  DateTimeFields fields;
  fields.day = dayOfYear - (153 * shiftedMonth + 2) / 5 + 1;
  fields.month = shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9;
  fields.year = yearOfEra + era * 400 + (fields.month <= 2 ? 1 : 0);
  return fields;
}

Int DayOfYear(const DateTimeFields& fields) noexcept {
  return DaysFromCivil(fields.year, fields.month, fields.day) - DaysFromCivil(fields.year, 1, 1) + 1;
}

void AppendNumber(String& out, Int value, int digits) {
  char buffer[24];
  std::snprintf(buffer, sizeof buffer, "%0*lld", digits, static_cast<long long>(value));
  out += buffer;
}

// Holds a month's year between the bounds, the month moving to the bound's end of the year.
void ClampYear(DateTimeFields& fields, Int firstYear, Int lastYear) noexcept {
  if (fields.year < firstYear) {
    fields.year = firstYear;
    fields.month = 1;
  } else if (fields.year > lastYear) {
    fields.year = lastYear;
    fields.month = kMonthsPerYear;
  }
}

}  // namespace

Int DaysInMonth(Int month, Int year) noexcept {
  static constexpr Int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > kMonthsPerYear) return -1;
  if (month == 2 && IsLeapYear(year)) return 29;
  return kDays[month - 1];
}

Result<UniversalDateTime> MakeDateTime(Int year, Int month, Int day, Int hour, Int minute, Int second) {
  if (year < kFirstDateTimeYear || year > kLastDateTimeYear) {
    return IllegalArgumentError(std::to_string(year) + " is an invalid year");
  }
  const Int days = DaysInMonth(month, year);
  if (days < 0 || day < 1 || day > days || hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 ||
      second > 59) {
    return IllegalArgumentError("could not create value from year=" + std::to_string(year) +
                                ", month=" + std::to_string(month) + ", day=" + std::to_string(day) +
                                ", hour=" + std::to_string(hour) + ", minute=" + std::to_string(minute) +
                                ", second=" + std::to_string(second));
  }
  const Int seconds = DaysFromCivil(year, month, day) * kSecondsPerDay + hour * kSecondsPerHour +
                      minute * kSecondsPerMinute + second;
  return static_cast<UniversalDateTime>(seconds);
}

Result<UniversalDateTime> MakeDateTime(const DateTimeFields& fields) {
  return MakeDateTime(fields.year, fields.month, fields.day, fields.hour, fields.minute, fields.second);
}

DateTimeFields DecomposeDateTime(UniversalDateTime value) noexcept {
  const Int days = static_cast<Int>(value / kSecondsPerDay);
  const Int time = static_cast<Int>(value % kSecondsPerDay);
  DateTimeFields fields = CivilFromDays(days);
  fields.hour = time / kSecondsPerHour;
  fields.minute = time % kSecondsPerHour / kSecondsPerMinute;
  fields.second = time % kSecondsPerMinute;
  return fields;
}

DAYOFWEEK GetDayOfWeek(UniversalDateTime value) noexcept {
  const Int days = static_cast<Int>(value / kSecondsPerDay);
  return static_cast<DAYOFWEEK>((days + kEpochDayOfWeek) % 7);
}

DAYOFWEEK GetDayOfWeek(Int year, Int month, Int day) noexcept {
  const Int days = DaysFromCivil(year, month, day);
  return static_cast<DAYOFWEEK>(((days + kEpochDayOfWeek) % 7 + 7) % 7);
}

Int GetTimeOfDay(UniversalDateTime value) noexcept { return static_cast<Int>(value % kSecondsPerDay); }

Result<UniversalDateTime> StepMonths(UniversalDateTime value, Int delta, Int firstYear, Int lastYear) {
  DateTimeFields fields = DecomposeDateTime(value);
  // Months counted from year 0, so that negative steps divide like positive ones.
  const Int months = fields.year * kMonthsPerYear + (fields.month - 1) + delta;
  const Int year = months >= 0 ? months / kMonthsPerYear : -((-months + kMonthsPerYear - 1) / kMonthsPerYear);
  fields.year = year;
  fields.month = months - year * kMonthsPerYear + 1;
  ClampYear(fields, firstYear, lastYear);
  return MakeDateTime(fields);
}

Result<UniversalDateTime> WithYear(UniversalDateTime value, Int year, Int firstYear, Int lastYear) {
  DateTimeFields fields = DecomposeDateTime(value);
  fields.year = year;
  ClampYear(fields, firstYear, lastYear);
  return MakeDateTime(fields);
}

std::string_view GetMonthName(Int month) noexcept {
  if (month < 1 || month > kMonthsPerYear) return {};
  return kMonthNames[month - 1];
}

std::string_view GetDayOfWeekName(DAYOFWEEK day) noexcept {
  const auto index = static_cast<size_t>(day);
  return index < 7 ? kDayNames[index] : std::string_view();
}

String FormatDateTime(UniversalDateTime value, std::string_view format) {
  const DateTimeFields fields = DecomposeDateTime(value);
  String out;
  out.reserve(format.size() + 16);
  for (size_t i = 0; i < format.size(); ++i) {
    if (format[i] != '%' || i + 1 == format.size()) {
      out += format[i];
      continue;
    }
    const char conversion = format[++i];
    switch (conversion) {
      case 'Y': AppendNumber(out, fields.year, 4); break;
      case 'y': AppendNumber(out, fields.year % 100, 2); break;
      case 'm': AppendNumber(out, fields.month, 2); break;
      case 'd': AppendNumber(out, fields.day, 2); break;
      case 'H': AppendNumber(out, fields.hour, 2); break;
      case 'M': AppendNumber(out, fields.minute, 2); break;
      case 'S': AppendNumber(out, fields.second, 2); break;
      case 'j': AppendNumber(out, DayOfYear(fields), 3); break;
      case 'B': out += GetMonthName(fields.month); break;
      case 'b': out += GetMonthName(fields.month).substr(0, 3); break;
      case 'A': out += GetDayOfWeekName(GetDayOfWeek(value)); break;
      case 'a': out += GetDayOfWeekName(GetDayOfWeek(value)).substr(0, 3); break;
      case '%': out += '%'; break;
      default:
        out += '%';
        out += conversion;
        break;
    }
  }
  return out;
}

UniversalDateTime GetCurrentDateTime() noexcept {
  const auto now = std::chrono::system_clock::now().time_since_epoch();
  const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(now).count();
  return seconds > 0 ? static_cast<UniversalDateTime>(seconds) : 0;
}

}  // namespace zarvo
