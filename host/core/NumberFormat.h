#pragma once
#include <string>

#include "host/core/NumberUnit.h"
#include "host/core/Types.h"

namespace zarvo {

// Longest runs the formatting honours; larger counts are held to them.
inline constexpr Int kMaxIntegerDigits = 64;
inline constexpr Int kMaxFractionDigits = 20;

// How a number becomes text.
//   integerDigits   n > 0: the integer part takes at least n places, padded in front with
//                   `fill` (a '0' fill goes after the sign, any other before it); n <= 0: as
//                   many as it needs.
//   fractionDigits  n >= 0: exactly n digits after the point (none and no point for 0);
//                   n < 0: at most -n, with trailing zeros and then a bare point dropped.
//   exponent        scientific notation (d.ddde+XX), the fraction digits counting in the
//                   mantissa; otherwise plain positional notation however large the number.
// Counts beyond the maxima above are held to them.
struct NumberFormat {
  Int integerDigits = -1;
  Int fractionDigits = -3;
  bool exponent = false;
  char fill = ' ';
};

// The text of `value`. A zero, or a value that rounds to zero, has no sign; NaN and the
// infinities read "nan", "inf" and "-inf".
std::string FormatNumber(Float value, const NumberFormat& format);

// The number, one space, and the unit's suffix ("2.5 cm"); with no unit the text ends in the
// space, so that numbers with and without units line up.
std::string FormatNumberWithUnit(Float value, const NumberFormat& format, NumberUnit unit);

}  // namespace zarvo
