#pragma once
#include "host/core/Types.h"
#include "host/ui/StyleSheet.h"

namespace zarvo {

// The style keys the scroll area, its scrollbars and their sliders share, declared once.
extern const StyleKey<ColorA> kScrollAreaBackgroundColor;
// The key's name is spelled as published.
extern const StyleKey<ColorA> kScrollSliderForegroundColor;
extern const StyleKey<ColorA> kScrollArrowForegroundColor;
extern const StyleKey<ColorA> kScrollSliderHighlightColor;
extern const StyleKey<ColorA> kScrollArrowHighlightColor;
// How far an arrow or an arrow key scrolls.
extern const StyleKey<CanvasUnitValue> kScrollAreaScrollStep;
// The thickness of a scrollbar and the side of its arrow buttons.
extern const StyleKey<CanvasUnitValue> kScrollAreaBaseSize;

}  // namespace zarvo
