#pragma once
#include "host/core/Types.h"

namespace zarvo {

// The time slider's arithmetic, apart from the widget: frames, the ruler's scale and the
// labels. Times are Float seconds.

// The frame a time falls in at `fps`, truncated toward zero with a thousandth of a frame of
// slack, so that a time computed as n / fps lands on frame n.
Int FrameOfTime(Float time, Float fps) noexcept;
// The time on the start of its frame; 0 when fps is 0.
Float SnapToFrame(Float time, Float fps) noexcept;
// Clamps to [min, max] and snaps, moving a frame inwards when the snap left the range (an end
// that is not on a frame); a range narrower than a frame keeps the clamped time.
Float SnapInsideRange(Float time, Float min, Float max, Float fps) noexcept;

// The time under a pointer at `x` over a ruler from `left` to `right` (global pixels): the
// share of the width held to [0, 1]. A width under 1 counts as 1, and a reversed frame as one
// starting at 0.
Float TimeAtPointer(Float x, Float left, Float right, Float min, Float max) noexcept;
// The pixel of a time on a ruler `width` wide (not truncated).
Float PixelOfTime(Float time, Float min, Float max, Float width) noexcept;
// The cursor's column: truncation of width × the time's share of the range.
Float CursorPixel(Float time, Float min, Float max, Float width) noexcept;

// Frames between labels: fps frames (at least 1), doubled while a step is narrower than 1.5
// label widths and shorter than the range.
Int LabelStepFrames(Float fps, Int rangeFrames, Float width, Float labelWidth) noexcept;

// A frame's label: whole seconds s = frame div fps printed as s div 3600, s div 60 and s,
// each with at least two digits.
String FrameLabel(Int frame, Float fps);

// The time a key steps to: a frame back or on, or with the whole-seconds key held to the
// whole second before or after the next one up (ceil(time) - 1, ceil(time) + 1).
Float KeyStepTime(Float time, Float fps, bool forward, bool wholeSeconds) noexcept;
// The time a scroll moves to: 1/512 of the range per unit of the vector's x, held in range.
Float ScrollTime(Float time, Float scrollX, Float min, Float max) noexcept;

// The first and last frame whose positions lie in the pixel span [fromX, toX] of a ruler
// `width` wide, clamped to [firstFrame, lastFrame]; empty (first > last) when none do.
struct FrameSpan {
  Int first = 0;
  Int last = -1;
};
FrameSpan FramesInPixels(Float fromX, Float toX, Float min, Float max, Float width, Float fps, Int firstFrame,
                         Int lastFrame) noexcept;

}  // namespace zarvo
