#pragma once
#include <algorithm>
#include <span>

#include "host/core/Geometry.h"
#include "host/core/Types.h"
#include "host/ui/UiTypes.h"
#include "source/interfaces/NumberTypes.h"

namespace zarvo {

class Image;

// The slider's geometry and value arithmetic, apart from the widget so that it is tested
// directly. Lengths are pixels unless a name says otherwise.

// A value held by the bounds the limit mode names; with neither it stays as given.
template <class T>
T ClampSliderValue(T value, T min, T max, NUMBER_LIMIT_MODE mode) {
  if (HasLimit(mode, NUMBER_LIMIT_MODE::LIMIT_MIN)) value = std::max(value, min);
  if (HasLimit(mode, NUMBER_LIMIT_MODE::LIMIT_MAX)) value = std::min(value, max);
  return value;
}

// Where along the track a pointer lies, as a share of the track from its start (0) to its end
// (1), by orientation; outside the frame it is below 0 or above 1. A frame of a pixel or less,
// or an inverted one, counts as one pixel.
Float SliderPointerFraction(WIDGET_ORIENTATION orientation, const Rect& globalFrame, Vector2d pointer);

// A pointer share moved down onto the drag's grid: whole `step` percents of the range. Then
// held at 0 when the limit mode holds the minimum, or at 1 when it holds the maximum.
Float QuantizeSliderFraction(Float fraction, Float step, NUMBER_LIMIT_MODE mode);

// The value at a (quantised) share of the range. The Int slider rounds to whole percents and
// truncates toward zero; the Float slider takes the share as it is.
Int IntSliderValueAt(Float fraction, Int min, Int max);
Float FloatSliderValueAt(Float fraction, Float min, Float max);

// Where the value lies in the range: 0 at min, 1 at max, outside for values outside.
template <class T>
Float SliderValueShare(T value, T min, T max) {
  return (static_cast<Float>(value) - static_cast<Float>(min)) / (static_cast<Float>(max) - static_cast<Float>(min));
}

// The value-dependent parts of the track document along a track of length `length`, for a
// value at share t. A value below the range compresses the range into the end part of the
// track and shows the excess as an undershoot band; one above it into the start part, with an
// overshoot band beyond. Shares are of the track (0..1), positions pixels along it.
struct SliderTrackLayout {
  bool undershoot = false;
  bool overshoot = false;
  Float undershootX = 0.0;      // share
  Float undershootWidth = 0.0;  // share
  Float overshootX = 0.0;       // share
  Float overshootWidth = 0.0;   // share
  Float fillWidth = 0.0;        // share
  Float undershootIndicator = 0.0;  // pixels
  Float overshootIndicator = 0.0;   // pixels
  Float midNotch = 0.0;             // pixels
  Float knobShare = 0.0;            // the knob's share, held in 0..1
};
SliderTrackLayout ComputeSliderTrackLayout(Float share, Float length);

// The knob's square in local pixels for a widget of size `size`: its side is the thickness.
Rect SliderKnobRect(WIDGET_ORIENTATION orientation, Float knobShare, Vector2d size);

// The part of the track between two shares (in either order), widened by `reach` pixels at
// both ends along the track, across the whole thickness; in local pixels.
Rect SliderTrackSpan(WIDGET_ORIENTATION orientation, Float fromShare, Float toShare, Vector2d size, Float reach = 0.0);

// The track document's viewport: the widget's size, turned on its side for vertical sliders
// (the document is always drawn as a horizontal track and turned by its root's transform).
Rect SliderTrackViewport(WIDGET_ORIENTATION orientation, Vector2d size);

// The translation of the track's root element that, with the root's mirror and turn, brings
// the horizontal track onto the widget. Element transforms compose about the document's
// origin, so a mirrored track is moved back by its length.
Vector2d SliderTrackRootTranslation(WIDGET_ORIENTATION orientation, Vector2d size);
// The same for the knob's root, which turns about the origin of its square of side `side`.
Vector2d SliderKnobRootTranslation(WIDGET_ORIENTATION orientation, Float side);

// The colour slider's gradient rectangle and marker in local pixels. The lengths are pixels of
// the border inset, the thickness, and the marker's half width and width; `share` is held in
// 0..1.
struct ColorSliderGeometry {
  Rect track;
  Rect marker;
};
ColorSliderGeometry ComputeColorSliderGeometry(WIDGET_ORIENTATION orientation, Vector2d size, Float share, Float inset,
                                               Float thickness, Float markerHalfWidth, Float markerWidth);

// Paints the colour slider's gradient into an image: per row, linear segments between
// successive stops, reversed for RIGHT_LEFT; vertical orientations get opaque black. Fewer
// than two stops paint nothing.
void PaintSliderGradient(Image& image, std::span<const ColorA> colors, WIDGET_ORIENTATION orientation);

}  // namespace zarvo
