#include "source/widgets_layout/FlexPlacement.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace zarvo {
namespace {

using L = FLEXBOX_LAYOUT;

constexpr L kAllLayouts[] = {L::LEFT_RIGHT_TOP_BOTTOM, L::RIGHT_LEFT_TOP_BOTTOM, L::TOP_BOTTOM_LEFT_RIGHT,
                             L::BOTTOM_TOP_LEFT_RIGHT, L::LEFT_RIGHT_BOTTOM_TOP, L::RIGHT_LEFT_BOTTOM_TOP,
                             L::TOP_BOTTOM_RIGHT_LEFT, L::BOTTOM_TOP_RIGHT_LEFT};

struct Placed {
  std::vector<Vector2d> positions;
  std::vector<FlexLine> lines;
  Vector2d contentSize;
};

Placed PlaceAll(L layout, Vector2d available, const std::vector<Vector2d>& sizes) {
  Placed out;
  out.positions.resize(sizes.size());
  out.lines.resize(sizes.size());
  const FlexPlacementResult result = PlaceFlexItems(layout, available, sizes, out.positions, out.lines);
  out.lines.resize(result.lineCount);
  out.contentSize = result.contentSize;
  return out;
}

std::vector<Vector2d> Widths(std::initializer_list<Float> widths, Float height = 10.0) {
  std::vector<Vector2d> sizes;
  for (Float w : widths) sizes.push_back({w, height});
  return sizes;
}

std::vector<Vector2d> Heights(std::initializer_list<Float> heights, Float width = 10.0) {
  std::vector<Vector2d> sizes;
  for (Float h : heights) sizes.push_back({width, h});
  return sizes;
}

TEST(FlexPlacementTest, NoItemsGiveTheSizeOfEachLayoutsFilledDirectionsOnly) {
  const Vector2d available{120, 80};
  const Vector2d expected[] = {{120, 0}, {120, 0}, {0, 80}, {0, 80}, {120, 80}, {120, 80}, {0, 80}, {0, 80}};
  for (size_t i = 0; i < std::size(kAllLayouts); ++i) {
    const FlexPlacementResult result = PlaceFlexItems(kAllLayouts[i], available, {}, {});
    EXPECT_EQ(result.contentSize, expected[i]) << "layout " << i;
    EXPECT_EQ(result.lineCount, 0u);
  }
}

TEST(FlexPlacementTest, LeftRightTopBottomBreaksWhenAnItemWouldEndOnTheLineEnd) {
  Placed fifty = PlaceAll(L::LEFT_RIGHT_TOP_BOTTOM, {100, 500}, Widths({50, 50, 50}));
  EXPECT_EQ(fifty.positions, (std::vector<Vector2d>{{0, 0}, {0, 10}, {0, 20}}));
  EXPECT_EQ(fifty.contentSize, (Vector2d{100, 30}));

  Placed fortyNine = PlaceAll(L::LEFT_RIGHT_TOP_BOTTOM, {100, 500}, Widths({49, 49, 49}));
  EXPECT_EQ(fortyNine.positions, (std::vector<Vector2d>{{0, 0}, {49, 0}, {0, 10}}));
  ASSERT_EQ(fortyNine.lines.size(), 2u);
  EXPECT_EQ(fortyNine.lines[0].first, 0u);
  EXPECT_EQ(fortyNine.lines[0].end, 2u);
  EXPECT_EQ(fortyNine.lines[1].first, 2u);
  EXPECT_EQ(fortyNine.lines[1].end, 3u);
}

TEST(FlexPlacementTest, RowsFollowTheTallestItemOfThePreviousRow) {
  const std::vector<Vector2d> sizes{{30, 10}, {30, 30}, {30, 20}, {30, 5}};
  Placed placed = PlaceAll(L::LEFT_RIGHT_TOP_BOTTOM, {100, 500}, sizes);
  EXPECT_EQ(placed.positions[3], (Vector2d{0, 30}));
  EXPECT_EQ(placed.contentSize, (Vector2d{100, 35}));
  EXPECT_EQ(placed.lines[0].crossMin, 0.0);
  EXPECT_EQ(placed.lines[0].crossMax, 30.0);
}

TEST(FlexPlacementTest, RightLeftTopBottomKeepsAnItemEndingExactlyAtZero) {
  Placed fifty = PlaceAll(L::RIGHT_LEFT_TOP_BOTTOM, {100, 500}, Widths({50, 50, 50}));
  EXPECT_EQ(fifty.positions, (std::vector<Vector2d>{{50, 0}, {0, 0}, {50, 10}}));
  EXPECT_EQ(fifty.contentSize, (Vector2d{100, 20}));

  Placed uneven = PlaceAll(L::RIGHT_LEFT_TOP_BOTTOM, {100, 500}, Widths({60, 41}));
  EXPECT_EQ(uneven.positions, (std::vector<Vector2d>{{40, 0}, {59, 10}}));
}

TEST(FlexPlacementTest, ColumnLayoutsAreTheRowLayoutsTurned) {
  Placed down = PlaceAll(L::TOP_BOTTOM_LEFT_RIGHT, {500, 100}, Heights({50, 49, 40}, 20));
  EXPECT_EQ(down.positions, (std::vector<Vector2d>{{0, 0}, {0, 50}, {20, 0}}));
  EXPECT_EQ(down.contentSize, (Vector2d{40, 100}));

  Placed up = PlaceAll(L::BOTTOM_TOP_LEFT_RIGHT, {500, 100}, Heights({60, 40, 30}, 20));
  EXPECT_EQ(up.positions, (std::vector<Vector2d>{{0, 40}, {0, 0}, {20, 70}}));
  EXPECT_EQ(up.contentSize, (Vector2d{40, 100}));
}

TEST(FlexPlacementTest, UpwardRowsStartAtTheTopOfTheItemPlacedLast) {
  // The tallest item of the first row is its first; the next row hangs from the last one.
  const std::vector<Vector2d> sizes{{40, 30}, {40, 10}, {40, 20}};
  Placed leftRight = PlaceAll(L::LEFT_RIGHT_BOTTOM_TOP, {100, 200}, sizes);
  EXPECT_EQ(leftRight.positions, (std::vector<Vector2d>{{0, 170}, {40, 190}, {0, 170}}));
  EXPECT_EQ(leftRight.contentSize, (Vector2d{100, 200}));

  Placed rightLeft = PlaceAll(L::RIGHT_LEFT_BOTTOM_TOP, {100, 200}, sizes);
  EXPECT_EQ(rightLeft.positions, (std::vector<Vector2d>{{60, 170}, {20, 190}, {60, 170}}));
  EXPECT_EQ(rightLeft.contentSize, (Vector2d{100, 200}));
}

TEST(FlexPlacementTest, LeftwardColumnsStartAtTheLeftEdgeOfTheItemPlacedLast) {
  const std::vector<Vector2d> sizes{{30, 40}, {10, 40}, {20, 40}};
  Placed down = PlaceAll(L::TOP_BOTTOM_RIGHT_LEFT, {200, 100}, sizes);
  EXPECT_EQ(down.positions, (std::vector<Vector2d>{{170, 0}, {190, 40}, {170, 0}}));
  EXPECT_EQ(down.contentSize, (Vector2d{200, 100}));

  Placed up = PlaceAll(L::BOTTOM_TOP_RIGHT_LEFT, {200, 100}, sizes);
  EXPECT_EQ(up.positions, (std::vector<Vector2d>{{170, 60}, {190, 20}, {170, 60}}));
  EXPECT_EQ(up.contentSize, (Vector2d{200, 100}));
}

TEST(FlexPlacementTest, BreakTestsUseAtLeastTheEndTowardsTheEndAndBelowZeroTowardsTheStart) {
  // Two items filling the line exactly: the growing-towards-the-end orders break, the others not.
  const std::vector<Vector2d> rows{{60, 10}, {40, 10}};
  const std::vector<Vector2d> columns{{10, 60}, {10, 40}};
  EXPECT_EQ(PlaceAll(L::LEFT_RIGHT_TOP_BOTTOM, {100, 100}, rows).lines.size(), 2u);
  EXPECT_EQ(PlaceAll(L::LEFT_RIGHT_BOTTOM_TOP, {100, 100}, rows).lines.size(), 2u);
  EXPECT_EQ(PlaceAll(L::TOP_BOTTOM_LEFT_RIGHT, {100, 100}, columns).lines.size(), 2u);
  EXPECT_EQ(PlaceAll(L::TOP_BOTTOM_RIGHT_LEFT, {100, 100}, columns).lines.size(), 2u);
  EXPECT_EQ(PlaceAll(L::RIGHT_LEFT_TOP_BOTTOM, {100, 100}, rows).positions[1], (Vector2d{0, 0}));
  EXPECT_EQ(PlaceAll(L::RIGHT_LEFT_BOTTOM_TOP, {100, 100}, rows).positions[1], (Vector2d{0, 90}));
  EXPECT_EQ(PlaceAll(L::BOTTOM_TOP_LEFT_RIGHT, {100, 100}, columns).positions[1], (Vector2d{0, 0}));
  EXPECT_EQ(PlaceAll(L::BOTTOM_TOP_RIGHT_LEFT, {100, 100}, columns).positions[1], (Vector2d{90, 0}));
}

TEST(FlexPlacementTest, AnItemLargerThanTheLineStandsAloneAndOverflows) {
  Placed forward = PlaceAll(L::LEFT_RIGHT_TOP_BOTTOM, {100, 500}, {{30, 10}, {150, 20}, {30, 10}});
  EXPECT_EQ(forward.positions, (std::vector<Vector2d>{{0, 0}, {0, 10}, {0, 30}}));
  EXPECT_EQ(forward.lines.size(), 3u);

  // First on the line: no empty line before it.
  Placed first = PlaceAll(L::LEFT_RIGHT_TOP_BOTTOM, {100, 500}, {{150, 20}});
  EXPECT_EQ(first.positions[0], (Vector2d{0, 0}));
  EXPECT_EQ(first.lines.size(), 1u);

  Placed backward = PlaceAll(L::RIGHT_LEFT_TOP_BOTTOM, {100, 500}, {{150, 20}, {30, 10}});
  EXPECT_EQ(backward.positions, (std::vector<Vector2d>{{-50, 0}, {70, 20}}));

  Placed upward = PlaceAll(L::LEFT_RIGHT_BOTTOM_TOP, {100, 200}, {{150, 20}, {30, 10}});
  EXPECT_EQ(upward.positions, (std::vector<Vector2d>{{0, 180}, {0, 170}}));
}

TEST(FlexPlacementTest, EmptyItemsTakePartInTheBreakTestAndTheLargestValues) {
  // An empty item after an overflowing one stands past the line end and starts a new line.
  Placed afterOverflow = PlaceAll(L::LEFT_RIGHT_TOP_BOTTOM, {100, 500}, {{150, 10}, {0, 0}, {20, 10}});
  EXPECT_EQ(afterOverflow.positions, (std::vector<Vector2d>{{0, 0}, {0, 10}, {0, 10}}));
  EXPECT_EQ(afterOverflow.contentSize, (Vector2d{100, 20}));

  Placed between = PlaceAll(L::LEFT_RIGHT_TOP_BOTTOM, {100, 500}, {{50, 10}, {0, 0}, {50, 10}});
  EXPECT_EQ(between.positions, (std::vector<Vector2d>{{0, 0}, {50, 0}, {0, 10}}));

  // Only empty items: the largest end counts them at 0.
  Placed onlyEmpty = PlaceAll(L::TOP_BOTTOM_LEFT_RIGHT, {100, 50}, {{0, 0}, {0, 0}});
  EXPECT_EQ(onlyEmpty.contentSize, (Vector2d{0, 50}));
  // In an upward layout an empty item placed last keeps the edge for the next row.
  Placed upward = PlaceAll(L::LEFT_RIGHT_BOTTOM_TOP, {100, 200}, {{60, 30}, {0, 0}, {60, 10}});
  EXPECT_EQ(upward.positions, (std::vector<Vector2d>{{0, 170}, {60, 200}, {0, 190}}));
}

TEST(FlexPlacementTest, MirroringSwapsLeftAndRightAndIsItsOwnInverse) {
  EXPECT_EQ(MirrorFlexLayout(L::LEFT_RIGHT_TOP_BOTTOM), L::RIGHT_LEFT_TOP_BOTTOM);
  EXPECT_EQ(MirrorFlexLayout(L::TOP_BOTTOM_LEFT_RIGHT), L::TOP_BOTTOM_RIGHT_LEFT);
  EXPECT_EQ(MirrorFlexLayout(L::BOTTOM_TOP_LEFT_RIGHT), L::BOTTOM_TOP_RIGHT_LEFT);
  EXPECT_EQ(MirrorFlexLayout(L::LEFT_RIGHT_BOTTOM_TOP), L::RIGHT_LEFT_BOTTOM_TOP);
  for (L layout : kAllLayouts) EXPECT_EQ(MirrorFlexLayout(MirrorFlexLayout(layout)), layout);
  EXPECT_EQ(MirrorFlexLayout(static_cast<L>(42)), static_cast<L>(42));

  // Mirrored columns run from the right edge.
  const std::vector<Vector2d> sizes{{20, 60}, {20, 60}};
  Placed ltr = PlaceAll(L::TOP_BOTTOM_LEFT_RIGHT, {100, 100}, sizes);
  Placed rtl = PlaceAll(MirrorFlexLayout(L::TOP_BOTTOM_LEFT_RIGHT), {100, 100}, sizes);
  for (size_t i = 0; i < sizes.size(); ++i) {
    EXPECT_EQ(rtl.positions[i].x, 100 - ltr.positions[i].x - sizes[i].x);
    EXPECT_EQ(rtl.positions[i].y, ltr.positions[i].y);
  }
}

TEST(FlexPlacementTest, InheritanceFollowsTheFilledDirections) {
  const bool width[] = {true, true, false, false, true, true, true, true};
  const bool height[] = {false, false, true, true, true, true, true, true};
  for (size_t i = 0; i < std::size(kAllLayouts); ++i) {
    EXPECT_EQ(FlexInheritanceOf(kAllLayouts[i]).width, width[i]) << "layout " << i;
    EXPECT_EQ(FlexInheritanceOf(kAllLayouts[i]).height, height[i]) << "layout " << i;
  }
}

TEST(FlexPlacementTest, AnUnknownLayoutPlacesAsTheFirstAndLinesAreOptional) {
  const std::vector<Vector2d> sizes = Widths({49, 49, 49});
  Placed known = PlaceAll(L::LEFT_RIGHT_TOP_BOTTOM, {100, 500}, sizes);
  Placed unknown = PlaceAll(static_cast<L>(9), {100, 500}, sizes);
  EXPECT_EQ(unknown.positions, known.positions);
  EXPECT_EQ(unknown.contentSize, known.contentSize);

  std::vector<Vector2d> positions(sizes.size());
  const FlexPlacementResult withoutLines = PlaceFlexItems(L::LEFT_RIGHT_TOP_BOTTOM, {100, 500}, sizes, positions);
  EXPECT_EQ(positions, known.positions);
  EXPECT_EQ(withoutLines.lineCount, 0u);
}

// A small deterministic generator, so that every run checks the same layouts.
class Lcg {
 public:
  explicit Lcg(uint32_t seed) : state_(seed) {}
  Float Next(Float low, Float high) {
    state_ = state_ * 1664525u + 1013904223u;
    return low + (high - low) * static_cast<Float>(state_ >> 8) / static_cast<Float>(1u << 24);
  }

 private:
  uint32_t state_;
};

TEST(FlexPlacementTest, VisitingAnAreaFindsExactlyTheItemsTouchingItInOrder) {
  Lcg random(7);
  const Vector2d available{300, 200};
  for (L layout : kAllLayouts) {
    std::vector<Vector2d> sizes;
    for (int i = 0; i < 300; ++i) {
      // Some empty items and some wider than a line.
      const bool empty = i % 37 == 5;
      const bool huge = i % 53 == 11;
      sizes.push_back(empty  ? Vector2d{}
                      : huge ? Vector2d{random.Next(310, 400), random.Next(210, 300)}
                             : Vector2d{std::floor(random.Next(1, 60)), std::floor(random.Next(1, 40))});
    }
    Placed placed = PlaceAll(layout, available, sizes);
    for (int probe = 0; probe < 200; ++probe) {
      const Float x = std::floor(random.Next(-50, 350));
      const Float y = std::floor(random.Next(-50, 250));
      // Points (as hit tests ask) and rectangles (as drawing asks).
      const Rect area = probe % 2 == 0 ? Rect{x, y, x, y} : Rect{x, y, x + random.Next(0, 120), y + random.Next(0, 80)};
      std::vector<size_t> expected;
      for (size_t i = 0; i < sizes.size(); ++i) {
        const Vector2d p = placed.positions[i];
        if (p.x <= area.right && p.x + sizes[i].x >= area.left && p.y <= area.bottom && p.y + sizes[i].y >= area.top) {
          expected.push_back(i);
        }
      }
      std::vector<size_t> forward;
      EXPECT_TRUE(VisitFlexItemsIn(layout, placed.lines, placed.positions, sizes, area, false, [&](size_t i) {
        forward.push_back(i);
        return true;
      }));
      ASSERT_EQ(forward, expected) << "layout " << static_cast<int>(layout) << " probe " << probe;
      std::vector<size_t> backward;
      EXPECT_TRUE(VisitFlexItemsIn(layout, placed.lines, placed.positions, sizes, area, true, [&](size_t i) {
        backward.push_back(i);
        return true;
      }));
      ASSERT_EQ(backward, std::vector<size_t>(expected.rbegin(), expected.rend()));
    }
  }
}

TEST(FlexPlacementTest, VisitingStopsWhenTheVisitorSaysSo) {
  const std::vector<Vector2d> sizes = Widths({10, 10, 10, 10});
  Placed placed = PlaceAll(L::LEFT_RIGHT_TOP_BOTTOM, {100, 100}, sizes);
  int visits = 0;
  EXPECT_FALSE(VisitFlexItemsIn(L::LEFT_RIGHT_TOP_BOTTOM, placed.lines, placed.positions, sizes, Rect{0, 0, 100, 100},
                                false, [&](size_t) { return ++visits < 2; }));
  EXPECT_EQ(visits, 2);
  // Nothing placed, nothing visited.
  EXPECT_TRUE(VisitFlexItemsIn(L::LEFT_RIGHT_TOP_BOTTOM, {}, {}, {}, Rect{0, 0, 100, 100}, false,
                               [&](size_t) { return false; }));
}

}  // namespace
}  // namespace zarvo
