#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "host/core/FunctionRef.h"
#include "host/core/Geometry.h"
#include "host/core/Result.h"
#include "source/interfaces/MessageDialogInterface.h"

namespace zarvo {

// One button of a message dialog's row.
struct MessageDialogButton {
  String label;
  Int index = 0;
  RESULT result = RESULT::R_UNDEFINED;
  // Byte offset of the shortcut character in the label; -1 until assigned.
  Int shortcutIndex = -1;
  // The shortcut as a code point; 0 until assigned.
  char32_t shortcut = 0;
};

// What a button type shows before the labels are looked up: the label's string id (empty for
// custom buttons, whose labels are given) and the result, in row order, and which is focused.
struct MessageDialogButtonSet {
  std::vector<std::pair<std::string_view, RESULT>> buttons;
  Int focus = 0;
};

// The buttons of a standard type; any value that is no standard type gives the OK set, and
// CUSTOM an empty set (its labels come from the settings).
MessageDialogButtonSet StandardButtonSet(Int buttonType);

// A focus index not below `count` (or below 0) gives the first button.
Int ClampButtonFocus(Int focus, size_t count);

// Checks the labels and gives each button its shortcut: the first character that is neither
// blank (space, tab, line feed, carriage return) nor taken by an earlier button. Fails with
// "Empty button names are not allowed.", "Duplicated button names are not allowed" or "Valid
// shortcut char not found"; an empty row is an error too, a dialog needs a way to answer.
[[nodiscard]] Result<void> AssignShortcuts(std::vector<MessageDialogButton>& buttons);

// The button whose shortcut `key` (a code point) is: exact first, then ignoring ASCII case;
// -1 for none.
Int FindShortcutButton(const std::vector<MessageDialogButton>& buttons, char32_t key);

// All buttons share one size: as wide as the widest of "MMMMMMMM" and each label followed by
// "MM" (as `textWidth` measures them), and h + h × 2/3 high, h being the font's ascent plus
// descent.
Vector2d MessageDialogButtonSize(const std::vector<MessageDialogButton>& buttons,
                                 FunctionRef<Float(std::string_view)> textWidth, Float ascentPlusDescent);

// The file name of a built-in icon at double resolution ("icon_stop_x2.png"); empty for HIDDEN
// and CUSTOM, whose icons are not built in.
std::string BuiltInIconFile(Int iconType);

}  // namespace zarvo
