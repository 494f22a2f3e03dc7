#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "source/widgets_color/ColorMath.h"

namespace zarvo {
namespace {

constexpr Float kNaN = std::numeric_limits<Float>::quiet_NaN();

void ExpectColor(const ColorA& actual, const ColorA& expected) {
  EXPECT_DOUBLE_EQ(actual.r, expected.r);
  EXPECT_DOUBLE_EQ(actual.g, expected.g);
  EXPECT_DOUBLE_EQ(actual.b, expected.b);
  EXPECT_DOUBLE_EQ(actual.a, expected.a);
}

TEST(ColorMathTest, RgbToHsvOfGreysBlackAndPrimaries) {
  EXPECT_EQ(RgbToHsv(0.5, 0.5, 0.5), (Vector{0.0, 0.0, 0.5}));
  EXPECT_EQ(RgbToHsv(0.0, 0.0, 0.0), (Vector{}));
  EXPECT_EQ(RgbToHsv(-1.0, -1.0, -1.0), (Vector{})) << "nothing brighter than black";
  EXPECT_EQ(RgbToHsv(1.0, 0.0, 0.0), (Vector{0.0, 1.0, 1.0}));
  EXPECT_EQ(RgbToHsv(0.0, 1.0, 0.0), (Vector{1.0 / 3.0, 1.0, 1.0}));
  EXPECT_EQ(RgbToHsv(0.0, 0.0, 1.0), (Vector{2.0 / 3.0, 1.0, 1.0}));
  // Magenta lies before red: the negative hue wraps to the end of the circle.
  EXPECT_DOUBLE_EQ(RgbToHsv(1.0, 0.0, 0.5).x, 1.0 - 0.5 / 6.0);
  // Almost grey counts as grey, with the smaller component as its value.
  EXPECT_EQ(RgbToHsv(0.5, 0.5, 0.4998), (Vector{0.0, 0.0, 0.4998}));
}

TEST(ColorMathTest, HsvToRgbCoversEverySextantAndTheEndOfTheCircle) {
  ExpectColor(HsvToRgb({1.0, 1.0, 1.0}), {1.0, 0.0, 0.0, 1.0});
  ExpectColor(HsvToRgb({0.5, 1.0, 1.0}), {0.0, 1.0, 1.0, 1.0});
  ExpectColor(HsvToRgb({0.3, 0.0005, 0.7}, 0.25), {0.7, 0.7, 0.7, 0.25});
  const ColorA sextants[] = {{1, 0.5, 0, 1}, {0.5, 1, 0, 1}, {0, 1, 0.5, 1}, {0, 0.5, 1, 1}, {0.5, 0, 1, 1}, {1, 0, 0.5, 1}};
  for (int i = 0; i < 6; ++i) {
    SCOPED_TRACE(i);
    ExpectColor(HsvToRgb({(i + 0.5) / 6.0, 1.0, 1.0}), sextants[i]);
  }
  ExpectColor(HsvToRgb({kNaN, 1.0, 1.0}), HsvToRgb({0.0, 1.0, 1.0}));
}

TEST(ColorMathTest, ConversionsRoundTrip) {
  for (const ColorA color : {ColorA{0.2, 0.4, 0.6, 1}, ColorA{0.9, 0.1, 0.3, 1}, ColorA{0.05, 0.8, 0.2, 1}}) {
    const ColorA back = HsvToRgb(RgbToHsv(color.r, color.g, color.b));
    EXPECT_NEAR(back.r, color.r, 1e-12);
    EXPECT_NEAR(back.g, color.g, 1e-12);
    EXPECT_NEAR(back.b, color.b, 1e-12);
  }
}

// Every colour an 8-bit code can name comes back from HSV as it went in, and its code with it.
TEST(ColorMathTest, EveryEightBitColourRoundTripsThroughHsv) {
  int worst = 0;
  for (uint32_t code = 0; code <= 0xFFFFFFu; ++code) {
    const ColorA color = HexCodeToRgb(code);
    const ColorA back = HsvToRgb(RgbToHsv(color.r, color.g, color.b));
    const auto off = [](Float a, Float b) { return std::abs(a - b) > 1e-9; };
    if (off(back.r, color.r) || off(back.g, color.g) || off(back.b, color.b)) {
      if (++worst <= 3) ADD_FAILURE() << HexToString(code) << " came back as " << back.r << " " << back.g << " " << back.b;
    }
  }
  EXPECT_EQ(worst, 0);
}

TEST(ColorMathTest, HexCodesTruncateAndIgnoreAlpha) {
  EXPECT_EQ(RgbToHexCode({1.0, 0.5, 0.0, 1.0}), 0xFF7F00u);
  EXPECT_EQ(HexToString(RgbToHexCode({1.0, 0.5, 0.0, 0.0})), "FF7F00");
  EXPECT_EQ(HexToString(0x00000Au), "00000A");
  EXPECT_EQ(RgbToHexCode({kNaN, 2.0, -1.0, 1.0}), 0x00FE01u) << "masked as the code is, never undefined";
  ExpectColor(HexCodeToRgb(0xFF0033u, 0.5), {1.0, 0.0, 0.2, 0.5});
}

TEST(ColorMathTest, TypedHexCodes) {
  EXPECT_EQ(ParseHexCode("#FF7F00"), 0xFF7F00u);
  EXPECT_EQ(ParseHexCode("  ff7f00 "), 0xFF7F00u);
  EXPECT_EQ(ParseHexCode("#f80"), 0xFF8800u);
  for (const char* bad : {"", "#", "#FF7F0", "#GG0000", "0xFF7F00", "#FF7F00FF", "# FF7F00"}) {
    EXPECT_FALSE(ParseHexCode(bad).has_value()) << bad;
  }
}

TEST(ColorMathTest, SlidersTruncateTowardZero) {
  EXPECT_EQ(ComponentToSlider(0.5, kColorSliderMaximum), 127);
  EXPECT_EQ(ComponentToSlider(0.999, kPercentSliderMaximum), 99);
  EXPECT_EQ(ComponentToSlider(-0.001, kColorSliderMaximum), 0);
  EXPECT_EQ(ComponentToSlider(kNaN, kHueSliderMaximum), 0);
  EXPECT_EQ(ComponentToSlider(1e300, kHueSliderMaximum), 1000000000000000);
  EXPECT_DOUBLE_EQ(SliderToComponent(51, kColorSliderMaximum), 0.2);
  EXPECT_EQ(HueSliderToComponent(120), static_cast<Float>(120.0f / 360.0f)) << "single precision";
}

}  // namespace
}  // namespace zarvo
