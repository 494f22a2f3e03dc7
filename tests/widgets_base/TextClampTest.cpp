#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "source/widgets_base/TextClamp.h"

namespace zarvo {
namespace {

// Every character is one unit wide, so a width says how many characters fit.
// (A lambda: FunctionRef takes callable objects, not plain functions.)
const auto CountChars = [](std::string_view text) { return static_cast<Float>(SplitUtf8Chars(text).size()); };

std::string Clamp(std::string_view text, CLAMP_MODE mode, Float width) {
  return ClampText(text, mode, width, CountChars);
}

TEST(TextClampTest, ShortTextsAndTextsThatFitStayWhole) {
  for (CLAMP_MODE mode : {CLAMP_MODE::NONE, CLAMP_MODE::START, CLAMP_MODE::MIDDLE, CLAMP_MODE::END}) {
    EXPECT_EQ(Clamp("abcd", mode, 0.0), "abcd") << "four characters are never clamped";
    EXPECT_EQ(Clamp("", mode, 0.0), "");
    EXPECT_EQ(Clamp("abcdefghij", mode, 10.0), "abcdefghij");
    EXPECT_EQ(Clamp("abcdefghij", mode, 10.0 - kTextFitTolerance / 2), "abcdefghij") << "within the tolerance";
  }
  EXPECT_EQ(Clamp("abcde", CLAMP_MODE::MIDDLE, 0.0), "abcde") << "the middle keeps five characters";
  EXPECT_EQ(Clamp("abcde", CLAMP_MODE::START, 0.0), "...") << "the two after the dots go at once";
  EXPECT_EQ(Clamp("abcde", CLAMP_MODE::END, 0.0), "...");
  EXPECT_EQ(Clamp("abcdefghij", CLAMP_MODE::NONE, 1.0), "abcdefghij");
}

TEST(TextClampTest, EndCutsThreeCharactersBeforeTheDotsAtATime) {
  EXPECT_EQ(Clamp("abcdefghij", CLAMP_MODE::END, 9.0), "abcd...");
  EXPECT_EQ(Clamp("abcdefghij", CLAMP_MODE::END, 7.0), "abcd...");
  // A ten-character text in room for five: the dots stay at the end, the characters before
  // them go until fewer than five are left.
  EXPECT_EQ(Clamp("abcdefghij", CLAMP_MODE::END, 5.0), "a...");
  EXPECT_EQ(Clamp("abcdefghijk", CLAMP_MODE::END, 5.0), "ab...");
  EXPECT_EQ(Clamp("abcdefghijk", CLAMP_MODE::END, 0.0), "...") << "five left, the last two go too";
}

TEST(TextClampTest, StartCutsThreeCharactersAfterTheDotsAtATime) {
  EXPECT_EQ(Clamp("abcdefghij", CLAMP_MODE::START, 9.0), "...ghij");
  EXPECT_EQ(Clamp("abcdefghij", CLAMP_MODE::START, 4.0), "...j");
  EXPECT_EQ(Clamp("abcdefghijklmnop", CLAMP_MODE::START, 6.0), "...p");
  EXPECT_EQ(Clamp("abcdefghijklmnop", CLAMP_MODE::START, 7.0), "...mnop");
}

TEST(TextClampTest, MiddleWidensTheCutAroundTheCentre) {
  EXPECT_EQ(Clamp("abcdefghij", CLAMP_MODE::MIDDLE, 9.0), "abc...hij");
  EXPECT_EQ(Clamp("abcdefghij", CLAMP_MODE::MIDDLE, 8.0), "ab...ij");
  EXPECT_EQ(Clamp("abcdefghij", CLAMP_MODE::MIDDLE, 3.0), "a...j") << "stops below six characters";
  EXPECT_EQ(Clamp("abcdef", CLAMP_MODE::MIDDLE, 0.0), "a...f") << "six less one is below six: one step only";
  // The cut's start moves left only every second step: the rest is not always balanced.
  EXPECT_EQ(Clamp("abcdefghijklmnopqrst", CLAMP_MODE::MIDDLE, 12.0), "abcd...hrst");
}

TEST(TextClampTest, MiddleEndsOnLongTextsInNoRoom) {
  const std::string text(200, 'x');
  const std::string clamped = Clamp(text, CLAMP_MODE::MIDDLE, 0.0);
  EXPECT_LT(clamped.size(), 8u);
  EXPECT_NE(clamped.find("..."), std::string::npos);
}

TEST(TextClampTest, CharactersAreCodePoints) {
  // Ten characters of one to three bytes.
  const std::string text = "\xC3\xA4\xC3\xB6\xC3\xBC\xC3\x9F\xE2\x82\xAC\xC3\xA9\xC3\xA8\xC3\xA0\xC3\xA7x";
  ASSERT_EQ(SplitUtf8Chars(text).size(), 10u);
  EXPECT_EQ(Clamp(text, CLAMP_MODE::END, 7.0), "\xC3\xA4\xC3\xB6\xC3\xBC\xC3\x9F...");
  EXPECT_EQ(Clamp(text, CLAMP_MODE::START, 7.0), "...\xC3\xA8\xC3\xA0\xC3\xA7x");
  EXPECT_EQ(Clamp(text, CLAMP_MODE::MIDDLE, 9.0), "\xC3\xA4\xC3\xB6\xC3\xBC...\xC3\xA0\xC3\xA7x");
  EXPECT_EQ(Clamp("\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC", CLAMP_MODE::END, 0.0),
            "\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC")
      << "four three-byte characters are four characters";
}

TEST(TextClampTest, MalformedBytesCountAsOneCharacterEach) {
  EXPECT_EQ(Utf8CharLength("\xE2\x82\xAC", 0), 3u);
  EXPECT_EQ(Utf8CharLength("\xF0\x9F\x98\x80", 0), 4u);
  EXPECT_EQ(Utf8CharLength("\xE2\x82", 0), 1u) << "cut short";
  EXPECT_EQ(Utf8CharLength("\xC0\x80", 0), 1u) << "overlong";
  EXPECT_EQ(Utf8CharLength("\xED\xA0\x80", 0), 1u) << "surrogate";
  EXPECT_EQ(Utf8CharLength("\xF4\x90\x80\x80", 0), 1u) << "beyond the last code point";
  EXPECT_EQ(Utf8CharLength("\x80", 0), 1u);
  EXPECT_EQ(Utf8CharLength("a", 1), 0u);
  EXPECT_EQ(SplitUtf8Chars("\xFF\xFE" "ab").size(), 4u);
  EXPECT_EQ(Clamp("\xFF\xFE\xFD\xFC\xFB\xFA\xF9", CLAMP_MODE::END, 0.0), "\xFF...");
}

TEST(TextClampTest, MeasuresOnlyWhatItNeeds) {
  int calls = 0;
  const auto counting = [&](std::string_view text) {
    ++calls;
    return CountChars(text);
  };
  EXPECT_EQ(ClampText("abc", CLAMP_MODE::END, 0.0, counting), "abc");
  EXPECT_EQ(calls, 0) << "a short text needs no measure";
  EXPECT_EQ(ClampText("abcdefghij", CLAMP_MODE::END, 10.0, counting), "abcdefghij");
  EXPECT_EQ(calls, 1);
}

// Long texts find their cut by bisection; the steps the modes define are the oracle.
std::string SteppedEnd(std::string text, size_t width) {
  text.replace(text.size() - 3, 3, "...");
  while (text.size() >= 5 && text.size() > width) {
    const size_t count = std::min<size_t>(3, text.size() - 3);
    text.erase(text.size() - 3 - count, count);
  }
  return text;
}

std::string SteppedStart(std::string text, size_t width) {
  text.replace(0, 3, "...");
  while (text.size() >= 5 && text.size() > width) text.erase(3, std::min<size_t>(3, text.size() - 3));
  return text;
}

std::string SteppedMiddle(const std::string& text, size_t width) {
  const size_t length = text.size();
  for (size_t step = 0;; ++step) {
    std::string result = text;
    const size_t start = std::min(length, length / 2 - std::min(length / 2, step / 2));
    result.erase(start, std::min(2 * step + 1, length - start));
    if (result.size() > 4) result.replace(result.size() / 2 - 1, 3, "...");
    if (length < step + 7 || result.size() < 6 || result.size() <= width) return result;
  }
}

TEST(TextClampTest, LongTextsCutWhereTheStepsWouldAndMeasureFewTimes) {
  std::string text;
  for (int i = 0; i < 700; ++i) text += static_cast<char>('a' + i % 26);
  for (size_t width : {0u, 4u, 5u, 6u, 7u, 100u, 301u, 698u, 699u}) {
    int calls = 0;
    const auto counting = [&](std::string_view t) {
      ++calls;
      return CountChars(t);
    };
    const Float room = static_cast<Float>(width);
    EXPECT_EQ(ClampText(text, CLAMP_MODE::END, room, counting), SteppedEnd(text, width)) << width;
    EXPECT_EQ(ClampText(text, CLAMP_MODE::START, room, counting), SteppedStart(text, width)) << width;
    EXPECT_EQ(ClampText(text, CLAMP_MODE::MIDDLE, room, counting), SteppedMiddle(text, width)) << width;
    EXPECT_LT(calls, 3 * 16) << "bisection, not a step per cut";
  }
}

}  // namespace
}  // namespace zarvo
