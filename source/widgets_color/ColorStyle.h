#pragma once
#include "host/ui/StyleSheet.h"

namespace zarvo {

// The colour family's style values.
extern const StyleKey<CanvasUnitValue> kColorSwatchSize;
extern const StyleKey<CanvasUnitValue> kColorSwatchSpacing;
extern const StyleKey<ColorA> kColorSwatchBorderColor;
extern const StyleKey<ColorA> kColorSwatchCurrentBorderColor;

}  // namespace zarvo

namespace zarvo {

// The sliders of the colour notations.
inline constexpr Float kColorSliderLength = 160.0;
inline constexpr Float kColorSliderThickness = 14.0;
inline constexpr Float kColorRowSpacing = 2.0;
inline constexpr Float kHexEditWidth = 80.0;
// The side of the saturation/value square.
inline constexpr Float kSpectrumSide = 160.0;

}  // namespace zarvo
