#include "source/widgets_values/ToggleRules.h"

#include <cassert>

namespace zarvo {

ToggleAction MouseToggleAction(EVENT type, Int buttons, BUTTON_REACTION reaction) {
  BUTTON_REACTION trigger;
  if (type == EVENT::BUTTON_DOWN) {
    trigger = BUTTON_REACTION::BUTTON_DOWN;
  } else if (type == EVENT::BUTTON_UP) {
    trigger = BUTTON_REACTION::BUTTON_UP;
  } else {
    return ToggleAction::kIgnore;
  }
  if (buttons != BUTTON::LEFT) return ToggleAction::kIgnore;
  // The half of the click that does not toggle is still the toggle's, so that it does not reach
  // a parent that would act on it.
  return trigger == reaction ? ToggleAction::kToggle : ToggleAction::kConsume;
}

Int32 StepToggleState(Int32 state, Int32 step, Int32 count) {
  assert(count > 0 && "a toggle has at least one state");
  const Int32 wrapped = (state + step) % count;
  return wrapped < 0 ? wrapped + count : wrapped;
}

VECTOR_ICON_STATE HighlightedIconState(VECTOR_ICON_STATE state) {
  switch (state) {
    case VECTOR_ICON_STATE::ENABLED_ACTIVATED_NOHIGHLIGHT: return VECTOR_ICON_STATE::ENABLED_ACTIVATED_HIGHLIGHT;
    case VECTOR_ICON_STATE::ENABLED_DEACTIVATED_NOHIGHLIGHT: return VECTOR_ICON_STATE::ENABLED_DEACTIVATED_HIGHLIGHT;
    default: return state;
  }
}

const char* CheckboxSymbolFileName(CHECKBOX_SYMBOL symbol) {
  switch (symbol) {
    case CHECKBOX_SYMBOL::CHECKMARK: return "checkmark";
    case CHECKBOX_SYMBOL::TRIANGLE: return "triangle";
    case CHECKBOX_SYMBOL::PREVIEW: return "preview";
    case CHECKBOX_SYMBOL::FOLDER: return "folder";
    case CHECKBOX_SYMBOL::SOLO: return "solo";
    case CHECKBOX_SYMBOL::RADIO: return "radio";
    case CHECKBOX_SYMBOL::COMMENT: return "comment";
    case CHECKBOX_SYMBOL::NONE: break;
  }
  return nullptr;
}

}  // namespace zarvo
