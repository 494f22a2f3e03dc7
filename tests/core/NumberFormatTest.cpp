#include "host/core/NumberFormat.h"

#include <gtest/gtest.h>

#include <limits>

namespace zarvo {
namespace {

struct FormatCase {
  Float value;
  NumberFormat format;
  const char* text;
};

void PrintTo(const FormatCase& c, std::ostream* out) { *out << c.value << " -> \"" << c.text << "\""; }

class NumberFormatTest : public testing::TestWithParam<FormatCase> {};

TEST_P(NumberFormatTest, FormatsAsTheDigitCountsSay) {
  const FormatCase& c = GetParam();
  EXPECT_EQ(FormatNumber(c.value, c.format), c.text) << c.value;
}

constexpr NumberFormat kUpTo3{-1, -3, false, ' '};
constexpr NumberFormat kUpTo6{-1, -6, false, ' '};
constexpr NumberFormat kExactly1{-1, 1, false, ' '};
constexpr NumberFormat kExactly0{-1, 0, false, ' '};
constexpr NumberFormat kFourSpaces{4, -3, false, ' '};
constexpr NumberFormat kFourZeros{4, 2, false, '0'};
constexpr NumberFormat kScientific{-1, 3, true, ' '};
constexpr NumberFormat kScientificUpTo3{-1, -3, true, ' '};

INSTANTIATE_TEST_SUITE_P(
    Digits, NumberFormatTest,
    testing::Values(FormatCase{5, kUpTo3, "5"}, FormatCase{-5, kUpTo3, "-5"}, FormatCase{0, kUpTo3, "0"},
                    FormatCase{2.5, kUpTo3, "2.5"}, FormatCase{1.0 / 3.0, kUpTo3, "0.333"},
                    FormatCase{2.0 / 3.0, kUpTo6, "0.666667"}, FormatCase{0.9999999, kUpTo6, "1"},
                    FormatCase{2.0, kExactly1, "2.0"}, FormatCase{-7.0, kExactly1, "-7.0"},
                    FormatCase{2.56, kExactly0, "3"}, FormatCase{9.223372036854775807e18, kUpTo3, "9223372036854775808"},
                    FormatCase{1e20, kExactly1, "100000000000000000000.0"}, FormatCase{5, kFourSpaces, "   5"},
                    FormatCase{-5.25, kFourSpaces, "   -5.25"}, FormatCase{12345, kFourSpaces, "12345"},
                    FormatCase{-3.5, kFourZeros, "-0003.50"}, FormatCase{1234.5, kScientific, "1.234e+03"},
                    FormatCase{1500, kScientificUpTo3, "1.5e+03"}));

INSTANTIATE_TEST_SUITE_P(
    ZeroAndSpecialValues, NumberFormatTest,
    testing::Values(FormatCase{-0.0, kExactly1, "0.0"}, FormatCase{-0.0000001, kUpTo6, "0"},
                    FormatCase{-0.0004, kUpTo3, "0"}, FormatCase{std::numeric_limits<Float>::quiet_NaN(), kUpTo3, "nan"},
                    FormatCase{std::numeric_limits<Float>::infinity(), kUpTo3, "inf"},
                    FormatCase{-std::numeric_limits<Float>::infinity(), kUpTo3, "-inf"}));

TEST(NumberFormatLimitsTest, CountsBeyondTheMaximaAreHeldToThem) {
  const std::string wide = FormatNumber(1.0, NumberFormat{1000, 1000, false, '0'});
  EXPECT_EQ(wide.size(), static_cast<size_t>(kMaxIntegerDigits + 1 + kMaxFractionDigits));
  EXPECT_EQ(FormatNumber(0.5, NumberFormat{-1, -1000, false, ' '}), "0.5");
}

TEST(NumberFormatLimitsTest, TheLargestFloatIsWrittenOutInFull) {
  const std::string text = FormatNumber(std::numeric_limits<Float>::max(), NumberFormat{-1, 1, false, ' '});
  EXPECT_EQ(text.size(), 309u + 2u);
  EXPECT_EQ(text.substr(0, 6), "179769");
  EXPECT_EQ(text.substr(text.size() - 2), ".0");
}

TEST(NumberFormatUnitTest, TheUnitFollowsAfterOneSpace) {
  EXPECT_EQ(FormatNumberWithUnit(5, kUpTo3, NumberUnit::kNone), "5 ");
  EXPECT_EQ(FormatNumberWithUnit(2.5, kUpTo3, NumberUnit::kCentimetre), "2.5 cm");
  EXPECT_EQ(FormatNumberWithUnit(90, kUpTo3, NumberUnit::kDegree), "90 \u00B0");
  EXPECT_EQ(FormatNumberWithUnit(50, kUpTo3, NumberUnit::kPercent), "50 %");
  const char* suffixes[] = {"", "km", "m", "cm", "mm", "um", "nm", "mi", "yd", "ft", "in", "\u00B0", "rad", "%"};
  for (int32_t unit = 0; unit < kNumberUnitCount; ++unit) {
    EXPECT_EQ(NumberUnitSuffix(static_cast<NumberUnit>(unit)), suffixes[unit]) << unit;
  }
  EXPECT_EQ(NumberUnitSuffix(static_cast<NumberUnit>(99)), "");
}

}  // namespace
}  // namespace zarvo
