#include "host/core/Expression.h"

#include <muParser.h>

#include <array>
#include <cmath>
#include <memory>
#include <numbers>
#include <string>
#include <utility>

namespace zarvo {

namespace {

using mu::value_type;

// The degree sign in UTF-8; the parser reads bytes, so both are operator characters.
constexpr char kDegreeSign[] = "\xC2\xB0";
static_assert(NumberUnitSuffix(NumberUnit::kDegree) == kDegreeSign);
constexpr double kRadiansPerDegree = std::numbers::pi / 180.0;

// A postfix unit is a plain function, so each (unit written, unit wanted) pair gets its own.
template <int From, int To>
value_type ConvertLength(value_type v) {
  return v * (kMetresPerLengthUnit[From] / MetresPerUnit(static_cast<NumberUnit>(To)));
}

template <int To, size_t... From>
constexpr std::array<mu::fun_type1, sizeof...(From)> LengthRow(std::index_sequence<From...>) {
  return {&ConvertLength<static_cast<int>(From), To>...};
}

template <size_t... To>
constexpr std::array<std::array<mu::fun_type1, kLengthUnitEnd>, sizeof...(To)> LengthTable(std::index_sequence<To...>) {
  return {LengthRow<static_cast<int>(To)>(std::make_index_sequence<kLengthUnitEnd>())...};
}

// kLengthConverters[wanted][written]
constexpr auto kLengthConverters = LengthTable(std::make_index_sequence<kNumberUnitCount>());

value_type Same(value_type v) { return v; }
value_type DegreesToRadians(value_type v) { return v * kRadiansPerDegree; }
value_type RadiansToDegrees(value_type v) { return v / kRadiansPerDegree; }
value_type Hundredth(value_type v) { return v / 100.0; }

value_type Add(value_type a, value_type b) { return a + b; }
value_type Subtract(value_type a, value_type b) { return a - b; }
value_type Multiply(value_type a, value_type b) { return a * b; }
value_type Divide(value_type a, value_type b) {
  // The parser's own division would give an infinity and say nothing.
  if (b == 0) throw mu::ParserError("Division by zero");
  return a / b;
}
value_type Power(value_type a, value_type b) { return std::pow(a, b); }

value_type SinDegrees(value_type v) { return std::sin(v * kRadiansPerDegree); }
value_type CosDegrees(value_type v) { return std::cos(v * kRadiansPerDegree); }
value_type TanDegrees(value_type v) { return std::tan(v * kRadiansPerDegree); }
value_type AsinDegrees(value_type v) { return std::asin(v) / kRadiansPerDegree; }
value_type AcosDegrees(value_type v) { return std::acos(v) / kRadiansPerDegree; }
value_type AtanDegrees(value_type v) { return std::atan(v) / kRadiansPerDegree; }

// A parser for one target unit and angle mode. Made once per thread and kept: setting up the
// operators costs far more than parsing a short text.
std::unique_ptr<mu::Parser> MakeParser(NumberUnit unit, AngleMode mode) {
  auto parser = std::make_unique<mu::Parser>();
  // Our own operators, so that a division by zero is an error rather than an infinity.
  parser->EnableBuiltInOprt(false);
  parser->DefineOprt("+", Add, mu::prADD_SUB, mu::oaLEFT, true);
  parser->DefineOprt("-", Subtract, mu::prADD_SUB, mu::oaLEFT, true);
  parser->DefineOprt("*", Multiply, mu::prMUL_DIV, mu::oaLEFT, true);
  parser->DefineOprt("/", Divide, mu::prMUL_DIV, mu::oaLEFT, true);
  parser->DefineOprt("^", Power, mu::prPOW, mu::oaRIGHT, true);

  const std::string operatorChars = std::string(parser->ValidOprtChars()) + kDegreeSign;
  parser->DefineOprtChars(operatorChars.c_str());
  const auto& lengths = kLengthConverters[static_cast<size_t>(unit)];
  for (size_t written = 1; written < lengths.size(); ++written) {
    parser->DefinePostfixOprt(std::string(kNumberUnitSuffixes[written]), lengths[written]);
  }

  const bool degrees = unit == NumberUnit::kDegree || (unit != NumberUnit::kRadian && mode == AngleMode::kDegrees);
  parser->DefinePostfixOprt(kDegreeSign, degrees ? Same : DegreesToRadians);
  parser->DefinePostfixOprt(std::string(NumberUnitSuffix(NumberUnit::kRadian)), degrees ? RadiansToDegrees : Same);
  parser->DefinePostfixOprt(std::string(NumberUnitSuffix(NumberUnit::kPercent)),
                            unit == NumberUnit::kPercent ? Same : Hundredth);

  if (mode == AngleMode::kDegrees) {
    parser->DefineFun("sin", SinDegrees);
    parser->DefineFun("cos", CosDegrees);
    parser->DefineFun("tan", TanDegrees);
    parser->DefineFun("asin", AsinDegrees);
    parser->DefineFun("acos", AcosDegrees);
    parser->DefineFun("atan", AtanDegrees);
  }
  return parser;
}

mu::Parser& ParserFor(NumberUnit unit, AngleMode mode) {
  thread_local std::array<std::unique_ptr<mu::Parser>, kNumberUnitCount * 2> parsers;
  const size_t index = static_cast<size_t>(unit) * 2 + (mode == AngleMode::kDegrees ? 0 : 1);
  std::unique_ptr<mu::Parser>& parser = parsers[index];
  if (!parser) parser = MakeParser(unit, mode);
  return *parser;
}

}  // namespace

Result<Float> EvaluateExpression(std::string_view text, NumberUnit unit, AngleMode mode, Int base) {
  if (base != kExpressionBase) return IllegalArgumentError("Unsupported number base " + std::to_string(base));
  if (static_cast<int32_t>(unit) < 0 || static_cast<int32_t>(unit) >= kNumberUnitCount) {
    return IllegalArgumentError("Unknown unit " + std::to_string(static_cast<int32_t>(unit)));
  }
  if (mode != AngleMode::kDegrees && mode != AngleMode::kRadians) {
    return IllegalArgumentError("Unknown angle mode " + std::to_string(static_cast<int32_t>(mode)));
  }
  mu::Parser& parser = ParserFor(unit, mode);
  Float value = 0.0;
  // The parser reports by exceptions; none leaves this function.
  try {
    parser.SetExpr(std::string(text));
    value = parser.Eval();
    if (parser.GetNumResults() != 1) return IllegalArgumentError("More than one result");
  } catch (const mu::ParserError& error) {
    return IllegalArgumentError(error.GetMsg());
  } catch (const std::exception& error) {
    return IllegalArgumentError(error.what());
  }
  if (!std::isfinite(value)) return IllegalArgumentError("Result is not a finite number");
  return value;
}

Result<Int> TruncateToInt(Float value) {
  if (std::isnan(value)) return IllegalArgumentError("Result is not a number");
  // 2^63 is exact in a Float; every Float below it and at or above -2^63 truncates into range.
  constexpr Float kLimit = 9223372036854775808.0;
  if (value >= kLimit || value < -kLimit) return OutOfRangeError("Integer overflow");
  return static_cast<Int>(value);
}

}  // namespace zarvo
