#include "host/ui/ActionTrigger.h"

#include <algorithm>

#include "host/ui/EventKeys.h"

namespace zarvo {

namespace {
Int Significant(Int modifiers) { return modifiers & ~MODIFIER::CAPSLOCK; }
}  // namespace

Result<void> ActionTrigger::RegisterHotkeyPattern(const HotkeyPattern& pattern, const Id& actionClassId) {
  if (actionClassId.IsEmpty()) return IllegalArgumentError("Hotkey pattern without an action class");
  switch (pattern.eventType) {
    case EVENT::BUTTON_DOWN:
      if (pattern.buttons == BUTTON::NONE) return IllegalArgumentError("Hotkey pattern without a button");
      break;
    case EVENT::KEYBOARD_KEY_DOWN:
      if (pattern.key == 0) return IllegalArgumentError("Hotkey pattern without a key");
      break;
    default:
      return IllegalArgumentError("Hotkey patterns start on a button press or a key stroke");
  }
  HotkeyPattern stored = pattern;
  stored.modifiers = Significant(stored.modifiers);
  bindings_.push_back({stored, actionClassId});
  return Ok();
}

bool ActionTrigger::UnregisterHotkeyPatterns(const Id& actionClassId) {
  const size_t before = bindings_.size();
  std::erase_if(bindings_, [&](const Binding& b) { return b.actionClassId == actionClassId; });
  return bindings_.size() != before;
}

const Id* ActionTrigger::FindAction(const DataDictionary& event) const {
  EventReader reader(&event);
  Result<EVENT> type = reader.GetType();
  if (!type.IsOk()) return nullptr;
  if (*type != EVENT::BUTTON_DOWN && *type != EVENT::KEYBOARD_KEY_DOWN) return nullptr;
  const Result<Int> modifiers = reader.GetModifierState();
  const Int held = modifiers.IsOk() ? Significant(*modifiers) : MODIFIER::NONE;
  Int buttons = BUTTON::NONE;
  Int32 key = 0;
  if (*type == EVENT::BUTTON_DOWN) {
    const Result<Int> state = reader.GetButtonState();
    if (!state.IsOk()) return nullptr;
    buttons = *state;
  } else {
    const Result<Int32> stroke = reader.GetKey();
    if (!stroke.IsOk()) return nullptr;
    key = *stroke;
  }
  for (const Binding& binding : bindings_) {
    const HotkeyPattern& p = binding.pattern;
    if (p.eventType != *type || p.modifiers != held) continue;
    if (*type == EVENT::BUTTON_DOWN ? p.buttons == buttons : p.key == key) return &binding.actionClassId;
  }
  return nullptr;
}

}  // namespace zarvo
