#include "source/widgets_layout/CanvasUnitMath.h"

#include <gtest/gtest.h>

#include <cmath>

namespace zarvo {
namespace {

constexpr Float kRem = 13.0;
constexpr auto kPix = CANVAS_UNIT::PIX;
constexpr auto kRemUnit = CANVAS_UNIT::REM;
constexpr auto kFon = CANVAS_UNIT::FON;
const CANVAS_UNIT kUnknown = static_cast<CANVAS_UNIT>(7);

TEST(CanvasUnitMathTest, ConvertsBetweenEveryPairOfUnits) {
  EXPECT_DOUBLE_EQ(ConvertCanvasUnit(2.0, kRemUnit, kPix, kRem), 26.0);
  EXPECT_DOUBLE_EQ(ConvertCanvasUnit(22.0, kFon, kPix, kRem), 26.0);
  EXPECT_DOUBLE_EQ(ConvertCanvasUnit(26.0, kPix, kRemUnit, kRem), 2.0);
  EXPECT_DOUBLE_EQ(ConvertCanvasUnit(26.0, kPix, kFon, kRem), 22.0);
  EXPECT_DOUBLE_EQ(ConvertCanvasUnit(22.0, kFon, kRemUnit, kRem), 2.0);
  EXPECT_DOUBLE_EQ(ConvertCanvasUnit(2.0, kRemUnit, kFon, kRem), 22.0);
  for (CANVAS_UNIT unit : {kPix, kRemUnit, kFon}) EXPECT_EQ(ConvertCanvasUnit(-3.5, unit, unit, kRem), -3.5);
}

TEST(CanvasUnitMathTest, AnUnknownUnitConvertsToZeroEvenIntoItself) {
  EXPECT_EQ(ConvertCanvasUnit(5.0, kUnknown, kPix, kRem), 0.0);
  EXPECT_EQ(ConvertCanvasUnit(5.0, kPix, kUnknown, kRem), 0.0);
  EXPECT_EQ(ConvertCanvasUnit(5.0, kUnknown, kUnknown, kRem), 0.0);
  EXPECT_EQ(CanvasUnitToPixels({5.0, kUnknown}, kRem), 0.0);
}

TEST(CanvasUnitMathTest, WithoutARemBaseRelativeUnitsAreNothingAndNeverInfinite) {
  EXPECT_EQ(CanvasUnitToPixels(CanvasUnitValue::Rem(3.0), 0.0), 0.0);
  EXPECT_EQ(ConvertCanvasUnit(10.0, kPix, kRemUnit, 0.0), 0.0);
  EXPECT_EQ(ConvertCanvasUnit(10.0, kPix, kFon, 0.0), 0.0);
  EXPECT_EQ(CanvasUnitToPixels(CanvasUnitValue::Pix(10.0), 0.0), 10.0);
}

TEST(CanvasUnitMathTest, SumAndDifferenceKeepTheLeftOperandsUnit) {
  const CanvasUnitValue sum = AddCanvasUnitValues(CanvasUnitValue::Fon(11.0), CanvasUnitValue::Pix(13.0), kRem);
  EXPECT_EQ(sum.unit, kFon);
  EXPECT_DOUBLE_EQ(sum.value, 22.0);
  const CanvasUnitValue difference =
      SubtractCanvasUnitValues(CanvasUnitValue::Pix(100.0), CanvasUnitValue::Rem(2.0), kRem);
  EXPECT_EQ(difference.unit, kPix);
  EXPECT_DOUBLE_EQ(difference.value, 74.0);
  const CanvasUnitValue negative =
      SubtractCanvasUnitValues(CanvasUnitValue::Rem(1.0), CanvasUnitValue::Fon(22.0), kRem);
  EXPECT_EQ(negative.unit, kRemUnit);
  EXPECT_DOUBLE_EQ(negative.value, -1.0);
}

TEST(CanvasUnitMathTest, NonFiniteValuesPassThroughUnchanged) {
  EXPECT_TRUE(std::isinf(CanvasUnitToPixels(CanvasUnitValue::Rem(HUGE_VAL), kRem)));
  EXPECT_TRUE(std::isnan(CanvasUnitToPixels(CanvasUnitValue::Pix(NAN), kRem)));
  const CanvasUnitValue converted = ConvertCanvasUnitValue(CanvasUnitValue::Pix(26.0), kFon, kRem);
  EXPECT_EQ(converted, CanvasUnitValue::Fon(22.0));
}

}  // namespace
}  // namespace zarvo
