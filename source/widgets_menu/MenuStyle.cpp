#include "source/widgets_menu/MenuStyle.h"

namespace zarvo {

namespace {
constexpr Float kByte = 1.0 / 255.0;
}  // namespace

const StyleKey<ColorA> kMenuRowHighlightColor = StyleSheetService::Declare<ColorA>(
    "net.zarvo.mvp.stylesheet.menu.highlight_color", ColorA{70 * kByte, 110 * kByte, 170 * kByte, 1.0});
const StyleKey<ColorA> kMenuTextColor = StyleSheetService::Declare<ColorA>(
    "net.zarvo.mvp.stylesheet.menu.text_color", ColorA{10 * kByte, 10 * kByte, 10 * kByte, 1.0});
const StyleKey<ColorA> kMenuDisabledTextColor = StyleSheetService::Declare<ColorA>(
    "net.zarvo.mvp.stylesheet.menu.disabled_text_color", ColorA{60 * kByte, 60 * kByte, 60 * kByte, 1.0});
const StyleKey<ColorA> kMenuSeparatorColor = StyleSheetService::Declare<ColorA>(
    "net.zarvo.mvp.stylesheet.menu.separator_color", ColorA{77 * kByte, 77 * kByte, 77 * kByte, 1.0});
const StyleKey<CanvasUnitValue> kMenuSeparatorHeight = StyleSheetService::Declare<CanvasUnitValue>(
    "net.zarvo.mvp.stylesheet.menu.separator_height", CanvasUnitValue::Fon(1.0));
const StyleKey<CanvasUnitValue> kMenuIconSize = StyleSheetService::Declare<CanvasUnitValue>(
    "net.zarvo.mvp.stylesheet.menu.icon_size", CanvasUnitValue::Pix(18.0));
const StyleKey<CanvasUnitValue> kMenuColumnPadding = StyleSheetService::Declare<CanvasUnitValue>(
    "net.zarvo.mvp.stylesheet.menu.column_padding", CanvasUnitValue::Fon(4.0));
const StyleKey<CanvasUnitValue> kMenuRowPadding = StyleSheetService::Declare<CanvasUnitValue>(
    "net.zarvo.mvp.stylesheet.menu.row_padding", CanvasUnitValue::Fon(2.0));
const StyleKey<CanvasUnitValue> kMenuBarEntryPadding = StyleSheetService::Declare<CanvasUnitValue>(
    "net.zarvo.mvp.stylesheet.menu.bar_entry_padding", CanvasUnitValue::Fon(3.0));
const StyleKey<ColorA> kMenuWindowColor = StyleSheetService::Declare<ColorA>(
    "net.zarvo.mvp.stylesheet.menu.window_color", ColorA{106 * kByte, 106 * kByte, 106 * kByte, 1.0});

}  // namespace zarvo
