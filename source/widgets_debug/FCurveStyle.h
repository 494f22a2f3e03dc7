#pragma once
#include "host/core/Types.h"
#include "host/ui/StyleSheet.h"

namespace zarvo {

// The f-curve editor's colours: the curve, the key squares and their outline, and the
// selected key.
extern const StyleKey<ColorA> kFCurveLineColor;
extern const StyleKey<ColorA> kFCurveKeyColor;
extern const StyleKey<ColorA> kFCurveKeyOutlineColor;
extern const StyleKey<ColorA> kFCurveSelectedKeyColor;

}  // namespace zarvo
