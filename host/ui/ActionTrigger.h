#pragma once
#include <vector>

#include "host/core/DataDictionary.h"
#include "host/core/Id.h"
#include "host/core/Object.h"
#include "host/core/Ref.h"
#include "host/ui/UiTypes.h"

namespace zarvo {

// One way of starting an action: a button pressed (or a key struck) with exactly these
// modifiers held. Caps lock never counts.
struct HotkeyPattern {
  EVENT eventType = EVENT::BUTTON_DOWN;  // BUTTON_DOWN or KEYBOARD_KEY_DOWN
  Int buttons = BUTTON::NONE;            // the button state of a press
  Int32 key = 0;                         // the key of a key stroke
  Int modifiers = MODIFIER::NONE;
};

// A widget's table from input patterns to the action classes they start. The widget asks it
// which action, if any, an event starts; the first registered pattern that matches wins.
class ActionTrigger final : public virtual ObjectInterface {
 public:
  // Fails for a pattern that no event could match (another event type, no button, no key).
  [[nodiscard]] Result<void> RegisterHotkeyPattern(const HotkeyPattern& pattern, const Id& actionClassId);
  // Forgets every pattern bound to the action class; true when there was one.
  bool UnregisterHotkeyPatterns(const Id& actionClassId);
  // The action class the event starts, or nullptr.
  const Id* FindAction(const DataDictionary& event) const;
  size_t GetPatternCount() const noexcept { return bindings_.size(); }

 private:
  struct Binding {
    HotkeyPattern pattern;
    Id actionClassId;
  };
  std::vector<Binding> bindings_;
};

using ActionTriggerRef = Ref<ActionTrigger>;

}  // namespace zarvo
