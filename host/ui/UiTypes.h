#pragma once
#include <cstdint>

#include "host/core/Types.h"

namespace zarvo {

// Size modes per direction; how SetLocalSize applies them is written down in WidgetInterface.h.
enum class WIDGET_SIZE : int32_t { NONE = 0, MIN = 1, MAX = 2, MIN_MAX = 3, FIXED = 4, INFINITE = 5 };
enum class WIDGET_DIRECTION : int32_t { HORIZONTAL = 0, VERTICAL = 1 };
enum class WIDGET_R2L_MODE : int32_t { LEFT_TO_RIGHT = 0, RIGHT_TO_LEFT = 1 };
// The way a widget's value or content runs: the first two are horizontal, the last two vertical.
enum class WIDGET_ORIENTATION : int32_t { LEFT_RIGHT = 0, RIGHT_LEFT = 1, TOP_BOTTOM = 2, BOTTOM_TOP = 3 };
constexpr bool IsHorizontal(WIDGET_ORIENTATION orientation) {
  return orientation == WIDGET_ORIENTATION::LEFT_RIGHT || orientation == WIDGET_ORIENTATION::RIGHT_LEFT;
}
constexpr WIDGET_DIRECTION DirectionOf(WIDGET_ORIENTATION orientation) {
  return IsHorizontal(orientation) ? WIDGET_DIRECTION::HORIZONTAL : WIDGET_DIRECTION::VERTICAL;
}
// The orientation seen in a right-to-left layout: the horizontal ones swap, the vertical ones stay.
constexpr WIDGET_ORIENTATION MirroredForR2L(WIDGET_ORIENTATION orientation) {
  switch (orientation) {
    case WIDGET_ORIENTATION::LEFT_RIGHT: return WIDGET_ORIENTATION::RIGHT_LEFT;
    case WIDGET_ORIENTATION::RIGHT_LEFT: return WIDGET_ORIENTATION::LEFT_RIGHT;
    default: return orientation;
  }
}

// What a widget reports back for an event.
enum class EVENT_RESULT : int32_t { UNCONSUMED = 0, CONSUMED = 1 };

enum class EVENT : int32_t {
  MOUSE_MOVE = 0,
  AREA_ENTERED = 1,
  AREA_LEFT = 2,
  BUTTON_DOWN = 10,
  BUTTON_DRAG = 11,
  BUTTON_UP = 12,
  SCROLL = 20,
  SWIPE = 30,
  ROTATE = 40,
  MAGNIFY = 50,
  KEYBOARD_KEY_DOWN = 100,
  KEYBOARD_KEY_REPEAT = 101,
  KEYBOARD_KEY_UP = 102,
  KEYBOARD_TEXT = 103,
  DND_ENTER = 200,
  DND_DRAG = 201,
  DND_DROP = 202,
  DND_LEAVE = 203,
};

// Mouse button flags; further buttons take the next bits.
namespace BUTTON {
constexpr Int NONE = 0;
constexpr Int LEFT = 1;
constexpr Int RIGHT = 2;
constexpr Int MIDDLE = 4;
}  // namespace BUTTON

namespace MODIFIER {
constexpr Int NONE = 0;
constexpr Int SHIFT = 1;
constexpr Int CONTROL = 2;
constexpr Int ALT = 4;
constexpr Int CAPSLOCK = 8;
}  // namespace MODIFIER

// Key codes of the keys without a character; printable keys use their Unicode code point.
namespace KEY {
constexpr Int32 BACKSPACE = 0xF108;
constexpr Int32 TAB = 0xF109;
constexpr Int32 ENTER = 0xF10D;
constexpr Int32 ESCAPE = 0xF11B;
constexpr Int32 DELETE = 0xF17F;
// The vertical arrows come first: widgets step by 0xF180/0xF181 (up/down, a vertical scrollbar,
// a spinner, a drop-down list) and by 0xF182/0xF183 (left/right, a horizontal scrollbar, the
// time slider).
constexpr Int32 UP = 0xF180;
constexpr Int32 DOWN = 0xF181;
constexpr Int32 LEFT = 0xF182;
constexpr Int32 RIGHT = 0xF183;
constexpr Int32 PAGE_UP = 0xF184;
constexpr Int32 PAGE_DOWN = 0xF185;
constexpr Int32 HOME = 0xF186;
constexpr Int32 END = 0xF187;
constexpr Int32 INSERT = 0xF188;
constexpr Int32 SHIFT = 0xF190;
constexpr Int32 CONTROL = 0xF191;
constexpr Int32 ALT = 0xF192;
constexpr Int32 CAPSLOCK = 0xF193;
constexpr Int32 F1 = 0xF1A1;  // F1..F12 follow in order
}  // namespace KEY

constexpr int DirectionIndex(WIDGET_DIRECTION direction) { return direction == WIDGET_DIRECTION::HORIZONTAL ? 0 : 1; }

}  // namespace zarvo
