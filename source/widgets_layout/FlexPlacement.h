#pragma once
#include <cstddef>
#include <cstdint>
#include <span>

#include "host/core/FunctionRef.h"
#include "host/core/Geometry.h"
#include "host/core/Types.h"
#include "source/interfaces/FlexBoxWidgetInterface.h"

namespace zarvo {

// Flexbox placement as plain arithmetic over item sizes, so that it can be tested and measured
// without widgets. Coordinates are pixels with the origin at the flexbox's top-left corner.

// The layout used in right-to-left mode: each fill order mirrored left to right.
FLEXBOX_LAYOUT MirrorFlexLayout(FLEXBOX_LAYOUT layout) noexcept;

// Whether a layout takes its parent's width and height (the directions it fills).
struct FlexInheritance {
  bool width = false;
  bool height = false;
};
FlexInheritance FlexInheritanceOf(FLEXBOX_LAYOUT layout) noexcept;

// One row (layouts 0, 1, 4, 5) or column (2, 3, 6, 7) of a placement: its items and the extent
// they cover across the lines. Lines are recorded in placement order and only when they hold an
// item, so that culling can binary-search them.
struct FlexLine {
  uint32_t first = 0;  // index of the line's first item
  uint32_t end = 0;    // one past its last item
  Float crossMin = 0.0;
  Float crossMax = 0.0;
  // Where lines advance to larger coordinates (layouts 0 to 3) the largest crossMax of this and
  // every earlier line, otherwise the smallest crossMin: monotonic even where lines overlap.
  Float reach = 0.0;
};

struct FlexPlacementResult {
  // The size the flexbox gives itself.
  Vector2d contentSize;
  // How many entries of `lines` were written.
  size_t lineCount = 0;
};

// Places items of the given sizes (non-negative) one after another in the fill order of
// `layout` inside `available` and writes each item's top-left corner to `positions` (as many as
// sizes). `lines` is either empty (no line records) or holds at least one entry per item. An
// unknown layout value places as LEFT_RIGHT_TOP_BOTTOM. Allocates nothing.
FlexPlacementResult PlaceFlexItems(FLEXBOX_LAYOUT layout, Vector2d available, std::span<const Vector2d> sizes,
                                   std::span<Vector2d> positions, std::span<FlexLine> lines = {});

// Calls `visit` with the index of every item of a placement whose frame touches `area` (edges
// inclusive, as hit tests want), in item order or, with `reverse`, the other way round, by
// binary search over the lines and inside each line. `visit` returns false to stop; so does the
// function then.
bool VisitFlexItemsIn(FLEXBOX_LAYOUT layout, std::span<const FlexLine> lines, std::span<const Vector2d> positions,
                      std::span<const Vector2d> sizes, const Rect& area, bool reverse,
                      FunctionRef<bool(size_t)> visit);

}  // namespace zarvo
