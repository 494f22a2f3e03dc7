#include "source/widgets_values/SpinBoxMath.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "host/core/NumberFormat.h"

namespace zarvo {

namespace {

constexpr NumberFormat kIntFormat{-1, -3, false, ' '};
constexpr NumberFormat kWholeFloatFormat{-1, 1, false, ' '};
constexpr NumberFormat kFractionFloatFormat{-1, -6, false, ' '};

// Repeat thresholds of a held arrow, in seconds, and the steps each one makes.
constexpr Float kRepeatStartSeconds = 0.5;
constexpr Float kRepeatFastSeconds = 1.5;
constexpr Float kRepeatFastestSeconds = 3.5;
constexpr Float kRepeatFastSteps = 10.0;
constexpr Float kRepeatFastestSteps = 100.0;

constexpr char kDegreeText[] = "\u00B0";
constexpr char kRadiansText[] = "rad";
constexpr char kPercentText[] = "%";

void EraseAll(std::string& text, std::string_view part) {
  for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at)) text.erase(at, part.size());
}

NumberUnit ToNumberUnit(NUMBER_WIDGET_UNIT_TYPE unit) { return static_cast<NumberUnit>(unit); }
static_assert(static_cast<int32_t>(NUMBER_WIDGET_UNIT_TYPE::INCH) == static_cast<int32_t>(NumberUnit::kInch));
static_assert(static_cast<int32_t>(NUMBER_WIDGET_UNIT_TYPE::PERCENT) == static_cast<int32_t>(NumberUnit::kPercent));

}  // namespace

template <class T>
T ClampSpinBoxValue(T value, T min, T max, NUMBER_LIMIT_MODE mode) {
  if (HasLimit(mode, NUMBER_LIMIT_MODE::LIMIT_MIN) && value < min) value = min;
  if (HasLimit(mode, NUMBER_LIMIT_MODE::LIMIT_MAX) && value > max) value = max;
  return value;
}

template <>
std::string FormatSpinBoxText<Int>(Int value, NUMBER_WIDGET_UNIT_TYPE unit) {
  return FormatNumberWithUnit(static_cast<Float>(value), kIntFormat, ToNumberUnit(unit));
}

template <>
std::string FormatSpinBoxText<Float>(Float value, NUMBER_WIDGET_UNIT_TYPE unit) {
  const NumberFormat& format = value == std::trunc(value) ? kWholeFloatFormat : kFractionFloatFormat;
  return FormatNumberWithUnit(value, format, ToNumberUnit(unit));
}

SpinBoxExpression PrepareSpinBoxExpression(std::string text, NUMBER_WIDGET_UNIT_TYPE unit) {
  SpinBoxExpression expression;
  const NumberUnit number = ToNumberUnit(unit);
  if (IsLengthUnit(number)) {
    expression.unit = number;
  } else if (unit == NUMBER_WIDGET_UNIT_TYPE::DEGREE || unit == NUMBER_WIDGET_UNIT_TYPE::RADIANS) {
    EraseAll(text, kDegreeText);
    EraseAll(text, kRadiansText);
    expression.mode = unit == NUMBER_WIDGET_UNIT_TYPE::DEGREE ? AngleMode::kDegrees : AngleMode::kRadians;
  } else {
    EraseAll(text, kPercentText);
  }
  expression.text = std::move(text);
  return expression;
}

template <>
Result<Float> EvaluateSpinBoxText<Float>(const std::string& text, NUMBER_WIDGET_UNIT_TYPE unit) {
  const SpinBoxExpression expression = PrepareSpinBoxExpression(text, unit);
  return EvaluateExpression(expression.text, expression.unit, expression.mode, kExpressionBase);
}

template <>
Result<Int> EvaluateSpinBoxText<Int>(const std::string& text, NUMBER_WIDGET_UNIT_TYPE unit) {
  ZV_TRY_ASSIGN(const Float value, EvaluateSpinBoxText<Float>(text, unit));
  return TruncateToInt(value + 0.5);
}

template <>
Int ApplySpinBoxStep<Int>(Int value, Int step, Float delta) {
  // An Int64 is exact in a long double, so a step next to the ends of the range is not lost.
  const long double sum = std::trunc(static_cast<long double>(step) * delta + static_cast<long double>(value));
  constexpr long double kLowest = static_cast<long double>(std::numeric_limits<Int>::min());
  constexpr long double kHighest = static_cast<long double>(std::numeric_limits<Int>::max());
  if (std::isnan(sum)) return value;
  if (sum <= kLowest) return std::numeric_limits<Int>::min();
  if (sum >= kHighest) return std::numeric_limits<Int>::max();
  return static_cast<Int>(sum);
}

template <>
Float ApplySpinBoxStep<Float>(Float value, Float step, Float delta) {
  return value + step * delta;
}

Float SpinnerRepeatSteps(Float elapsedSeconds) {
  if (elapsedSeconds > kRepeatFastestSeconds) return kRepeatFastestSteps;
  if (elapsedSeconds > kRepeatFastSeconds) return kRepeatFastSteps;
  if (elapsedSeconds > kRepeatStartSeconds) return 1.0;
  return 0.0;
}

const char* SpinnerGlyph(WIDGET_ORIENTATION orientation) {
  switch (orientation) {
    case WIDGET_ORIENTATION::LEFT_RIGHT: return "\u25B6";
    case WIDGET_ORIENTATION::RIGHT_LEFT: return "\u25C0";
    case WIDGET_ORIENTATION::TOP_BOTTOM: return "\u25BC";
    case WIDGET_ORIENTATION::BOTTOM_TOP: return "\u25B2";
  }
  return "\u25B2";
}

Float SpinnerDirectionSign(WIDGET_ORIENTATION orientation) {
  return orientation == WIDGET_ORIENTATION::RIGHT_LEFT || orientation == WIDGET_ORIENTATION::TOP_BOTTOM ? -1.0 : 1.0;
}

Float SpinnerDragMovement(Vector2d accumulatorChange, WIDGET_ORIENTATION orientation, WIDGET_R2L_MODE r2l) {
  // The accumulator loses what the pointer gains, so a rightward move lowers its x and an
  // upward move (smaller y) raises its y.
  Float movement = IsHorizontal(orientation) ? -accumulatorChange.x : accumulatorChange.y;
  if (r2l == WIDGET_R2L_MODE::RIGHT_TO_LEFT) movement = -movement;
  return movement;
}

template Int ClampSpinBoxValue<Int>(Int, Int, Int, NUMBER_LIMIT_MODE);
template Float ClampSpinBoxValue<Float>(Float, Float, Float, NUMBER_LIMIT_MODE);

}  // namespace zarvo
