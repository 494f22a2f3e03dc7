#pragma once
#include "host/core/Geometry.h"
#include "host/core/Types.h"

namespace zarvo {

// The ratio of the grid step's base to its scale below which the grid stops refining.
constexpr Float kGridMinimumRatio = 0.001;

// Each component of a zoom clamped to [minZoom, maxZoom]: first raised to the minimum, then
// lowered to the maximum (so a minimum above the maximum yields the maximum). A NaN component
// stays NaN for the caller to refuse.
Vector2d ClampZoom(Vector2d zoom, Float minZoom, Float maxZoom);

// Whether a zoom can be applied at all (finite; the clamp takes care of the rest).
bool IsUsableZoom(Vector2d zoom);

// The grid spacing that snaps to whole powers of the subdivision n as the scale a changes:
// step = n^k × b with k = floor(log_n(b / a)), fraction = log_n(b / a) − k. b / a is raised to
// kGridMinimumRatio; n of 0 counts as 1, and with n of 1 (no powers to snap to) the step is b
// and the fraction 0.
struct GridStep {
  Float step = 0.0;
  Float fraction = 0.0;
};
GridStep ComputeGridStep(Int subdivision, Float a, Float b);

// Where an area's content sits in its parent: content point c shows at pan + zoom × c.
struct AreaView {
  Vector2d pan;
  Vector2d zoom{1.0, 1.0};
};
Vector2d ContentToParent(const AreaView& view, Vector2d content);
Vector2d ParentToContent(const AreaView& view, Vector2d parent);
// The view with a new zoom that keeps the content under `anchor` (parent coordinates) there.
AreaView ZoomViewAbout(const AreaView& view, Vector2d anchor, Vector2d zoom);

// The grid lines of one direction that fall in [from, to]: the lines lie at origin + i × spacing,
// the first at index `first`, `count` of them. Empty for a spacing that is not positive.
struct GridLineRange {
  Int first = 0;
  Int count = 0;
};
GridLineRange GridLinesIn(Float origin, Float spacing, Float from, Float to);

// How the grid shows at a zoom: the main lines every `spacing` content units, and the finer
// lines between them (every spacing / subdivision) with the opacity `fineOpacity`, fading out as
// the zoom shrinks them towards the minimum. The main lines are never closer on screen than
// length × minFactor.
struct GridLook {
  Float spacing = 0.0;
  Float fineSpacing = 0.0;
  Float fineOpacity = 0.0;
};
GridLook ComputeGridLook(Float length, Int subdivision, Float minFactor, Float zoom);

}  // namespace zarvo
