#include <gtest/gtest.h>

#include "source/widgets_layout/ScrollMath.h"

namespace zarvo {
namespace {

constexpr Vector2d kArea{200, 100};
constexpr Float kBarHeight = 14;  // the horizontal bar, across
constexpr Float kBarWidth = 14;   // the vertical bar, across

ScrollbarVisibility Auto(Vector2d content) {
  return ComputeScrollbarVisibility(true, true, kArea, content, kBarHeight, kBarWidth);
}

TEST(ScrollMathTest, BarsShowOnlyWhereTheContentIsLarger) {
  EXPECT_EQ(Auto({200, 100}), (ScrollbarVisibility{false, false, false})) << "exact equality needs no bar";
  EXPECT_EQ(Auto({201, 50}), (ScrollbarVisibility{true, false, false}));
  EXPECT_EQ(Auto({50, 101}), (ScrollbarVisibility{false, true, false}));
  EXPECT_EQ(Auto({201, 101}), (ScrollbarVisibility{true, true, true}));
}

TEST(ScrollMathTest, OneBarCanMakeTheOtherNeeded) {
  // 87 + 14 > 100: the horizontal bar covers the content's bottom, so it needs the vertical one.
  EXPECT_EQ(Auto({201, 87}), (ScrollbarVisibility{true, true, true}));
  EXPECT_EQ(Auto({201, 86}), (ScrollbarVisibility{true, false, false})) << "86 + 14 is exactly 100";
  EXPECT_EQ(Auto({187, 101}), (ScrollbarVisibility{true, true, true}));
  EXPECT_EQ(Auto({186, 101}), (ScrollbarVisibility{false, true, false}));
}

TEST(ScrollMathTest, WithoutAutoModeEverythingShowsAndWithoutContentNothing) {
  EXPECT_EQ(ComputeScrollbarVisibility(false, false, kArea, {}, kBarHeight, kBarWidth),
            (ScrollbarVisibility{true, true, true}));
  EXPECT_EQ(ComputeScrollbarVisibility(true, false, kArea, {900, 900}, kBarHeight, kBarWidth), ScrollbarVisibility{});
}

TEST(ScrollMathTest, ClampingKeepsTheViewInsideTheContent) {
  EXPECT_EQ(ClampScrollOffset(5, 500, 200), 0) << "no room before the start";
  EXPECT_EQ(ClampScrollOffset(-120, 500, 200), -120);
  EXPECT_EQ(ClampScrollOffset(-400, 500, 200), -300) << "no room after the end";
  EXPECT_EQ(ClampScrollOffset(-300, 500, 200), -300);
  EXPECT_EQ(ClampScrollOffset(-50, 150, 200), 0) << "content smaller than the view stays at its start";
  EXPECT_EQ(ClampScrollOffset(-50, 200, 200), 0);
  EXPECT_EQ(ClampScrollPosition({-999, 3}, {300, 500}, {100, 200}), (Vector2d{-200, 0}));
}

TEST(ScrollMathTest, LimitsShowTheStartOrTheEnd) {
  EXPECT_EQ(ScrollLimitOffset(true, 500, 200), -300);
  EXPECT_EQ(ScrollLimitOffset(false, 500, 200), 0);
}

TEST(ScrollMathTest, TheThumbShowsTheViewsShareAtTheOffsetsShare) {
  const ScrollThumb top = ComputeScrollThumb(100, 14, 200, 800, 0);
  ASSERT_TRUE(top.present);
  EXPECT_DOUBLE_EQ(top.start, 0);
  EXPECT_DOUBLE_EQ(top.end, 25) << "a content four times the view gives a quarter of the track";
  const ScrollThumb middle = ComputeScrollThumb(100, 14, 200, 800, -400);
  EXPECT_DOUBLE_EQ(middle.start, 50);
  EXPECT_DOUBLE_EQ(middle.end, 75);
  EXPECT_DOUBLE_EQ(middle.Center(), 62.5);
  EXPECT_TRUE(middle.Contains(50));
  EXPECT_TRUE(middle.Contains(75));
  EXPECT_FALSE(middle.Contains(49.9));
}

TEST(ScrollMathTest, AShortThumbIsAsLongAsTheTrackIsThickAndStaysInside) {
  const ScrollThumb start = ComputeScrollThumb(100, 14, 100, 10000, 0);
  EXPECT_DOUBLE_EQ(start.start, 0);
  EXPECT_DOUBLE_EQ(start.end, 14);
  const ScrollThumb middle = ComputeScrollThumb(100, 14, 100, 10000, -5000);
  EXPECT_DOUBLE_EQ(middle.end - middle.start, 14);
  EXPECT_DOUBLE_EQ(middle.Center(), 50.5) << "centred on the view's share";
  const ScrollThumb end = ComputeScrollThumb(100, 14, 100, 10000, -9900);
  EXPECT_DOUBLE_EQ(end.start, 86);
  EXPECT_DOUBLE_EQ(end.end, 100);
}

TEST(ScrollMathTest, NoThumbOnAShortTrackAndAFullOneWithoutContent) {
  EXPECT_FALSE(ComputeScrollThumb(14, 14, 100, 400, 0).present);
  EXPECT_FALSE(ComputeScrollThumb(10, 14, 100, 400, 0).present);
  const ScrollThumb full = ComputeScrollThumb(100, 14, 100, 0, 0);
  ASSERT_TRUE(full.present);
  EXPECT_EQ(full.start, 0);
  EXPECT_EQ(full.end, 100);
  const ScrollThumb small = ComputeScrollThumb(100, 14, 200, 100, 0);
  EXPECT_EQ(small.end, 100) << "a content smaller than the view does not reach past the track";
}

TEST(ScrollMathTest, DraggingPutsTheViewsCentreAtThePointersFraction) {
  // Slider from 20 to 120; content 1000, view 200.
  EXPECT_DOUBLE_EQ(ComputeDragOffset(70, 0, 20, 120, 1000, 200), -400) << "half way: centre at 500";
  EXPECT_DOUBLE_EQ(ComputeDragOffset(60, 10, 20, 120, 1000, 200), -400) << "the grab offset adds";
  EXPECT_DOUBLE_EQ(ComputeDragOffset(0, 0, 20, 120, 1000, 200), 100) << "clamped to the start; layout clamps later";
  EXPECT_DOUBLE_EQ(ComputeDragOffset(500, 0, 20, 120, 1000, 200), -900);
  EXPECT_DOUBLE_EQ(ComputeDragOffset(0.5, 0, 120, 20, 1000, 200), -400) << "an inverted frame counts from 0 over 1";
  EXPECT_DOUBLE_EQ(ComputeDragOffset(20.5, 0, 20, 20, 1000, 200), -400) << "an empty frame spans one pixel";
}

TEST(ScrollMathTest, TheCapsuleSpansItsBarWithRoundEnds) {
  const Path vertical = MakeCapsulePath(10, 50, 7, 2, true);
  Float left = 1e9, right = -1e9, top = 1e9, bottom = -1e9;
  for (const Vector2d& p : vertical.GetPoints()) {
    left = std::min(left, p.x);
    right = std::max(right, p.x);
    top = std::min(top, p.y);
    bottom = std::max(bottom, p.y);
  }
  EXPECT_EQ(left, 5);
  EXPECT_EQ(right, 9);
  EXPECT_EQ(top, 10);
  EXPECT_EQ(bottom, 50);
  EXPECT_EQ(vertical.GetVerbs().back(), PathVerb::kClose);
  const Path horizontal = MakeCapsulePath(10, 50, 7, 2, false);
  EXPECT_EQ(horizontal.GetPoints()[0], (Vector2d{12, 5})) << "the same bar turned";
}

}  // namespace
}  // namespace zarvo
