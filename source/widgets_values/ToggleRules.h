#pragma once
#include "host/core/Types.h"
#include "host/gfx/VectorIconInterface.h"
#include "host/ui/EventKeys.h"
#include "source/interfaces/CheckboxWidgetInterface.h"

namespace zarvo {

// The rules the check box and the tristate button share, apart from any widget.

// The side of a toggle made before anyone gives it another, in pixels.
inline constexpr Float kToggleDefaultSize = 16.0;

// What a mouse event does to a toggle.
enum class ToggleAction { kIgnore, kConsume, kToggle };

// A left press or release toggles when it is the configured reaction and is taken without
// effect when it is the other; any other button, and any other event, is left to the parent.
ToggleAction MouseToggleAction(EVENT type, Int buttons, BUTTON_REACTION reaction);

// The state after stepping `step` from `state` among `count` states, wrapped into 0..count-1
// (so one step back from the first state is the last). `count` is at least 1.
Int32 StepToggleState(Int32 state, Int32 step, Int32 count);

// The icon's look while the pointer is over it: the highlighted form of an enabled state.
VECTOR_ICON_STATE HighlightedIconState(VECTOR_ICON_STATE state);

// The icon state that shows a check box's state.
constexpr VECTOR_ICON_STATE CheckboxIconState(Bool on) {
  return on ? VECTOR_ICON_STATE::ENABLED_ACTIVATED_NOHIGHLIGHT : VECTOR_ICON_STATE::ENABLED_DEACTIVATED_NOHIGHLIGHT;
}

// The file name (without folder and suffix) of a symbol's icon; nullptr for NONE and for values
// outside the enumeration.
const char* CheckboxSymbolFileName(CHECKBOX_SYMBOL symbol);

}  // namespace zarvo
