#pragma once
#include "host/ui/StyleSheet.h"

namespace zarvo {

// The colour family's style values.
extern const StyleKey<CanvasUnitValue> kColorSwatchSize;
extern const StyleKey<CanvasUnitValue> kColorSwatchSpacing;
extern const StyleKey<ColorA> kColorSwatchBorderColor;
extern const StyleKey<ColorA> kColorSwatchCurrentBorderColor;

}  // namespace zarvo
