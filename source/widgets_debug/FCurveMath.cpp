#include "source/widgets_debug/FCurveMath.h"

#include <algorithm>
#include <cassert>

namespace zarvo {

namespace {
Float Secant(const FCurveKey& a, const FCurveKey& b) {
  const Float dt = b.time - a.time;
  return dt > 0.0 ? (b.value - a.value) / dt : 0.0;
}
}  // namespace

std::vector<Float> FCurveSlopes(std::span<const FCurveKey> keys) {
  const size_t n = keys.size();
  std::vector<Float> slopes(n, 0.0);
  if (n < 2) return slopes;
  slopes.front() = Secant(keys[0], keys[1]);
  slopes.back() = Secant(keys[n - 2], keys[n - 1]);
  for (size_t i = 1; i + 1 < n; ++i) slopes[i] = Secant(keys[i - 1], keys[i + 1]);
  return slopes;
}

Float EvaluateFCurve(std::span<const FCurveKey> keys, std::span<const Float> slopes, Float time) {
  assert(slopes.size() == keys.size());
  if (keys.empty()) return 0.0;
  if (time <= keys.front().time) return keys.front().value;
  if (time >= keys.back().time) return keys.back().value;
  // The segment whose end is the first key after `time`.
  const size_t end = KeyInsertIndex(keys, time);
  const FCurveKey& a = keys[end - 1];
  const FCurveKey& b = keys[end];
  const Float h = b.time - a.time;
  if (!(h > 0.0)) return b.value;
  const Float s = (time - a.time) / h;
  const Float s2 = s * s;
  const Float s3 = s2 * s;
  return (2 * s3 - 3 * s2 + 1) * a.value + (s3 - 2 * s2 + s) * h * slopes[end - 1] + (-2 * s3 + 3 * s2) * b.value +
         (s3 - s2) * h * slopes[end];
}

FCurveControls FCurveSegmentControls(std::span<const FCurveKey> keys, std::span<const Float> slopes, size_t i) {
  assert(i + 1 < keys.size() && slopes.size() == keys.size());
  const FCurveKey& a = keys[i];
  const FCurveKey& b = keys[i + 1];
  const Float third = (b.time - a.time) / 3.0;
  return {{a.time + third, a.value + slopes[i] * third}, {b.time - third, b.value - slopes[i + 1] * third}};
}

Float ClampKeyTime(std::span<const FCurveKey> keys, size_t i, Float time) {
  assert(i < keys.size());
  if (i > 0) time = std::max(time, keys[i - 1].time);
  if (i + 1 < keys.size()) time = std::min(time, keys[i + 1].time);
  return time;
}

size_t KeyInsertIndex(std::span<const FCurveKey> keys, Float time) {
  const auto it = std::upper_bound(keys.begin(), keys.end(), time,
                                   [](Float t, const FCurveKey& key) { return t < key.time; });
  return static_cast<size_t>(it - keys.begin());
}

}  // namespace zarvo
