#pragma once
#include <span>
#include <vector>

#include "host/core/Types.h"
#include "source/interfaces/FCurveKey.h"

namespace zarvo {

// The curve through keys in time order, apart from any widget: a cubic Hermite spline whose
// slope at an inner key is the secant of its neighbours (Catmull-Rom over uneven times) and at
// the ends that of the end segment. Before the first key and after the last the curve holds
// the end value. Keys of equal time make a step.

// One slope per key; a single key has slope 0.
std::vector<Float> FCurveSlopes(std::span<const FCurveKey> keys);
// The curve's value at `time`, with the slopes FCurveSlopes gave; 0 without keys.
Float EvaluateFCurve(std::span<const FCurveKey> keys, std::span<const Float> slopes, Float time);

// The segment from key i to key i + 1 as a cubic Bézier in (time, value): its two control
// points. The time runs linearly along it, so the Bézier is the Hermite piece exactly.
struct FCurveControls {
  FCurveKey first;
  FCurveKey second;
};
FCurveControls FCurveSegmentControls(std::span<const FCurveKey> keys, std::span<const Float> slopes, size_t i);

// `time` held between the times of key i's neighbours, so that moving key i keeps the order.
Float ClampKeyTime(std::span<const FCurveKey> keys, size_t i, Float time);
// Where a new key at `time` goes to keep the order: after the keys of equal time.
size_t KeyInsertIndex(std::span<const FCurveKey> keys, Float time);

}  // namespace zarvo
