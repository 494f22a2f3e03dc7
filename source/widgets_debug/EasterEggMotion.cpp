#include "source/widgets_debug/EasterEggMotion.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace zarvo {

namespace {
constexpr Float kHopsPerSecond = 1.5;
constexpr Float kLeansPerSecond = 3.0;
constexpr Float kMaxLean = 0.35;
constexpr Float kHueTurns = 2.0;
// The egg is broadest this far up from its lowest point, as a share of its height.
constexpr Float kBroadestShare = 0.4;
// How far the Béziers' handles reach, as a share of the half width or the height: 0.55 draws a
// near circle from four quarters.
constexpr Float kHandleShare = 0.55;
}  // namespace

Vector2d TurnAbout(Vector2d point, Vector2d about, Float angle) noexcept {
  const Float c = std::cos(angle);
  const Float s = std::sin(angle);
  const Vector2d d{point.x - about.x, point.y - about.y};
  return {about.x + d.x * c - d.y * s, about.y + d.x * s + d.y * c};
}

Float EasterEggEnvelope(Float seconds) noexcept {
  if (!(seconds >= 0.0 && seconds < kEasterEggShowSeconds)) return 0.0;
  return 1.0 - seconds / kEasterEggShowSeconds;
}

Float EasterEggHop(Float seconds) noexcept {
  return EasterEggEnvelope(seconds) * std::abs(std::sin(std::numbers::pi * kHopsPerSecond * seconds));
}

Float EasterEggLean(Float seconds) noexcept {
  return EasterEggEnvelope(seconds) * kMaxLean * std::sin(2.0 * std::numbers::pi * kLeansPerSecond * seconds);
}

Float EasterEggHue(Float seconds) noexcept {
  if (EasterEggEnvelope(seconds) == 0.0) return 0.0;
  const Float turns = kHueTurns * seconds / kEasterEggShowSeconds;
  return turns - std::floor(turns);
}

Path EggOutline(Vector2d bottom, Float width, Float height, Float lean) {
  const Float half = 0.5 * width;
  const Float broadY = bottom.y - kBroadestShare * height;
  const Float topY = bottom.y - height;
  const Float lowHandle = kHandleShare * kBroadestShare * height;
  const Float highHandle = kHandleShare * (1.0 - kBroadestShare) * height;
  const Float sideHandle = kHandleShare * half;
  auto at = [&](Float x, Float y) { return TurnAbout({bottom.x + x, y}, bottom, lean); };
  Path path;
  path.MoveTo(at(0.0, bottom.y))
      .CubicTo(at(sideHandle, bottom.y), at(half, broadY + lowHandle), at(half, broadY))
      .CubicTo(at(half, broadY - highHandle), at(sideHandle, topY), at(0.0, topY))
      .CubicTo(at(-sideHandle, topY), at(-half, broadY - highHandle), at(-half, broadY))
      .CubicTo(at(-half, broadY + lowHandle), at(-sideHandle, bottom.y), at(0.0, bottom.y))
      .Close();
  return path;
}

}  // namespace zarvo
