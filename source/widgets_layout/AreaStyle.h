#pragma once
#include "host/core/Types.h"
#include "host/ui/StyleSheet.h"

namespace zarvo {

// The zoom limits of an area, applied to each scale component.
extern const StyleKey<Float> kAreaMinZoom;
extern const StyleKey<Float> kAreaMaxZoom;
extern const StyleKey<ColorA> kAreaBackgroundColor;
extern const StyleKey<ColorA> kAreaGridColor;

}  // namespace zarvo
