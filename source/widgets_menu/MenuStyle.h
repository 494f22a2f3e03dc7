#pragma once
#include "host/core/Types.h"
#include "host/ui/StyleSheet.h"

namespace zarvo {

// The style keys the menu rows, groups and windows share, declared once.
extern const StyleKey<ColorA> kMenuRowHighlightColor;
extern const StyleKey<ColorA> kMenuTextColor;
extern const StyleKey<ColorA> kMenuDisabledTextColor;
extern const StyleKey<ColorA> kMenuSeparatorColor;
extern const StyleKey<CanvasUnitValue> kMenuSeparatorHeight;
extern const StyleKey<CanvasUnitValue> kMenuIconSize;
extern const StyleKey<CanvasUnitValue> kMenuColumnPadding;
extern const StyleKey<CanvasUnitValue> kMenuRowPadding;
// Space on either side of each entry of a menu bar, so that the entries read apart.
extern const StyleKey<CanvasUnitValue> kMenuBarEntryPadding;
// The background of a sub-menu window.
extern const StyleKey<ColorA> kMenuWindowColor;

}  // namespace zarvo
