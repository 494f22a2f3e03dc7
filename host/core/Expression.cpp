#include "host/core/Expression.h"

#include <muParserBase.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstring>
#include <memory>
#include <numeric>
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

value_type Minimum(const value_type* values, int count) { return *std::min_element(values, values + count); }
value_type Maximum(const value_type* values, int count) { return *std::max_element(values, values + count); }
value_type Sum(const value_type* values, int count) { return std::accumulate(values, values + count, 0.0); }
value_type Average(const value_type* values, int count) { return Sum(values, count) / count; }
value_type Sign(value_type v) { return v > 0 ? 1.0 : (v < 0 ? -1.0 : 0.0); }
value_type Negate(value_type v) { return -v; }

// Numbers in base 10 without a sign (a sign is an operator). Read here rather than by the
// parser's stream-based reader, which costs more than the rest of the parse together. `text`
// starts at the token; `position` is the token's place in the whole text, moved past it.
int ReadNumber(const char* text, int* position, value_type* value) {
  const char* begin = text;
  if (!((*begin >= '0' && *begin <= '9') || *begin == '.')) return 0;
  const char* end = begin + std::strlen(begin);
  const auto [stop, error] = std::from_chars(begin, end, *value, std::chars_format::general);
  if (error != std::errc()) return 0;
  *position += static_cast<int>(stop - begin);
  return 1;
}

constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";

// A parser for one target unit and angle mode, made once per thread and kept: setting up the
// operators costs far more than parsing a short text. Built on the parser's base so that only
// what is defined here exists: our number reader, our operators (a division by zero is an error
// rather than an infinity) and the units as postfix operators.
class UnitParser final : public mu::ParserBase {
 public:
  UnitParser(NumberUnit unit, AngleMode mode) : unit_(unit), mode_(mode) {
    Init();
    AddValIdent(ReadNumber);
  }

 protected:
  void InitCharSets() override {
    DefineNameChars((std::string("0123456789_") + kLetters).c_str());
    DefineOprtChars((std::string(kLetters) + "+-*^/?<>=#!$%&|~'_{}" + kDegreeSign).c_str());
    DefineInfixOprtChars("/+-*^?<>=#!$%&|~'_");
  }

  void InitFun() override {
    const bool degrees = mode_ == AngleMode::kDegrees;
    DefineFun("sin", degrees ? SinDegrees : static_cast<value_type (*)(value_type)>(std::sin));
    DefineFun("cos", degrees ? CosDegrees : static_cast<value_type (*)(value_type)>(std::cos));
    DefineFun("tan", degrees ? TanDegrees : static_cast<value_type (*)(value_type)>(std::tan));
    DefineFun("asin", degrees ? AsinDegrees : static_cast<value_type (*)(value_type)>(std::asin));
    DefineFun("acos", degrees ? AcosDegrees : static_cast<value_type (*)(value_type)>(std::acos));
    DefineFun("atan", degrees ? AtanDegrees : static_cast<value_type (*)(value_type)>(std::atan));
    DefineFun("sqrt", static_cast<value_type (*)(value_type)>(std::sqrt));
    DefineFun("abs", static_cast<value_type (*)(value_type)>(std::fabs));
    DefineFun("exp", static_cast<value_type (*)(value_type)>(std::exp));
    DefineFun("ln", static_cast<value_type (*)(value_type)>(std::log));
    DefineFun("log10", static_cast<value_type (*)(value_type)>(std::log10));
    DefineFun("log2", static_cast<value_type (*)(value_type)>(std::log2));
    DefineFun("rint", static_cast<value_type (*)(value_type)>(std::rint));
    DefineFun("sign", Sign);
    DefineFun("min", Minimum);
    DefineFun("max", Maximum);
    DefineFun("sum", Sum);
    DefineFun("avg", Average);
  }

  void InitConst() override {
    DefineConst("_pi", std::numbers::pi);
    DefineConst("_e", std::numbers::e);
  }

  void InitOprt() override {
    EnableBuiltInOprt(false);
    DefineInfixOprt("-", Negate);
    DefineInfixOprt("+", Same);
    DefineOprt("+", Add, mu::prADD_SUB, mu::oaLEFT, true);
    DefineOprt("-", Subtract, mu::prADD_SUB, mu::oaLEFT, true);
    DefineOprt("*", Multiply, mu::prMUL_DIV, mu::oaLEFT, true);
    DefineOprt("/", Divide, mu::prMUL_DIV, mu::oaLEFT, true);
    DefineOprt("^", Power, mu::prPOW, mu::oaRIGHT, true);

    const auto& lengths = kLengthConverters[static_cast<size_t>(unit_)];
    for (size_t written = 1; written < lengths.size(); ++written) {
      DefinePostfixOprt(std::string(kNumberUnitSuffixes[written]), lengths[written]);
    }
    const bool degrees = unit_ == NumberUnit::kDegree || (unit_ != NumberUnit::kRadian && mode_ == AngleMode::kDegrees);
    DefinePostfixOprt(kDegreeSign, degrees ? Same : DegreesToRadians);
    DefinePostfixOprt(std::string(NumberUnitSuffix(NumberUnit::kRadian)), degrees ? RadiansToDegrees : Same);
    DefinePostfixOprt(std::string(NumberUnitSuffix(NumberUnit::kPercent)),
                      unit_ == NumberUnit::kPercent ? Same : Hundredth);
  }

 private:
  NumberUnit unit_;
  AngleMode mode_;
};

UnitParser& ParserFor(NumberUnit unit, AngleMode mode) {
  thread_local std::array<std::unique_ptr<UnitParser>, kNumberUnitCount * 2> parsers;
  const size_t index = static_cast<size_t>(unit) * 2 + (mode == AngleMode::kDegrees ? 0 : 1);
  std::unique_ptr<UnitParser>& parser = parsers[index];
  if (!parser) parser = std::make_unique<UnitParser>(unit, mode);
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
  UnitParser& parser = ParserFor(unit, mode);
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
