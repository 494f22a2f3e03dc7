#pragma once
#include "host/core/Geometry.h"
#include "host/core/Types.h"

namespace zarvo {

// The geometry of scrolling, apart from any widget. Positions are the content's offset inside
// its view, 0 or negative once clamped; sizes are pixels.

// Which parts of a scroll area show.
struct ScrollbarVisibility {
  bool horizontal = false;
  bool vertical = false;
  bool corner = false;
  friend bool operator==(const ScrollbarVisibility&, const ScrollbarVisibility&) = default;
};

// In auto mode a bar shows only when the content is larger than the area along its axis; a
// bar taking room across can make the other one needed too. Exact equality needs no bar.
// Without auto mode everything shows, without content nothing.
ScrollbarVisibility ComputeScrollbarVisibility(bool autoMode, bool hasContent, Vector2d area, Vector2d content,
                                               Float horizontalBarHeight, Float verticalBarWidth);

// The content's offset along one axis held so that the view shows no room before the content's
// start, nor after its end while the content is larger than the view.
Float ClampScrollOffset(Float offset, Float content, Float view);
Vector2d ClampScrollPosition(Vector2d position, Vector2d content, Vector2d view);

// The offset that shows the content's end at the view's end (forward) or its start (backward).
Float ScrollLimitOffset(bool forward, Float content, Float view);

// The thumb of a scroll slider along its track, in track coordinates.
struct ScrollThumb {
  bool present = false;
  Float start = 0.0;
  Float end = 0.0;
  Float Center() const { return (start + end) * 0.5; }
  bool Contains(Float along) const { return present && start <= along && along <= end; }
};

// The thumb for a track `track` long and `thickness` across. A track no longer than it is thick
// has none; without content extent the thumb fills the track. Otherwise it shows the view's
// share of the content at the offset's share, never shorter than the track is thick, and kept
// inside the track.
ScrollThumb ComputeScrollThumb(Float track, Float thickness, Float view, Float content, Float offset);

// The content offset a slider drag asks for: the pointer (plus the grab offset, which keeps the
// point of the thumb that was grabbed under the pointer) as a fraction of the slider's global
// extent from `frameStart` to `frameEnd` puts the view's centre at that fraction of the content.
// An inverted extent counts from 0 over 1 pixel.
Float ComputeDragOffset(Float pointer, Float grabOffset, Float frameStart, Float frameEnd, Float content, Float view);

// Handle length of a cubic Bézier quarter circle, as a fraction of its radius.
constexpr Float kQuarterCircleHandle = 0.55191502449;

// A bar with round ends: from `start` to `end` along an axis (y when vertical, else x), centred
// across it on `across`, `halfThickness` to either side, each end a half circle of that radius.
Path MakeCapsulePath(Float start, Float end, Float across, Float halfThickness, bool vertical);

}  // namespace zarvo
