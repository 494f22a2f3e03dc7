#include <gtest/gtest.h>

#include <cstdint>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "source/widgets_base/TextClamp.h"
#include "source/widgets_base/TextLines.h"

namespace zarvo {
namespace {

constexpr Float kStep = 10.0;

// Every character is one unit wide.
// (A lambda: FunctionRef takes callable objects, not plain functions.)
const auto CountChars = [](std::string_view text) { return static_cast<Float>(SplitUtf8Chars(text).size()); };

struct Options {
  WRAP_MODE wrap = WRAP_MODE::LINE;
  Float width = 0.0;
  Int maximumLineCount = 0;
  bool skipEmptyLines = false;
};

TextLinesLayout LayOut(std::string_view text, Options options = {}) {
  TextLinesOptions lineOptions;
  lineOptions.wrapMode = options.wrap;
  lineOptions.availableWidth = options.width;
  lineOptions.maximumLineCount = options.maximumLineCount;
  lineOptions.skipEmptyLines = options.skipEmptyLines;
  lineOptions.lineStep = kStep;
  TextLinesLayout layout;
  Result<void> done = LayOutTextLines(text, lineOptions, CountChars, layout);
  EXPECT_TRUE(done.IsOk()) << done.GetError().ToString();
  return layout;
}

std::vector<std::string> Texts(const TextLinesLayout& layout) {
  std::vector<std::string> texts;
  for (const TextLine& line : layout.lines) texts.push_back(line.text);
  return texts;
}

using Lines = std::vector<std::string>;

TEST(TextLinesTest, LineModeMakesALinePerLineFeedOneStepApart) {
  const TextLinesLayout layout = LayOut("alpha\n\nbeta");
  const std::vector<TextLine> expected = {{0.0, "alpha"}, {10.0, ""}, {20.0, "beta"}};
  EXPECT_EQ(layout.lines, expected);
  EXPECT_EQ(layout.size, (Vector2d{5.0, 30.0}));

  const TextLinesLayout skipped = LayOut("alpha\n\nbeta", {.skipEmptyLines = true});
  const std::vector<TextLine> twoLines = {{0.0, "alpha"}, {10.0, "beta"}};
  EXPECT_EQ(skipped.lines, twoLines);
  EXPECT_EQ(skipped.size, (Vector2d{5.0, 20.0}));
}

TEST(TextLinesTest, SkippingEmptyLinesTrimsEveryLine) {
  EXPECT_EQ(Texts(LayOut("  a b  \n \t \nc\r", {.skipEmptyLines = true})), (Lines{"a b", "c"}));
  EXPECT_EQ(Texts(LayOut("  a b  \n \t \nc")), (Lines{"  a b  ", " \t ", "c"}));
}

TEST(TextLinesTest, ALineFeedAtTheEndStartsNoLineAndAnEmptyTextIsOneEmptyLine) {
  EXPECT_EQ(Texts(LayOut("a\nb\n")), (Lines{"a", "b"}));
  EXPECT_EQ(Texts(LayOut("\n")), (Lines{""}));
  const TextLinesLayout empty = LayOut("");
  EXPECT_EQ(Texts(empty), (Lines{""}));
  EXPECT_EQ(empty.size, (Vector2d{0.0, kStep})) << "no width, one line high";
  const TextLinesLayout skipped = LayOut("", {.skipEmptyLines = true});
  EXPECT_TRUE(skipped.lines.empty());
  EXPECT_EQ(skipped.size, (Vector2d{0.0, 0.0}));
}

TEST(TextLinesTest, TheMaximumLineCountDropsTheRestAndMarksTheLastLine) {
  const TextLinesLayout cut = LayOut("abcdefgh\nabcdefgh\nx", {.maximumLineCount = 2});
  EXPECT_EQ(Texts(cut), (Lines{"abcdefgh", "abcde..."})) << "no wider than the widest kept line";
  EXPECT_EQ(cut.size, (Vector2d{8.0, 20.0}));
  EXPECT_EQ(Texts(LayOut("a long line\nshort\nmore", {.maximumLineCount = 2})), (Lines{"a long line", "short..."}));
  EXPECT_EQ(Texts(LayOut("a\nb", {.maximumLineCount = 2})), (Lines{"a", "b"})) << "nothing dropped, nothing marked";
  EXPECT_EQ(Texts(LayOut("a\n\nb\n\n", {.maximumLineCount = 2, .skipEmptyLines = true})), (Lines{"a", "b"}));
  EXPECT_EQ(Texts(LayOut("a\nb\nc", {.maximumLineCount = 0})), (Lines{"a", "b", "c"}));
  EXPECT_EQ(Texts(LayOut("a\nb\nc", {.maximumLineCount = -3})), (Lines{"a", "b", "c"}));
}

TEST(TextLinesTest, AMarkWithNothingLeftToCutIsTheDotsAlone) {
  const TextLinesLayout layout = LayOut("ab\ncd", {.maximumLineCount = 1});
  EXPECT_EQ(Texts(layout), (Lines{"..."}));
  EXPECT_EQ(layout.size, (Vector2d{3.0, 10.0})) << "the dots are the widest line now";
  EXPECT_EQ(Texts(LayOut("\n\nx", {.maximumLineCount = 1})), (Lines{"..."}));
}

TEST(TextLinesTest, WordModeBreaksBeforeTheWordThatDoesNotFit) {
  const TextLinesLayout layout = LayOut("the quick brown fox", {.wrap = WRAP_MODE::WORD, .width = 10.0});
  EXPECT_EQ(Texts(layout), (Lines{"the quick ", "brown fox"}));
  EXPECT_EQ(layout.size, (Vector2d{10.0, 20.0}));
  EXPECT_EQ(Texts(LayOut("ab cd\nef", {.wrap = WRAP_MODE::WORD, .width = 10.0})), (Lines{"ab cd", "ef"}))
      << "line feeds still end lines";
  // The line is measured with the space after a word too: when that space is what does not
  // fit, the word moves to the next line.
  EXPECT_EQ(Texts(LayOut("aa bb cc dd", {.wrap = WRAP_MODE::WORD, .width = 5.0})), (Lines{"aa ", "bb ", "cc dd"}));
}

TEST(TextLinesTest, WordModeBreaksAWordWiderThanTheLineBeforeTheCharacterThatDoesNotFit) {
  EXPECT_EQ(Texts(LayOut("abcdefghij", {.wrap = WRAP_MODE::WORD, .width = 4.0})), (Lines{"abcd", "efgh", "ij"}));
  EXPECT_EQ(Texts(LayOut("a bcdefgh", {.wrap = WRAP_MODE::WORD, .width = 4.0})), (Lines{"a ", "bcde", "fgh"}));
  EXPECT_EQ(Texts(LayOut("abc", {.wrap = WRAP_MODE::WORD, .width = 0.0})), (Lines{"a", "b", "c"}))
      << "a line holds at least one character";
  EXPECT_EQ(Texts(LayOut("\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC", {.wrap = WRAP_MODE::WORD, .width = 2.0})),
            (Lines{"\xE2\x82\xAC\xE2\x82\xAC", "\xE2\x82\xAC"}))
      << "a character is never split";
}

TEST(TextLinesTest, WordModeSkipsEmptyLinesAndLimitsTheLineCountLikeLineMode) {
  EXPECT_EQ(Texts(LayOut("ab\n\ncd", {.wrap = WRAP_MODE::WORD, .width = 10.0, .skipEmptyLines = true})),
            (Lines{"ab", "cd"}));
  const TextLinesLayout cut =
      LayOut("aaaa bbbb cccc dddd", {.wrap = WRAP_MODE::WORD, .width = 10.0, .maximumLineCount = 1});
  EXPECT_EQ(Texts(cut), (Lines{"aaaa bb..."}));
  EXPECT_EQ(cut.size, (Vector2d{10.0, 10.0}));
}

TEST(TextLinesTest, WrappedLinesKeepEveryCharacter) {
  const std::string text = "Lorem ipsum dolor sit amet, consectetur adipiscing elit, sed do eiusmod tempor.";
  for (Float width : {1.0, 7.0, 12.0, 30.0, 200.0}) {
    const TextLinesLayout layout = LayOut(text, {.wrap = WRAP_MODE::WORD, .width = width});
    std::string joined;
    for (const TextLine& line : layout.lines) {
      joined += line.text;
      EXPECT_LE(CountChars(line.text), std::max(width, 1.0)) << line.text;
    }
    EXPECT_EQ(joined, text) << width;
  }
}

// The wrapping rule taken literally: one character at a time, measuring the line each time.
Lines WrapOneCharacterAtATime(std::string_view piece, Float width, FunctionRef<Float(std::string_view)> measure) {
  auto tooWide = [&](size_t from, size_t to) { return measure(piece.substr(from, to - from)) > width + kTextFitTolerance; };
  auto isWord = [](char c) { return static_cast<unsigned char>(c) > 0x20; };
  Lines lines;
  size_t lineStart = 0, wordStart = 0;
  int words = 0;
  for (size_t i = 0; i < piece.size();) {
    const size_t end = i + Utf8CharLength(piece, i);
    if (isWord(piece[i]) && (i == lineStart || !isWord(piece[i - 1]))) {
      wordStart = i;
      ++words;
    }
    if (i > lineStart && tooWide(lineStart, end)) {
      bool breakBefore = true;
      if (words >= 2) {
        lines.emplace_back(piece.substr(lineStart, wordStart - lineStart));
        lineStart = wordStart;
        words = 1;
        breakBefore = i > lineStart && tooWide(lineStart, end);
      }
      if (breakBefore) {
        lines.emplace_back(piece.substr(lineStart, i - lineStart));
        lineStart = wordStart = i;
        words = isWord(piece[i]) ? 1 : 0;
      }
    }
    i = end;
  }
  lines.emplace_back(piece.substr(lineStart));
  return lines;
}

TEST(TextLinesTest, WordModeBreaksWhereTakingOneCharacterAtATimeWould) {
  // Characters of uneven widths (a proportional font), multi-byte ones and runs of spaces.
  const auto proportional = [](std::string_view text) {
    Float width = 0.0;
    for (std::string_view c : SplitUtf8Chars(text)) width += c == " " ? 0.4 : c.size() > 1 ? 1.7 : 0.6 + (c[0] % 5) * 0.2;
    return width;
  };
  const char* alphabet[] = {"a", "m", "i", "W", " ", " ", "\xc3\xa9", "\xe2\x82\xac", "-", "."};
  uint32_t state = 12345;
  auto next = [&state] { return state = state * 1664525u + 1013904223u; };
  for (int round = 0; round < 200; ++round) {
    std::string text;
    const size_t length = next() % 120;
    for (size_t i = 0; i < length; ++i) text += alphabet[(next() >> 8) % std::size(alphabet)];
    const Float width = static_cast<Float>(next() % 400) / 10.0;
    TextLinesOptions options;
    options.wrapMode = WRAP_MODE::WORD;
    options.availableWidth = width;
    TextLinesLayout layout;
    ASSERT_TRUE(LayOutTextLines(text, options, proportional, layout).IsOk());
    ASSERT_EQ(Texts(layout), WrapOneCharacterAtATime(text, width, proportional)) << '"' << text << "\" at " << width;
  }
}

TEST(TextLinesTest, WordModeMeasuresALongLineAFewTimesOnly) {
  // A megabyte in a wide area used to be shaped once per character: a million shapings.
  const std::string text(1'000'000, 'x');
  size_t measured = 0;
  size_t measuredBytes = 0;
  const auto counting = [&](std::string_view line) {
    ++measured;
    measuredBytes += line.size();
    return static_cast<Float>(line.size());
  };
  TextLinesOptions options;
  options.wrapMode = WRAP_MODE::WORD;
  options.availableWidth = 1e9;
  TextLinesLayout layout;
  ASSERT_TRUE(LayOutTextLines(text, options, counting, layout).IsOk());
  EXPECT_EQ(layout.lines.size(), 1u);
  EXPECT_LT(measured, 40u);
  EXPECT_LT(measuredBytes, 4 * text.size()) << "doubling probes, the whole line once more";

  options.availableWidth = 1000.0;
  measured = 0;
  ASSERT_TRUE(LayOutTextLines(text, options, counting, layout).IsOk());
  EXPECT_EQ(layout.lines.size(), 1000u);
  EXPECT_LT(measured, 1000u * 25u) << "a few measurements per line";
}

TEST(TextLinesTest, LinesStepByTheGivenStep) {
  TextLinesOptions options;
  options.lineStep = 7.5;
  TextLinesLayout layout;
  ASSERT_TRUE(LayOutTextLines("a\nb\nc", options, CountChars, layout).IsOk());
  ASSERT_EQ(layout.lines.size(), 3u);
  EXPECT_EQ(layout.lines[2].offset, 15.0);
  EXPECT_EQ(layout.size.y, 22.5);
  // A second layout replaces the first.
  ASSERT_TRUE(LayOutTextLines("z", options, CountChars, layout).IsOk());
  EXPECT_EQ(layout.lines.size(), 1u);
}

}  // namespace
}  // namespace zarvo
