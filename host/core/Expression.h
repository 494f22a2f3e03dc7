#pragma once
#include <cstdint>
#include <string_view>

#include "host/core/NumberUnit.h"
#include "host/core/Result.h"
#include "host/core/Types.h"

namespace zarvo {

// How the trigonometric functions (and the angle units, where the target is no angle) take
// and give angles.
enum class AngleMode : int32_t { kDegrees = 1, kRadians = 2 };

// The only number base typed text is read in.
inline constexpr Int kExpressionBase = 10;

// Evaluates typed arithmetic and gives the result in `unit`.
//
// The text holds numbers, + - * / ^ (^ binds tightest and to the right, a sign binds tighter
// than * and /), parentheses and the functions sin cos tan asin acos atan (in `mode`), sqrt,
// abs, exp, ln, log10, log2, sign, rint, min, max, sum and avg. Any number may carry a unit
// after it, with or without a space: km m cm mm um nm mi yd ft in, ° (the degree sign), rad
// and %. A number without a unit is in `unit`; a unit converts its number into `unit`: "2.5cm +
// 3*4mm" is 3.7 with unit centimetre. Lengths where the target is no length are in metres;
// angles where the target is no angle follow `mode`; "%" is a hundredth, and in a percent
// target stands for itself.
//
// Fails, with an IllegalArgumentError saying why, on text that does not parse, a division by
// zero, more than one comma-separated result, a result that is not finite (an overflow, the
// root of a negative number) and any base other than 10.
[[nodiscard]] Result<Float> EvaluateExpression(std::string_view text, NumberUnit unit = NumberUnit::kNone,
                                               AngleMode mode = AngleMode::kRadians, Int base = kExpressionBase);

// Truncation toward zero into an Int: "Integer overflow" (an OutOfRangeError) outside the Int
// range, an IllegalArgumentError for NaN.
[[nodiscard]] Result<Int> TruncateToInt(Float value);

}  // namespace zarvo
