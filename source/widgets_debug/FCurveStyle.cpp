#include "source/widgets_debug/FCurveStyle.h"

namespace zarvo {

const StyleKey<ColorA> kFCurveLineColor =
    StyleSheetService::Declare<ColorA>("net.zarvo.mvp.stylesheet.fcurve.line_color", ColorA{0.85, 0.55, 0.15, 1.0});
const StyleKey<ColorA> kFCurveKeyColor =
    StyleSheetService::Declare<ColorA>("net.zarvo.mvp.stylesheet.fcurve.key_color", ColorA{0.92, 0.92, 0.92, 1.0});
const StyleKey<ColorA> kFCurveKeyOutlineColor =
    StyleSheetService::Declare<ColorA>("net.zarvo.mvp.stylesheet.fcurve.key_outline_color", ColorA{0.1, 0.1, 0.1, 1.0});
const StyleKey<ColorA> kFCurveSelectedKeyColor =
    StyleSheetService::Declare<ColorA>("net.zarvo.mvp.stylesheet.fcurve.selected_key_color", ColorA{1.0, 0.85, 0.2, 1.0});

}  // namespace zarvo
