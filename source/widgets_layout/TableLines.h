#pragma once
#include <cstddef>
#include <cstdint>
#include <span>

#include "host/core/Types.h"

namespace zarvo {

// The sizing of a table's columns or rows, apart from any widget: each line collects the
// cells that lie on it, then the lines share the room the table has.

// How one cell asks its line to take part in stretching (the values of the cell's stretch
// modes): kFixed makes the line fixed for good, kPreferred lends the line a weight, kMaximum a
// weight of at least 1.
enum class LineStretch : int32_t { kFixed = 1, kPreferred = 2, kMaximum = 3 };

enum class LineKind : uint8_t { kFixed = 1, kStretchable = 2 };

struct TableLine {
  Float size = 0.0;
  Float weight = 0.0;
  Float minimum = 0.0;
  Float maximum = 0.0;
  LineKind kind = LineKind::kStretchable;
  bool hasMinimum = false;
  bool hasMaximum = false;

  void Reset() { *this = TableLine(); }
  // The size raised to the minimum, then lowered to the maximum (the maximum wins a conflict).
  Float ClampedSize() const {
    Float s = size;
    if (hasMinimum && minimum > s) s = minimum;
    if (hasMaximum && maximum < s) s = maximum;
    return s;
  }
};

// What one counted cell tells the line it lies on.
struct LineSample {
  Float size = 0.0;           // the cell's extent along the line's direction
  bool hasMinimum = false;    // the cell's size mode holds a minimum (MIN, MIN_MAX)
  Float minimum = 0.0;
  bool hasMaximum = false;    // the cell's size mode holds a maximum (MAX, MIN_MAX)
  Float maximum = 0.0;
  LineStretch stretch = LineStretch::kFixed;
  Float preferred = 0.0;      // the cell's preferred size, its weight for kPreferred
};

// Folds one cell into its line: the largest size, the largest minimum, the smallest maximum,
// and the stretch rule. Independent of the order of the cells.
void AddLineSample(TableLine& line, const LineSample& sample);

Float SumClampedSizes(std::span<const TableLine> lines);

// The final sizes of the lines in `available` room. Lines are squeezed (room below the sum of
// their clamped sizes, `squeeze` set) or enlarged (room above it, `enlarge` set) by giving the
// stretchable lines the room left by the fixed ones in proportion to their weights, without
// clamping; fixed lines keep their clamped size. Without weights, without room left, or
// otherwise, every line keeps its clamped size. Weights too large to sum share the room among
// the largest of them rather than overflowing. `sizes` has one entry per line.
void DistributeLines(std::span<const TableLine> lines, Float available, bool squeeze, bool enlarge,
                     std::span<Float> sizes);

// Running offsets of lines laid end to end: offsets[0] = 0, offsets[i + 1] = offsets[i] +
// sizes[i]. `offsets` has one entry more than `sizes`.
void ComputeLineOffsets(std::span<const Float> sizes, std::span<Float> offsets);

// The lines [first, last] whose closed extent [offsets[i], offsets[i + 1]] meets the closed
// interval [low, high]; empty (first > last) when none does. `offsets` must not decrease. A
// binary search: a hit test in a large table looks at a handful of lines, not all of them.
struct LineRange {
  size_t first = 1;
  size_t last = 0;
  bool IsEmpty() const { return first > last; }
};
LineRange FindLinesIn(std::span<const Float> offsets, Float low, Float high);

}  // namespace zarvo
