#include "source/widgets_menu/CycleMath.h"

#include <gtest/gtest.h>

#include <vector>

namespace zarvo {
namespace {

constexpr Int kSep = -1;

TEST(CycleMathTest, FindsTheFirstIndexOfAnId) {
  const std::vector<Int> ids{5, kSep, 7, 5};
  EXPECT_EQ(FindCycleIndex(ids, 5), 0);
  EXPECT_EQ(FindCycleIndex(ids, 7), 2);
  EXPECT_EQ(FindCycleIndex(ids, 8), -1);
  EXPECT_EQ(FindCycleIndex({}, 0), -1);
}

struct StepCase {
  std::vector<Int> ids;
  Int from;
  Int step;
  Int expected;
};

class CycleStepTest : public testing::TestWithParam<StepCase> {};

TEST_P(CycleStepTest, StepsOverSeparatorsAndStopsAtTheEnds) {
  const StepCase& c = GetParam();
  EXPECT_EQ(StepCycleIndex(c.ids, c.from, c.step, kSep), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Walks, CycleStepTest,
    testing::Values(StepCase{{5, kSep, 7}, 0, 1, 2},               // over the separator downwards
                    StepCase{{5, kSep, 7}, 2, -1, 0},              // and upwards
                    StepCase{{5, kSep, kSep, 7}, 0, 1, 3},         // over several
                    StepCase{{1, 2, 3}, 2, 1, 2},                  // the last stays the last
                    StepCase{{1, 2, 3}, 0, -1, 0},                 // the first stays the first
                    StepCase{{kSep, 4, 5}, 1, -1, 1},              // a separator at the top end: back
                    StepCase{{4, 5, kSep}, 1, 1, 1},               // and at the bottom end
                    StepCase{{kSep, kSep}, 0, 1, -1},              // nothing selectable
                    StepCase{{}, 0, 1, -1},                        // nothing at all
                    StepCase{{4, 5, 6}, -1, 1, 0},                 // not in the list: from the top
                    StepCase{{4, 5, 6}, -1, -1, 0}));

TEST(CycleMathTest, TheListOpensBelowTheButtonLeftAligned) {
  const Rect work{0, 0, 1920, 1040};
  EXPECT_EQ(PlaceDropdown(Rect{100, 200, 260, 222}, {160, 300}, work), (Vector2d{100, 222}));
  // Exactly to the bottom still fits.
  EXPECT_EQ(PlaceDropdown(Rect{100, 700, 260, 740}, {160, 300}, work), (Vector2d{100, 740}));
}

TEST(CycleMathTest, NearTheBottomTheListOpensAboveAndElseAtTheWorkTop) {
  const Rect work{0, 40, 1920, 1040};
  EXPECT_EQ(PlaceDropdown(Rect{100, 900, 260, 922}, {160, 300}, work), (Vector2d{100, 600}));
  EXPECT_EQ(PlaceDropdown(Rect{100, 200, 260, 222}, {160, 900}, work), (Vector2d{100, 40}));
  // x is never moved, even off the work area.
  EXPECT_EQ(PlaceDropdown(Rect{1900, 10, 2060, 32}, {160, 30}, work).x, 1900);
}

TEST(CycleMathTest, InvertedRectanglesCountAsEmpty) {
  EXPECT_EQ(PlaceDropdown(Rect{260, 222, 100, 200}, {160, 30}, Rect{0, 0, 1920, 1040}), (Vector2d{0, 0}));
  // An inverted work area has its bottom at 0: the list goes above the button, then to 0.
  EXPECT_EQ(PlaceDropdown(Rect{100, 200, 260, 222}, {160, 30}, Rect{0, 1040, 1920, 0}), (Vector2d{100, 170}));
}

}  // namespace
}  // namespace zarvo
