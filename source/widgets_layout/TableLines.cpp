#include "source/widgets_layout/TableLines.h"

#include <algorithm>
#include <cassert>
#include <cmath>

namespace zarvo {

void AddLineSample(TableLine& line, const LineSample& sample) {
  line.size = std::max(line.size, sample.size);
  if (sample.hasMinimum) {
    line.minimum = line.hasMinimum ? std::max(line.minimum, sample.minimum) : sample.minimum;
    line.hasMinimum = true;
  }
  if (sample.hasMaximum) {
    line.maximum = line.hasMaximum ? std::min(line.maximum, sample.maximum) : sample.maximum;
    line.hasMaximum = true;
  }
  switch (sample.stretch) {
    case LineStretch::kFixed:
      line.kind = LineKind::kFixed;
      line.weight = 0.0;
      break;
    case LineStretch::kPreferred:
      if (line.kind == LineKind::kStretchable && sample.preferred > line.weight) line.weight = sample.preferred;
      break;
    case LineStretch::kMaximum:
      if (line.kind == LineKind::kStretchable && line.weight < 1.0) line.weight = 1.0;
      break;
  }
}

Float SumClampedSizes(std::span<const TableLine> lines) {
  Float sum = 0.0;
  for (const TableLine& line : lines) sum += line.ClampedSize();
  return sum;
}

void DistributeLines(std::span<const TableLine> lines, Float available, bool squeeze, bool enlarge,
                     std::span<Float> sizes) {
  assert(sizes.size() == lines.size());
  const Float sum = SumClampedSizes(lines);
  const bool stretch = (squeeze && available < sum) || (enlarge && sum < available);
  Float weights = 0.0;
  Float fixed = 0.0;
  Float largestWeight = 0.0;
  if (stretch) {
    for (const TableLine& line : lines) {
      if (line.kind == LineKind::kStretchable) {
        weights += line.weight;
        largestWeight = std::max(largestWeight, line.weight);
      } else {
        fixed += line.ClampedSize();
      }
    }
  }
  const Float room = available - fixed;
  if (!stretch || !(weights > 0.0) || !(room > 0.0)) {
    for (size_t i = 0; i < lines.size(); ++i) sizes[i] = lines[i].ClampedSize();
    return;
  }
  const bool overflowed = !std::isfinite(weights);
  // Scaled by the largest weight the shares are the same, and their sum stays finite; an
  // infinite weight takes the room alone (shared with other infinite ones).
  Float scaledWeights = 0.0;
  if (overflowed) {
    for (const TableLine& line : lines) {
      if (line.kind != LineKind::kStretchable) continue;
      scaledWeights += std::isinf(largestWeight) ? (std::isinf(line.weight) ? 1.0 : 0.0) : line.weight / largestWeight;
    }
  }
  for (size_t i = 0; i < lines.size(); ++i) {
    const TableLine& line = lines[i];
    if (line.kind != LineKind::kStretchable) {
      sizes[i] = line.ClampedSize();
    } else if (!overflowed) {
      const Float share = room * line.weight / weights;
      sizes[i] = std::isfinite(share) ? share : room * (line.weight / weights);
    } else {
      const Float scaled = std::isinf(largestWeight) ? (std::isinf(line.weight) ? 1.0 : 0.0)
                                                     : line.weight / largestWeight;
      sizes[i] = room * (scaled / scaledWeights);
    }
  }
}

void ComputeLineOffsets(std::span<const Float> sizes, std::span<Float> offsets) {
  assert(offsets.size() == sizes.size() + 1);
  Float at = 0.0;
  offsets[0] = 0.0;
  for (size_t i = 0; i < sizes.size(); ++i) {
    at += sizes[i];
    offsets[i + 1] = at;
  }
}

LineRange FindLinesIn(std::span<const Float> offsets, Float low, Float high) {
  if (offsets.size() < 2 || !(low <= high)) return {};
  const size_t count = offsets.size() - 1;
  // First line whose end reaches low: the first i with offsets[i + 1] >= low.
  const auto ends = offsets.subspan(1);
  const size_t first = static_cast<size_t>(std::lower_bound(ends.begin(), ends.end(), low) - ends.begin());
  // Last line whose start lies at or before high: one before the first i with offsets[i] > high.
  const auto starts = offsets.first(count);
  const size_t afterLast = static_cast<size_t>(std::upper_bound(starts.begin(), starts.end(), high) - starts.begin());
  if (first >= count || afterLast == 0) return {};
  return {first, afterLast - 1};
}

}  // namespace zarvo
