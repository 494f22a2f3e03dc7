#pragma once
#include <span>

#include "host/core/Geometry.h"
#include "host/core/Types.h"

namespace zarvo {

// The arithmetic of the cycle widget and its drop-down list, apart from any widget.

// The first index holding `itemId`, or -1.
Int FindCycleIndex(std::span<const Int> itemIds, Int itemId);

// Where a step of `step` (-1 up, +1 down) from `index` lands, skipping separator entries
// (`separatorId`) in the direction of travel and stopping at the ends. When the walk ends on a
// separator at an end, the nearest selectable entry back from there is taken (so a step never
// lands on a separator). -1 when no entry is selectable. An index outside the list walks from
// the end it lies beyond.
Int StepCycleIndex(std::span<const Int> itemIds, Int index, Int step, Int separatorId);

// The screen position of a drop-down of `size` for a button whose screen frame is
// `buttonScreenFrame`, inside `workRect`: left-aligned below the button; above it when it
// would pass the work bottom, and then at the work top when it would pass that too. Inverted
// rectangles count as empty ones at the origin.
Vector2d PlaceDropdown(const Rect& buttonScreenFrame, Vector2d size, const Rect& workRect);

}  // namespace zarvo
