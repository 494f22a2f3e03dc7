#pragma once
#include <cstdint>

namespace zarvo {

// Which bounds of a number widget's range hold its value (flags).
enum class NUMBER_LIMIT_MODE : int32_t { NONE = 0, LIMIT_MIN = 1, LIMIT_MAX = 2, LIMIT_MIN_MAX = 3 };
constexpr NUMBER_LIMIT_MODE operator|(NUMBER_LIMIT_MODE a, NUMBER_LIMIT_MODE b) {
  return static_cast<NUMBER_LIMIT_MODE>(static_cast<int32_t>(a) | static_cast<int32_t>(b));
}
constexpr bool HasLimit(NUMBER_LIMIT_MODE mode, NUMBER_LIMIT_MODE flag) {
  return (static_cast<int32_t>(mode) & static_cast<int32_t>(flag)) != 0;
}

// The unit a number widget's value is shown in.
enum class NUMBER_WIDGET_UNIT_TYPE : int32_t {
  NONE = 0, KM = 1, M = 2, CM = 3, MM = 4, UM = 5, NM = 6, MILE = 7, YARD = 8, FEET = 9, INCH = 10,
  DEGREE = 11, RADIANS = 12, PERCENT = 13,
};

}  // namespace zarvo
