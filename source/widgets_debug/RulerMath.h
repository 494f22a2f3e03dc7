#pragma once
#include <vector>

#include "host/core/Types.h"

namespace zarvo {

// The arithmetic of a linear value scale shown along a pixel axis, apart from any widget: the
// ruler and the f-curve editor's grid share it. A scale is a start value at pixel 0 and a number
// of pixels per unit. (The time slider's ticks count frames and whole seconds, so it keeps its
// own.)

Float ScalePixelOfValue(Float value, Float start, Float pixelsPerUnit) noexcept;
// The inverse; a scale of no pixels per unit maps every pixel to `start`.
Float ScaleValueAtPixel(Float pixel, Float start, Float pixelsPerUnit) noexcept;

// The smallest step of the form {1, 2, 5} × 10^n that lies at least `minPixels` apart on the
// scale. A scale that is not a positive finite number of pixels per unit gets 1.
Float NiceTickStep(Float pixelsPerUnit, Float minPixels) noexcept;
// The minor ticks between two major ones: four for a step of 2 × 10^n, five otherwise.
Int MinorTicksPerStep(Float step) noexcept;
// The decimals a label needs to tell ticks `step` apart.
Int LabelDecimals(Float step) noexcept;
// A tick's label with those decimals; a value that rounds to zero prints as "0".
String TickLabel(Float value, Float step);

struct ScaleTick {
  Float value = 0.0;
  Float pixel = 0.0;
  bool major = false;
};
// The ticks whose pixels lie in [fromPixel, toPixel], majors `majorStep` apart and minors between
// them, in increasing order. At most kMaxScaleTicks ticks; none for an empty or invalid span.
inline constexpr Int kMaxScaleTicks = 4096;
std::vector<ScaleTick> ScaleTicks(Float fromPixel, Float toPixel, Float start, Float pixelsPerUnit,
                                  Float majorStep);

// The start that keeps `anchorValue` at `anchorPixel` on a scale of `pixelsPerUnit`: zooming
// about the pointer.
Float StartKeepingAnchor(Float anchorPixel, Float anchorValue, Float pixelsPerUnit) noexcept;

// A ruler's view of a range [min, max] at a zoom (1 shows the whole range over `length` pixels,
// 2 half of it, ...): the span shown and the first value, held so that the view stays inside
// the range.
Float ZoomedSpan(Float min, Float max, Float zoom) noexcept;
Float ClampViewStart(Float start, Float min, Float max, Float zoom) noexcept;

}  // namespace zarvo
