#include "source/widgets_time/TimelineMath.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace zarvo {

namespace {
// A thousandth of a frame absorbs the rounding of n / fps × fps.
constexpr Float kFrameSlack = 0.001;
// A scroll unit moves the time by this share of the range.
constexpr Float kScrollShare = 1.0 / 512.0;
// Labels keep this many label widths apart.
constexpr Float kLabelSpacing = 1.5;
constexpr Int kSecondsPerHour = 3600;
constexpr Int kSecondsPerMinute = 60;

// Beyond this many frames a frame number no longer fits an Int; times that far out are
// treated as this far.
constexpr Float kFrameLimit = 9.0e15;

Int TruncateFrames(Float frames) noexcept {
  if (!(frames == frames)) return 0;
  return static_cast<Int>(std::clamp(frames, -kFrameLimit, kFrameLimit));
}
}  // namespace

Int FrameOfTime(Float time, Float fps) noexcept {
  const Float frames = time * fps;
  return TruncateFrames(time >= 0.0 ? frames + kFrameSlack : frames - kFrameSlack);
}

Float SnapToFrame(Float time, Float fps) noexcept {
  if (fps == 0.0) return 0.0;
  return static_cast<Float>(FrameOfTime(time, fps)) / fps;
}

Float SnapInsideRange(Float time, Float min, Float max, Float fps) noexcept {
  const Float clamped = std::clamp(time, min, max);
  if (!(fps > 0.0)) return clamped;
  Float snapped = SnapToFrame(clamped, fps);
  if (snapped < min) snapped += 1.0 / fps;
  if (snapped > max) snapped -= 1.0 / fps;
  return snapped >= min && snapped <= max ? snapped : clamped;
}

Float TimeAtPointer(Float x, Float left, Float right, Float min, Float max) noexcept {
  Float width = right - left;
  if (width < 0.0) left = 0.0;
  if (!(width >= 1.0)) width = 1.0;
  const Float share = std::clamp((x - left) / width, 0.0, 1.0);
  return share * (max - min) + min;
}

Float PixelOfTime(Float time, Float min, Float max, Float width) noexcept {
  const Float range = max - min;
  return range > 0.0 ? (time - min) / range * width : 0.0;
}

Float CursorPixel(Float time, Float min, Float max, Float width) noexcept {
  return std::trunc(PixelOfTime(time, min, max, width));
}

Int LabelStepFrames(Float fps, Int rangeFrames, Float width, Float labelWidth) noexcept {
  Int step = std::max<Int>(1, static_cast<Int>(std::llround(fps)));
  if (rangeFrames <= 0 || !(width > 0.0)) return step;
  const Float wanted = kLabelSpacing * labelWidth;
  while (step < rangeFrames && static_cast<Float>(step) / static_cast<Float>(rangeFrames) * width < wanted) step *= 2;
  return step;
}

String FrameLabel(Int frame, Float fps) {
  const Int seconds = fps > 0.0 ? static_cast<Int>(static_cast<Float>(frame) / fps) : 0;
  char buffer[80];
  std::snprintf(buffer, sizeof buffer, "%02lld:%02lld:%02lld", static_cast<long long>(seconds / kSecondsPerHour),
                static_cast<long long>(seconds / kSecondsPerMinute), static_cast<long long>(seconds));
  return buffer;
}

Float KeyStepTime(Float time, Float fps, bool forward, bool wholeSeconds) noexcept {
  if (wholeSeconds) return std::ceil(time) + (forward ? 1.0 : -1.0);
  return time + (forward ? 1.0 : -1.0) / fps;
}

Float ScrollTime(Float time, Float scrollX, Float min, Float max) noexcept {
  return std::clamp(time - scrollX * kScrollShare * (max - min), min, max);
}

FrameSpan FramesInPixels(Float fromX, Float toX, Float min, Float max, Float width, Float fps, Int firstFrame,
                         Int lastFrame) noexcept {
  if (!(width > 0.0) || !(max > min) || !(fps > 0.0)) return {};
  const Float perPixel = (max - min) / width;
  if (!std::isfinite(perPixel)) return {};
  const Float fromFrames = (min + fromX * perPixel) * fps;
  const Float toFrames = (min + toX * perPixel) * fps;
  FrameSpan span;
  span.first = std::max(firstFrame, TruncateFrames(std::ceil(fromFrames - kFrameSlack)));
  span.last = std::min(lastFrame, TruncateFrames(std::floor(toFrames + kFrameSlack)));
  return span;
}

}  // namespace zarvo
