#pragma once
#include "host/core/Geometry.h"
#include "host/core/Types.h"

namespace zarvo {

// The easter egg's show, apart from the widget: given the seconds since it began, how far the
// egg has hopped, how it leans and which colour it has. The show lasts kEasterEggShowSeconds and
// fades out toward its end, so that the egg comes to rest upright where it started.
inline constexpr Float kEasterEggShowSeconds = 4.0;

// 1 at the start, falling linearly to 0 at the end of the show; 0 outside it.
Float EasterEggEnvelope(Float seconds) noexcept;
// The hop as a share of the room above the egg: 0 on the ground, 1 at the highest hop.
Float EasterEggHop(Float seconds) noexcept;
// The lean in radians, clockwise on screen.
Float EasterEggLean(Float seconds) noexcept;
// Hue in 0..1, going round twice during the show; 0 at rest.
Float EasterEggHue(Float seconds) noexcept;

// `point` turned by `angle` (radians, clockwise on screen) about `about`.
Vector2d TurnAbout(Vector2d point, Vector2d about, Float angle) noexcept;

// The egg's outline: width `width`, height `height`, its lowest point at `bottom`, the broad
// end down, leaned by `lean` about that point.
Path EggOutline(Vector2d bottom, Float width, Float height, Float lean);

}  // namespace zarvo
