#pragma once
#include "host/core/DataDictionary.h"
#include "host/core/Id.h"
#include "host/ui/UiTypes.h"

namespace zarvo {

// The keys of input event records.
namespace EventKeys {
const Id& EventType();      // "net.zarvo.ui.message.eventtype", Int32 EVENT
const Id& Position();       // "net.zarvo.ui.message.position", Vector2d in global canvas coordinates
const Id& ButtonState();    // "net.zarvo.ui.message.buttonstate", Int BUTTON flags
const Id& Clicks();         // "net.zarvo.ui.message.clicks", Int
const Id& DoubleClick();    // "net.zarvo.ui.message.doubleclick", Bool
const Id& Key();            // "net.zarvo.ui.message.key", Int32
const Id& ModifierState();  // "net.zarvo.ui.message.modifierstate", Int MODIFIER flags
const Id& UnicodeText();    // "net.zarvo.ui.message.unicodetext", String (UTF-8)
const Id& ScrollDirection();  // "net.zarvo.ui.message.scrolldirection", Vector2d scroll vector (below)
const Id& Timestamp();      // "net.zarvo.ui.message.timestamp", Float seconds
const Id& Pressure();       // "net.zarvo.ui.message.pressure", Float 0..1
}  // namespace EventKeys

// A SCROLL event's scroll vector says how far, in pixels, the content under the pointer follows
// the wheel: y > 0 when the wheel turns up (away from the user), x > 0 when it turns left. One
// notch of a mouse wheel is this far, about three lines of text.
constexpr Float kScrollPixelsPerWheelNotch = 40.0;

// Reads an event record with the absent-key defaults every handler shares: an absent record
// reads as the empty dictionary, an absent key as 0. A key of the wrong type is an error.
class EventReader {
 public:
  explicit EventReader(const DataDictionary* event) : event_(event ? *event : DataDictionary::GetEmpty()) {}

  // The event type; absent or unreadable types are errors, which handlers treat as "not consumed".
  [[nodiscard]] Result<EVENT> GetType() const;
  [[nodiscard]] Result<Int> GetButtonState() const;
  [[nodiscard]] Result<Vector2d> GetPosition() const;
  [[nodiscard]] Result<Int> GetModifierState() const;
  [[nodiscard]] Result<Int32> GetKey() const;
  [[nodiscard]] Result<Int> GetClicks() const;
  [[nodiscard]] Result<String> GetText() const;
  [[nodiscard]] Result<Vector2d> GetScrollVector() const;
  const DataDictionary& GetRecord() const noexcept { return event_; }

 private:
  const DataDictionary& event_;
};

// Builders for synthetic events (tests, the gallery's scripts, the backends).
DataDictionary MakeMouseEvent(EVENT type, Vector2d position, Int buttonState = BUTTON::NONE,
                              Int modifiers = MODIFIER::NONE, Int clicks = 0);
DataDictionary MakeKeyEvent(EVENT type, Int32 key, Int modifiers = MODIFIER::NONE);
DataDictionary MakeTextEvent(const String& utf8);
DataDictionary MakeScrollEvent(Vector2d position, Vector2d scroll, Int modifiers = MODIFIER::NONE);

}  // namespace zarvo
