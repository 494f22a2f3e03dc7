#include "host/core/Expression.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace zarvo {
namespace {

Float Eval(std::string_view text, NumberUnit unit = NumberUnit::kNone, AngleMode mode = AngleMode::kRadians) {
  Result<Float> value = EvaluateExpression(text, unit, mode);
  EXPECT_TRUE(value.IsOk()) << text << ": " << value.GetError().ToString();
  return value.ValueOr(std::nan(""));
}

std::string FailureOf(std::string_view text, NumberUnit unit = NumberUnit::kNone, Int base = kExpressionBase) {
  Result<Float> value = EvaluateExpression(text, unit, AngleMode::kRadians, base);
  EXPECT_FALSE(value.IsOk()) << text << " gave " << value.ValueOr(0);
  return value.IsOk() ? std::string() : value.GetError().GetMessage();
}

TEST(ExpressionTest, Arithmetic) {
  EXPECT_DOUBLE_EQ(Eval("2*3"), 6);
  EXPECT_DOUBLE_EQ(Eval(" 1 + 2 * 3 "), 7);
  EXPECT_DOUBLE_EQ(Eval("(1 + 2) * 3"), 9);
  EXPECT_DOUBLE_EQ(Eval("7 / 2"), 3.5);
  EXPECT_DOUBLE_EQ(Eval("2^3^2"), 512) << "the power binds to the right";
  EXPECT_DOUBLE_EQ(Eval("-2^2"), -4) << "the power binds tighter than the sign";
  EXPECT_DOUBLE_EQ(Eval("-2.5"), -2.5);
  EXPECT_DOUBLE_EQ(Eval("+4 - -1"), 5);
  EXPECT_DOUBLE_EQ(Eval("sqrt(16) + abs(-1) + max(2, 7)"), 12);
  EXPECT_DOUBLE_EQ(Eval("1e3"), 1000);
}

TEST(ExpressionTest, UnitsConvertIntoTheTargetUnit) {
  EXPECT_DOUBLE_EQ(Eval("2.5cm + 3*4mm", NumberUnit::kCentimetre), 3.7);
  EXPECT_DOUBLE_EQ(Eval("2.5 cm + 3 * 4 mm", NumberUnit::kMillimetre), 37);
  EXPECT_DOUBLE_EQ(Eval("5", NumberUnit::kKilometre), 5) << "a bare number is in the target unit";
  EXPECT_DOUBLE_EQ(Eval("2 + 500m", NumberUnit::kKilometre), 2.5);
  EXPECT_DOUBLE_EQ(Eval("1mi", NumberUnit::kYard), 1760);
  EXPECT_DOUBLE_EQ(Eval("1ft", NumberUnit::kInch), 12);
  EXPECT_DOUBLE_EQ(Eval("1in", NumberUnit::kMillimetre), 25.4);
  EXPECT_DOUBLE_EQ(Eval("3um + 1000nm", NumberUnit::kMicrometre), 4);
  EXPECT_DOUBLE_EQ(Eval("3m+5", NumberUnit::kCentimetre), 305) << "a unit directly before an operator";
  EXPECT_DOUBLE_EQ(Eval("2cm"), 0.02) << "without a target, lengths are in metres";
}

TEST(ExpressionTest, AnglesAndPercent) {
  EXPECT_DOUBLE_EQ(Eval("90\u00B0"), std::numbers::pi / 2);
  EXPECT_DOUBLE_EQ(Eval("90\u00B0", NumberUnit::kNone, AngleMode::kDegrees), 90);
  EXPECT_DOUBLE_EQ(Eval("1rad", NumberUnit::kDegree), 180 / std::numbers::pi);
  EXPECT_DOUBLE_EQ(Eval("180\u00B0", NumberUnit::kRadian, AngleMode::kDegrees), std::numbers::pi);
  EXPECT_NEAR(Eval("sin(90)", NumberUnit::kNone, AngleMode::kDegrees), 1, 1e-15);
  EXPECT_NEAR(Eval("sin(90\u00B0)"), 1, 1e-15);
  EXPECT_NEAR(Eval("atan(1)", NumberUnit::kNone, AngleMode::kDegrees), 45, 1e-13);
  EXPECT_DOUBLE_EQ(Eval("50%"), 0.5);
  EXPECT_DOUBLE_EQ(Eval("50% + 1", NumberUnit::kPercent), 51);
}

TEST(ExpressionTest, BadTextFailsWithAMessage) {
  EXPECT_EQ(FailureOf("1/0"), "Division by zero");
  EXPECT_EQ(FailureOf("1/(2-2)"), "Division by zero");
  EXPECT_EQ(FailureOf("0/0"), "Division by zero");
  EXPECT_EQ(FailureOf("1,2"), "More than one result");
  EXPECT_EQ(FailureOf("sqrt(-1)"), "Result is not a finite number");
  EXPECT_EQ(FailureOf("1e200 * 1e200"), "Result is not a finite number");
  EXPECT_EQ(FailureOf("2*3", NumberUnit::kNone, 16), "Unsupported number base 16");
  EXPECT_EQ(FailureOf("1", static_cast<NumberUnit>(14)), "Unknown unit 14");
  EXPECT_NE(FailureOf("abc").find("abc"), std::string::npos);
  EXPECT_NE(FailureOf("1+"), "");
  EXPECT_NE(FailureOf("(1"), "");
  EXPECT_NE(FailureOf("5 6"), "");
  EXPECT_NE(FailureOf(""), "");
  EXPECT_NE(FailureOf("2 parsec"), "");
  Result<Float> failed = EvaluateExpression("1/0");
  EXPECT_EQ(failed.GetError().GetKind(), ErrorKind::kIllegalArgument);
  EXPECT_DOUBLE_EQ(Eval("1+1"), 2) << "a failure leaves the parser usable";
}

TEST(ExpressionTest, TruncationIntoInt) {
  EXPECT_EQ(TruncateToInt(2.9).ValueOr(0), 2);
  EXPECT_EQ(TruncateToInt(-2.9).ValueOr(0), -2);
  EXPECT_EQ(TruncateToInt(-9223372036854775808.0).ValueOr(0), INT64_MIN);
  EXPECT_EQ(TruncateToInt(9223372036854774784.0).ValueOr(0), 9223372036854774784);
  Result<Int> over = TruncateToInt(9223372036854775808.0);
  ASSERT_FALSE(over.IsOk());
  EXPECT_EQ(over.GetError().GetMessage(), "Integer overflow");
  EXPECT_EQ(over.GetError().GetKind(), ErrorKind::kOutOfRange);
  EXPECT_FALSE(TruncateToInt(-1e19).IsOk());
  EXPECT_FALSE(TruncateToInt(std::nan("")).IsOk());
}

}  // namespace
}  // namespace zarvo
