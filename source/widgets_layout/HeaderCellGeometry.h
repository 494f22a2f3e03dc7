#pragma once
#include "host/core/Types.h"
#include "source/interfaces/HeaderCellWidgetInterface.h"

namespace zarvo {

class CanvasInterface;

// How far from a header cell's border a press still grabs it.
inline constexpr CanvasUnitValue kHeaderBorderHitTolerance = CanvasUnitValue::Fon(2.0);
// A column resized by dragging never gets narrower than this, in pixels.
inline constexpr Float kMinimumResizedColumnWidth = 10.0;

// Which vertical border of `globalFrame` the global `point` lies on within `tolerance` pixels,
// as the canvas judges lines; LEFT wins when both are. A border too short to be grabbed
// reliably is never hit.
BORDER_HIT HitHeaderBorder(const CanvasInterface& canvas, const Rect& globalFrame, Vector2d point, Float tolerance);

// The width of a column being resized: where the drag took its start width, never below the
// minimum.
Float ResizedColumnWidth(Float startWidth, Float dragOffset);

}  // namespace zarvo
