#include "source/widgets_color/ColorStyle.h"

namespace zarvo {

namespace {
constexpr Float kByte = 1.0 / 255.0;
constexpr ColorA Grey(Float level) { return ColorA{level, level, level, 1.0}; }
}  // namespace

const StyleKey<CanvasUnitValue> kColorSwatchSize =
    StyleSheetService::Declare<CanvasUnitValue>("net.zarvo.mvp.stylesheet.colortable.swatch_size", CanvasUnitValue::Pix(18.0));
const StyleKey<CanvasUnitValue> kColorSwatchSpacing = StyleSheetService::Declare<CanvasUnitValue>(
    "net.zarvo.mvp.stylesheet.colortable.swatch_spacing", CanvasUnitValue::Pix(1.0));
const StyleKey<ColorA> kColorSwatchBorderColor =
    StyleSheetService::Declare<ColorA>("net.zarvo.mvp.stylesheet.colortable.border_color", Grey(40 * kByte));
const StyleKey<ColorA> kColorSwatchCurrentBorderColor =
    StyleSheetService::Declare<ColorA>("net.zarvo.mvp.stylesheet.colortable.current_border_color", Grey(1.0));

}  // namespace zarvo
