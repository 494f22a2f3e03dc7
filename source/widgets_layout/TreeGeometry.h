#pragma once
#include <vector>

#include "host/core/Geometry.h"
#include "host/core/Types.h"
#include "host/ui/UiTypes.h"

namespace zarvo {

// One indentation step of a tree: the width of a level and of the fold triangle's cell.
inline constexpr CanvasUnitValue kTreeLevelIndent = CanvasUnitValue::Fon(12.0);
// Where an item's stub ends, in steps past its own line's step: short of the fold triangle, or
// in the middle of the (empty) triangle cell of a leaf.
inline constexpr Float kTreeStubToTriangle = 0.15;
inline constexpr Float kTreeStubToLeaf = 0.5;

// The connection marks of one row of a tree, in the tree column's coordinates with the row's
// top at 0: vertical lines that run through the row for ancestors with siblings still to
// come, and the item's own joint (down from the top to the middle, on to the bottom when a
// sibling follows) with its stub towards the fold triangle.
struct TreeRowMarks {
  enum class Kind { kStraight = 0, kLevel = 1, kStraightAndLevel = 2 };
  struct Mark {
    Kind kind;
    Float x;  // the line's centre
  };
  std::vector<Mark> marks;
  Float stubEnd = 0.0;  // where the item's stub ends (towards its triangle)
};

// `steps`: the row's level plus the top level's extra step; `continues(k)`: whether the
// line of step k (1-based, the item's own being `steps`) runs on below this row. Mirrored
// rows count steps from the right edge `width`.
struct TreeMarkInput {
  Int steps = 0;
  Float indent = 0.0;
  bool mirrored = false;
  Float width = 0.0;
  bool hasChildren = false;  // the stub stops at the triangle; a leaf's runs to its middle
};
template <class Continues>
TreeRowMarks ComputeTreeRowMarks(const TreeMarkInput& input, Continues continues) {
  TreeRowMarks result;
  const auto place = [&](Float x) { return input.mirrored ? input.width - x : x; };
  for (Int k = 1; k < input.steps; ++k) {
    if (continues(k)) result.marks.push_back({TreeRowMarks::Kind::kStraight, place((static_cast<Float>(k) - 0.5) * input.indent)});
  }
  if (input.steps >= 1) {
    const Float x = (static_cast<Float>(input.steps) - 0.5) * input.indent;
    result.marks.push_back({continues(input.steps) ? TreeRowMarks::Kind::kStraightAndLevel : TreeRowMarks::Kind::kLevel, place(x)});
    const Float reach = input.hasChildren ? kTreeStubToTriangle : kTreeStubToLeaf;
    result.stubEnd = place((static_cast<Float>(input.steps) + reach) * input.indent);
  }
  return result;
}

// The shown rows that meet [top, bottom) of a list of `count` rows of `rowHeight` starting at
// `origin`; first > last when none.
struct ShownRange {
  Int first = 0;
  Int last = -1;
  bool IsEmpty() const { return last < first; }
};
ShownRange ShownRowsIn(Float top, Float bottom, Float origin, Float rowHeight, Int count);

}  // namespace zarvo
