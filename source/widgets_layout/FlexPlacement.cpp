#include "source/widgets_layout/FlexPlacement.h"

#include <algorithm>
#include <cassert>
#include <cmath>

namespace zarvo {

namespace {

// A layout seen as a main axis (along a line) and a cross axis (from line to line). Transposed
// layouts run their lines along y; the backward flags say a direction runs towards 0.
struct FlexAxes {
  bool transposed = false;
  bool mainBackward = false;
  bool crossBackward = false;
};

constexpr FlexAxes AxesOf(FLEXBOX_LAYOUT layout) noexcept {
  switch (layout) {
    case FLEXBOX_LAYOUT::LEFT_RIGHT_TOP_BOTTOM: return {false, false, false};
    case FLEXBOX_LAYOUT::RIGHT_LEFT_TOP_BOTTOM: return {false, true, false};
    case FLEXBOX_LAYOUT::TOP_BOTTOM_LEFT_RIGHT: return {true, false, false};
    case FLEXBOX_LAYOUT::BOTTOM_TOP_LEFT_RIGHT: return {true, true, false};
    case FLEXBOX_LAYOUT::LEFT_RIGHT_BOTTOM_TOP: return {false, false, true};
    case FLEXBOX_LAYOUT::RIGHT_LEFT_BOTTOM_TOP: return {false, true, true};
    case FLEXBOX_LAYOUT::TOP_BOTTOM_RIGHT_LEFT: return {true, false, true};
    case FLEXBOX_LAYOUT::BOTTOM_TOP_RIGHT_LEFT: return {true, true, true};
  }
  return {};
}

// One kernel per axis combination keeps the loop free of layout branches. The arithmetic is
// written exactly as the fill orders state it (tests compare positions for equality):
// - forward main: break when main + size >= length, place, then advance;
// - backward main: break when main - size < 0, step back, then place;
// - forward cross: a line starts where the previous one plus its largest item ends;
// - backward cross: items hang from the line's edge, and the next line's edge is the near
//   edge of the item placed last, not of the line's largest item.
template <bool kTransposed, bool kMainBackward, bool kCrossBackward>
Float PlaceKernel(Float mainLength, Float crossLength, std::span<const Vector2d> sizes,
                  std::span<Vector2d> positions, std::span<FlexLine> lines, size_t& lineCount) {
  const bool recordLines = !lines.empty();
  const size_t count = sizes.size();
  const Float mainStart = kMainBackward ? mainLength : 0.0;
  Float main = mainStart;
  // Forward cross: where the current line starts. Backward cross: the edge its items hang from.
  Float cross = kCrossBackward ? crossLength : 0.0;
  Float lineExtent = 0.0;  // the largest cross size in the current line (forward cross)
  Float lastCross = cross;  // cross position of the item placed last (backward cross)
  Float lineFar = kCrossBackward ? HUGE_VAL : -HUGE_VAL;  // the line's extent away from `cross`
  Float reach = lineFar;
  Float largestCrossEnd = 0.0;
  size_t lineFirst = 0;
  lineCount = 0;

  auto closeLine = [&](size_t end) {
    if (end == lineFirst) return;
    FlexLine& line = lines[lineCount++];
    line.first = static_cast<uint32_t>(lineFirst);
    line.end = static_cast<uint32_t>(end);
    if constexpr (kCrossBackward) {
      line.crossMin = lineFar;
      line.crossMax = cross;
      reach = std::min(reach, lineFar);
    } else {
      line.crossMin = cross;
      line.crossMax = lineFar;
      reach = std::max(reach, lineFar);
    }
    line.reach = reach;
    lineFirst = end;
    lineFar = kCrossBackward ? HUGE_VAL : -HUGE_VAL;
  };

  for (size_t i = 0; i < count; ++i) {
    const Float mainSize = kTransposed ? sizes[i].y : sizes[i].x;
    const Float crossSize = kTransposed ? sizes[i].x : sizes[i].y;
    bool breaks;
    if constexpr (kMainBackward) {
      breaks = main - mainSize < 0.0;
    } else {
      breaks = main + mainSize >= mainLength;
    }
    if (breaks) {
      if (recordLines) closeLine(i);
      if constexpr (kCrossBackward) {
        if (i > 0) cross = lastCross;
      } else {
        cross = cross + lineExtent;
        lineExtent = 0.0;
      }
      main = mainStart;
    }
    if constexpr (kMainBackward) main = main - mainSize;
    const Float itemCross = kCrossBackward ? cross - crossSize : cross;
    positions[i] = kTransposed ? Vector2d{itemCross, main} : Vector2d{main, itemCross};
    if constexpr (!kMainBackward) main = main + mainSize;
    const Float crossEnd = itemCross + crossSize;
    largestCrossEnd = std::max(largestCrossEnd, crossEnd);
    if constexpr (kCrossBackward) {
      lastCross = itemCross;
      lineFar = std::min(lineFar, itemCross);
    } else {
      lineExtent = std::max(lineExtent, crossSize);
      lineFar = std::max(lineFar, crossEnd);
    }
  }
  if (recordLines) closeLine(count);
  return largestCrossEnd;
}

template <bool kTransposed, bool kMainBackward, bool kCrossBackward>
Float Place(Vector2d available, std::span<const Vector2d> sizes, std::span<Vector2d> positions,
            std::span<FlexLine> lines, size_t& lineCount) {
  const Float mainLength = kTransposed ? available.y : available.x;
  const Float crossLength = kTransposed ? available.x : available.y;
  return PlaceKernel<kTransposed, kMainBackward, kCrossBackward>(mainLength, crossLength, sizes, positions, lines,
                                                                 lineCount);
}

// The first index in [begin, end) for which `before` is false; `before` must hold for a prefix.
template <class Pred>
size_t FirstNotBefore(size_t begin, size_t end, Pred before) {
  while (begin < end) {
    const size_t middle = begin + (end - begin) / 2;
    if (before(middle)) {
      begin = middle + 1;
    } else {
      end = middle;
    }
  }
  return begin;
}

}  // namespace

FLEXBOX_LAYOUT MirrorFlexLayout(FLEXBOX_LAYOUT layout) noexcept {
  switch (layout) {
    case FLEXBOX_LAYOUT::LEFT_RIGHT_TOP_BOTTOM: return FLEXBOX_LAYOUT::RIGHT_LEFT_TOP_BOTTOM;
    case FLEXBOX_LAYOUT::RIGHT_LEFT_TOP_BOTTOM: return FLEXBOX_LAYOUT::LEFT_RIGHT_TOP_BOTTOM;
    case FLEXBOX_LAYOUT::TOP_BOTTOM_LEFT_RIGHT: return FLEXBOX_LAYOUT::TOP_BOTTOM_RIGHT_LEFT;
    case FLEXBOX_LAYOUT::TOP_BOTTOM_RIGHT_LEFT: return FLEXBOX_LAYOUT::TOP_BOTTOM_LEFT_RIGHT;
    case FLEXBOX_LAYOUT::BOTTOM_TOP_LEFT_RIGHT: return FLEXBOX_LAYOUT::BOTTOM_TOP_RIGHT_LEFT;
    case FLEXBOX_LAYOUT::BOTTOM_TOP_RIGHT_LEFT: return FLEXBOX_LAYOUT::BOTTOM_TOP_LEFT_RIGHT;
    case FLEXBOX_LAYOUT::LEFT_RIGHT_BOTTOM_TOP: return FLEXBOX_LAYOUT::RIGHT_LEFT_BOTTOM_TOP;
    case FLEXBOX_LAYOUT::RIGHT_LEFT_BOTTOM_TOP: return FLEXBOX_LAYOUT::LEFT_RIGHT_BOTTOM_TOP;
  }
  return layout;
}

FlexInheritance FlexInheritanceOf(FLEXBOX_LAYOUT layout) noexcept {
  switch (layout) {
    case FLEXBOX_LAYOUT::TOP_BOTTOM_LEFT_RIGHT:
    case FLEXBOX_LAYOUT::BOTTOM_TOP_LEFT_RIGHT:
      return {false, true};
    case FLEXBOX_LAYOUT::LEFT_RIGHT_BOTTOM_TOP:
    case FLEXBOX_LAYOUT::RIGHT_LEFT_BOTTOM_TOP:
    case FLEXBOX_LAYOUT::TOP_BOTTOM_RIGHT_LEFT:
    case FLEXBOX_LAYOUT::BOTTOM_TOP_RIGHT_LEFT:
      return {true, true};
    default:
      return {true, false};
  }
}

FlexPlacementResult PlaceFlexItems(FLEXBOX_LAYOUT layout, Vector2d available, std::span<const Vector2d> sizes,
                                   std::span<Vector2d> positions, std::span<FlexLine> lines) {
  assert(positions.size() == sizes.size());
  assert(lines.empty() || lines.size() >= sizes.size());
  FlexPlacementResult result;
  size_t& lineCount = result.lineCount;
  const Float width = available.x;
  const Float height = available.y;
  switch (layout) {
    case FLEXBOX_LAYOUT::RIGHT_LEFT_TOP_BOTTOM:
      result.contentSize = {width, Place<false, true, false>(available, sizes, positions, lines, lineCount)};
      break;
    case FLEXBOX_LAYOUT::TOP_BOTTOM_LEFT_RIGHT:
      result.contentSize = {Place<true, false, false>(available, sizes, positions, lines, lineCount), height};
      break;
    case FLEXBOX_LAYOUT::BOTTOM_TOP_LEFT_RIGHT:
      result.contentSize = {Place<true, true, false>(available, sizes, positions, lines, lineCount), height};
      break;
    case FLEXBOX_LAYOUT::LEFT_RIGHT_BOTTOM_TOP:
      (void)Place<false, false, true>(available, sizes, positions, lines, lineCount);
      result.contentSize = {width, height};
      break;
    case FLEXBOX_LAYOUT::RIGHT_LEFT_BOTTOM_TOP:
      (void)Place<false, true, true>(available, sizes, positions, lines, lineCount);
      result.contentSize = {width, height};
      break;
    case FLEXBOX_LAYOUT::TOP_BOTTOM_RIGHT_LEFT:
      result.contentSize = {Place<true, false, true>(available, sizes, positions, lines, lineCount), height};
      break;
    case FLEXBOX_LAYOUT::BOTTOM_TOP_RIGHT_LEFT:
      result.contentSize = {Place<true, true, true>(available, sizes, positions, lines, lineCount), height};
      break;
    default:
      result.contentSize = {width, Place<false, false, false>(available, sizes, positions, lines, lineCount)};
      break;
  }
  return result;
}

bool VisitFlexItemsIn(FLEXBOX_LAYOUT layout, std::span<const FlexLine> lines, std::span<const Vector2d> positions,
                      std::span<const Vector2d> sizes, const Rect& area, bool reverse,
                      FunctionRef<bool(size_t)> visit) {
  assert(positions.size() == sizes.size());
  const FlexAxes axes = AxesOf(layout);
  const Float mainLow = axes.transposed ? area.top : area.left;
  const Float mainHigh = axes.transposed ? area.bottom : area.right;
  const Float crossLow = axes.transposed ? area.left : area.top;
  const Float crossHigh = axes.transposed ? area.right : area.bottom;
  auto mainOf = [&](size_t i) { return axes.transposed ? positions[i].y : positions[i].x; };
  auto mainSizeOf = [&](size_t i) { return axes.transposed ? sizes[i].y : sizes[i].x; };

  // Lines that can touch the cross range: after those whose reach falls short of it, before
  // those that start beyond it.
  size_t lineBegin;
  size_t lineEnd;
  if (axes.crossBackward) {
    lineBegin = FirstNotBefore(0, lines.size(), [&](size_t k) { return lines[k].reach > crossHigh; });
    lineEnd = FirstNotBefore(lineBegin, lines.size(), [&](size_t k) { return lines[k].crossMax >= crossLow; });
  } else {
    lineBegin = FirstNotBefore(0, lines.size(), [&](size_t k) { return lines[k].reach < crossLow; });
    lineEnd = FirstNotBefore(lineBegin, lines.size(), [&](size_t k) { return lines[k].crossMin <= crossHigh; });
  }

  auto visitLine = [&](const FlexLine& line) {
    if (line.crossMin > crossHigh || line.crossMax < crossLow) return true;
    // Inside a line the items follow each other without overlapping, ascending or descending.
    size_t first;
    size_t end;
    if (axes.mainBackward) {
      first = FirstNotBefore(line.first, line.end, [&](size_t i) { return mainOf(i) > mainHigh; });
      end = FirstNotBefore(first, line.end, [&](size_t i) { return mainOf(i) + mainSizeOf(i) >= mainLow; });
    } else {
      first = FirstNotBefore(line.first, line.end, [&](size_t i) { return mainOf(i) + mainSizeOf(i) < mainLow; });
      end = FirstNotBefore(first, line.end, [&](size_t i) { return mainOf(i) <= mainHigh; });
    }
    auto touches = [&](size_t i) {
      const Vector2d p = positions[i];
      const Vector2d s = sizes[i];
      return p.x <= area.right && p.x + s.x >= area.left && p.y <= area.bottom && p.y + s.y >= area.top;
    };
    if (reverse) {
      for (size_t i = end; i > first; --i) {
        if (touches(i - 1) && !visit(i - 1)) return false;
      }
    } else {
      for (size_t i = first; i < end; ++i) {
        if (touches(i) && !visit(i)) return false;
      }
    }
    return true;
  };

  if (reverse) {
    for (size_t k = lineEnd; k > lineBegin; --k) {
      if (!visitLine(lines[k - 1])) return false;
    }
  } else {
    for (size_t k = lineBegin; k < lineEnd; ++k) {
      if (!visitLine(lines[k])) return false;
    }
  }
  return true;
}

}  // namespace zarvo
