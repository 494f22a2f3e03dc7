#include "source/MessageDialogButtons.h"

#include <algorithm>

#include "source/Register.h"

namespace zarvo {

namespace {

constexpr char kEmptyButtonName[] = "Empty button names are not allowed.";
constexpr char kDuplicatedButtonName[] = "Duplicated button names are not allowed";
constexpr char kNoShortcut[] = "Valid shortcut char not found";
constexpr char kNoButtons[] = "A message dialog needs at least one button.";
// Button height is the line height plus two thirds of it.
constexpr Float kButtonHeightFactor = 5.0 / 3.0;
// No button is narrower than this text, and each is as wide as its label with this after it.
constexpr char kMinimumButtonText[] = "MMMMMMMM";
constexpr char kButtonTextMargin[] = "MM";
constexpr char kIconFileSuffix[] = "_x2.png";

bool IsBlank(char32_t c) { return c == U' ' || c == U'\t' || c == U'\n' || c == U'\r'; }

// Decodes the code point at `offset` and its byte length; a malformed byte counts as one
// character of its own, so that every label can be walked to its end.
char32_t DecodeAt(std::string_view text, size_t offset, size_t& length) {
  const auto lead = static_cast<unsigned char>(text[offset]);
  size_t count = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 0;
  if (count == 0 || offset + count > text.size()) {
    length = 1;
    return lead;
  }
  char32_t c = count == 1 ? lead : lead & (0x7F >> count);
  for (size_t i = 1; i < count; ++i) {
    const auto next = static_cast<unsigned char>(text[offset + i]);
    if ((next & 0xC0) != 0x80) {
      length = 1;
      return lead;
    }
    c = (c << 6) | (next & 0x3F);
  }
  length = count;
  return c;
}

char32_t FoldAscii(char32_t c) { return c >= U'A' && c <= U'Z' ? c - U'A' + U'a' : c; }

}  // namespace

MessageDialogButtonSet StandardButtonSet(Int buttonType) {
  switch (static_cast<BUTTON_TYPE>(buttonType)) {
    case BUTTON_TYPE::OKCANCEL:
      return {{{kGlobalStringOk, RESULT::R_OKAY}, {kGlobalStringCancel, RESULT::R_CANCEL}}, 0};
    case BUTTON_TYPE::ABORTRETRYIGNORE:
      return {{{kGlobalStringAbort, RESULT::R_ABORT}, {kGlobalStringRetry, RESULT::R_RETRY},
               {kGlobalStringIgnore, RESULT::R_IGNORE}},
              1};
    case BUTTON_TYPE::YESNOCANCEL:
      return {{{kGlobalStringYes, RESULT::R_YES}, {kGlobalStringNo, RESULT::R_NO}, {kGlobalStringCancel, RESULT::R_CANCEL}},
              0};
    case BUTTON_TYPE::YESNO:
      return {{{kGlobalStringYes, RESULT::R_YES}, {kGlobalStringNo, RESULT::R_NO}}, 0};
    case BUTTON_TYPE::RETRYCANCEL:
      return {{{kGlobalStringRetry, RESULT::R_RETRY}, {kGlobalStringCancel, RESULT::R_CANCEL}}, 0};
    case BUTTON_TYPE::CUSTOM:
      return {};
    case BUTTON_TYPE::OK:
    default:
      return {{{kGlobalStringOk, RESULT::R_OKAY}}, 0};
  }
}

Int ClampButtonFocus(Int focus, size_t count) {
  return focus >= 0 && static_cast<size_t>(focus) < count ? focus : 0;
}

Result<void> AssignShortcuts(std::vector<MessageDialogButton>& buttons) {
  if (buttons.empty()) return IllegalArgumentError(kNoButtons);
  std::vector<char32_t> taken;
  for (size_t i = 0; i < buttons.size(); ++i) {
    MessageDialogButton& button = buttons[i];
    if (button.label.empty()) return IllegalArgumentError(kEmptyButtonName);
    for (size_t j = 0; j < i; ++j) {
      if (buttons[j].label == button.label) return IllegalArgumentError(kDuplicatedButtonName);
    }
    button.shortcutIndex = -1;
    button.shortcut = 0;
    const std::string_view label = button.label;
    for (size_t offset = 0, length = 0; offset < label.size(); offset += length) {
      const char32_t c = DecodeAt(label, offset, length);
      if (IsBlank(c) || std::find(taken.begin(), taken.end(), c) != taken.end()) continue;
      button.shortcutIndex = static_cast<Int>(offset);
      button.shortcut = c;
      taken.push_back(c);
      break;
    }
    if (button.shortcutIndex < 0) return IllegalArgumentError(kNoShortcut);
  }
  return Ok();
}

Int FindShortcutButton(const std::vector<MessageDialogButton>& buttons, char32_t key) {
  for (const MessageDialogButton& button : buttons) {
    if (button.shortcutIndex >= 0 && button.shortcut == key) return button.index;
  }
  for (const MessageDialogButton& button : buttons) {
    if (button.shortcutIndex >= 0 && FoldAscii(button.shortcut) == FoldAscii(key)) return button.index;
  }
  return -1;
}

Vector2d MessageDialogButtonSize(const std::vector<MessageDialogButton>& buttons,
                                 FunctionRef<Float(std::string_view)> textWidth, Float ascentPlusDescent) {
  Float width = textWidth(kMinimumButtonText);
  for (const MessageDialogButton& button : buttons) {
    width = std::max(width, textWidth(button.label + kButtonTextMargin));
  }
  return {width, ascentPlusDescent * kButtonHeightFactor};
}

std::string BuiltInIconFile(Int iconType) {
  const char* name = "icon_qvx";
  switch (static_cast<ICON_TYPE>(iconType)) {
    case ICON_TYPE::HIDDEN:
    case ICON_TYPE::CUSTOM:
      return std::string();
    case ICON_TYPE::STOP:
      name = "icon_stop";
      break;
    case ICON_TYPE::QUESTION:
      name = "icon_question";
      break;
    case ICON_TYPE::EXCLAMATION:
      name = "icon_exclamation";
      break;
    case ICON_TYPE::ASTERISK:
      name = "icon_asterisk";
      break;
    case ICON_TYPE::DEFAULT:
    default:
      break;
  }
  return std::string(name) + kIconFileSuffix;
}

}  // namespace zarvo
