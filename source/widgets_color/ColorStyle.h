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
// The colour button and the field that shows a picked colour.
inline constexpr Float kColorButtonWidth = 40.0;
inline constexpr Float kColorButtonHeight = 20.0;
// The colour chooser window: its background, and its distance below the button that opened it.
inline constexpr ColorA kColorChooserBackground{61.0 / 255.0, 61.0 / 255.0, 61.0 / 255.0, 1.0};
inline constexpr Float kColorChooserOffset = 4.0;
inline constexpr Float kColorChooserPadding = 6.0;
inline constexpr Float kColorChooserProvisionalSide = 100.0;

}  // namespace zarvo
