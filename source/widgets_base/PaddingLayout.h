#pragma once
#include "host/core/Geometry.h"
#include "host/core/Types.h"

namespace zarvo {

// A padding's four margins in pixels.
struct PaddingMargins {
  Float left = 0.0;
  Float right = 0.0;
  Float top = 0.0;
  Float bottom = 0.0;
  Float Horizontal() const { return left + right; }
  Float Vertical() const { return top + bottom; }
  friend bool operator==(const PaddingMargins&, const PaddingMargins&) = default;
};

// Margins are taken as at most this many pixels, so that a huge margin gives a huge but finite
// layout instead of infinite sizes.
inline constexpr Float kMaxPaddingPixels = 1.0e6;

// Converts the margins with the canvas's REM base; each lands in 0..kMaxPaddingPixels (a
// margin that is not a number counts as 0).
PaddingMargins PaddingMarginsToPixels(CanvasUnitValue left, CanvasUnitValue right, CanvasUnitValue top,
                                      CanvasUnitValue bottom, Float remBase);

// The padding's size around a child of `childSize`.
Vector2d PaddedSize(Vector2d childSize, const PaddingMargins& margins);

// The room inside the margins of a padding of `paddingSize`: it starts at (left, top) and is
// never less than empty.
Rect PaddingInnerFrame(Vector2d paddingSize, const PaddingMargins& margins);

}  // namespace zarvo
