#include "source/widgets_layout/AreaStyle.h"

namespace zarvo {

const StyleKey<Float> kAreaMinZoom = StyleSheetService::Declare<Float>("net.zarvo.mvp.stylesheet.area.min_zoom", 0.01);
const StyleKey<Float> kAreaMaxZoom = StyleSheetService::Declare<Float>("net.zarvo.mvp.stylesheet.area.max_zoom", 2.0);
const StyleKey<ColorA> kAreaBackgroundColor =
    StyleSheetService::Declare<ColorA>("net.zarvo.mvp.stylesheet.area.background_color", ColorA{0.16, 0.16, 0.17, 1.0});
const StyleKey<ColorA> kAreaGridColor =
    StyleSheetService::Declare<ColorA>("net.zarvo.mvp.stylesheet.area.grid_color", ColorA{0.32, 0.32, 0.34, 1.0});

}  // namespace zarvo
