#include "source/widgets_layout/ScrollStyle.h"

namespace zarvo {

namespace {
constexpr Float kByte = 1.0 / 255.0;
constexpr ColorA Grey(Float level) { return ColorA{level, level, level, 1.0}; }
}  // namespace

const StyleKey<ColorA> kScrollAreaBackgroundColor =
    StyleSheetService::Declare<ColorA>("net.zarvo.mvp.stylesheet.scrollarea.background_color", Grey(61 * kByte));
const StyleKey<ColorA> kScrollSliderForegroundColor = StyleSheetService::Declare<ColorA>(
    "net.zarvo.mvp.stylesheet.scrollarea.silder_foreground_color", Grey(89 * kByte));
const StyleKey<ColorA> kScrollArrowForegroundColor = StyleSheetService::Declare<ColorA>(
    "net.zarvo.mvp.stylesheet.scrollarea.arrow_foreground_color", Grey(135 * kByte));
const StyleKey<ColorA> kScrollSliderHighlightColor =
    StyleSheetService::Declare<ColorA>("net.zarvo.mvp.stylesheet.scrollarea.slider_highlight_color", Grey(0.6));
const StyleKey<ColorA> kScrollArrowHighlightColor =
    StyleSheetService::Declare<ColorA>("net.zarvo.mvp.stylesheet.scrollarea.arrow_highlight_color", Grey(0.7));
const StyleKey<CanvasUnitValue> kScrollAreaScrollStep = StyleSheetService::Declare<CanvasUnitValue>(
    "net.zarvo.mvp.stylesheet.scrollarea.scroll_step", CanvasUnitValue::Pix(10.0));
const StyleKey<CanvasUnitValue> kScrollAreaBaseSize = StyleSheetService::Declare<CanvasUnitValue>(
    "net.zarvo.mvp.stylesheet.scrollarea.base_size", CanvasUnitValue::Pix(14.0));

}  // namespace zarvo
