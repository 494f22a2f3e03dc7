#include "source/widgets_debug/RulerMath.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace zarvo {

namespace {
constexpr Float kMantissas[] = {1.0, 2.0, 5.0};
constexpr Int kMinorTicksOfTwo = 4;
constexpr Int kMinorTicks = 5;
constexpr Int kMaxLabelDecimals = 12;
// A value this close to a multiple of the step counts as on it.
constexpr Float kStepSlack = 1e-9;

bool IsPositiveFinite(Float value) { return value > 0.0 && std::isfinite(value); }
}  // namespace

Float ScalePixelOfValue(Float value, Float start, Float pixelsPerUnit) noexcept {
  return (value - start) * pixelsPerUnit;
}

Float ScaleValueAtPixel(Float pixel, Float start, Float pixelsPerUnit) noexcept {
  return pixelsPerUnit != 0.0 ? start + pixel / pixelsPerUnit : start;
}

Float NiceTickStep(Float pixelsPerUnit, Float minPixels) noexcept {
  if (!IsPositiveFinite(pixelsPerUnit)) return 1.0;
  if (!IsPositiveFinite(minPixels)) minPixels = 1.0;
  const Float wanted = minPixels / pixelsPerUnit;
  Float decade = std::pow(10.0, std::floor(std::log10(wanted)));
  // log10 rounds: start a decade low so that the search never skips the smallest fit.
  decade /= 10.0;
  for (;;) {
    for (Float mantissa : kMantissas) {
      const Float step = mantissa * decade;
      if (step * pixelsPerUnit >= minPixels * (1.0 - kStepSlack)) return step;
    }
    decade *= 10.0;
  }
}

Int MinorTicksPerStep(Float step) noexcept {
  if (!IsPositiveFinite(step)) return kMinorTicks;
  const Float mantissa = step / std::pow(10.0, std::floor(std::log10(step) + kStepSlack));
  return std::abs(mantissa - 2.0) < 1e-6 ? kMinorTicksOfTwo : kMinorTicks;
}

Int LabelDecimals(Float step) noexcept {
  if (!IsPositiveFinite(step)) return 0;
  const Float digits = -std::floor(std::log10(step) + kStepSlack);
  return static_cast<Int>(std::clamp(digits, 0.0, static_cast<Float>(kMaxLabelDecimals)));
}

String TickLabel(Float value, Float step) {
  const Int decimals = LabelDecimals(step);
  const Float half = 0.5 * std::pow(10.0, -static_cast<Float>(decimals));
  if (std::abs(value) < half) value = 0.0;
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.*f", static_cast<int>(decimals), value);
  return buffer;
}

namespace {
// 2^53: up to here every integer is a double, and adding one reaches the next.
constexpr Float kExactIntegerLimit = 9007199254740992.0;
}  // namespace

std::vector<ScaleTick> ScaleTicks(Float fromPixel, Float toPixel, Float start, Float pixelsPerUnit,
                                  Float majorStep) {
  std::vector<ScaleTick> ticks;
  if (!IsPositiveFinite(pixelsPerUnit) || !IsPositiveFinite(majorStep) || !std::isfinite(start) ||
      !(toPixel >= fromPixel) || !std::isfinite(fromPixel) || !std::isfinite(toPixel)) {
    return ticks;
  }
  const Int minors = MinorTicksPerStep(majorStep);
  const Float minorStep = majorStep / static_cast<Float>(minors);
  const Float fromValue = ScaleValueAtPixel(fromPixel, start, pixelsPerUnit);
  const Float toValue = ScaleValueAtPixel(toPixel, start, pixelsPerUnit);
  const Float first = std::ceil(fromValue / minorStep - kStepSlack);
  const Float last = std::floor(toValue / minorStep + kStepSlack);
  if (!(last - first < static_cast<Float>(kMaxScaleTicks))) return ticks;
  // Beyond the integers a double holds exactly, consecutive tick numbers are the same number:
  // at such a zoom there is no scale left to draw.
  if (!(std::abs(first) < kExactIntegerLimit && std::abs(last) < kExactIntegerLimit)) return ticks;
  for (Float n = first; n <= last; n += 1.0) {
    const Float value = n * minorStep;
    const Float inMajors = n / static_cast<Float>(minors);
    const bool major = std::abs(inMajors - std::round(inMajors)) < kStepSlack * 10.0;
    ticks.push_back({value, ScalePixelOfValue(value, start, pixelsPerUnit), major});
  }
  return ticks;
}

Float StartKeepingAnchor(Float anchorPixel, Float anchorValue, Float pixelsPerUnit) noexcept {
  return pixelsPerUnit != 0.0 ? anchorValue - anchorPixel / pixelsPerUnit : anchorValue;
}

Float ZoomedSpan(Float min, Float max, Float zoom) noexcept {
  const Float range = max - min;
  return zoom > 0.0 ? range / zoom : range;
}

Float ClampViewStart(Float start, Float min, Float max, Float zoom) noexcept {
  const Float last = max - ZoomedSpan(min, max, zoom);
  if (!(last > min)) return min;
  if (!(start == start)) return min;
  return std::clamp(start, min, last);
}

}  // namespace zarvo
