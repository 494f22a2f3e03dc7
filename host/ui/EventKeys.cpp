#include "host/ui/EventKeys.h"

namespace zarvo {

namespace EventKeys {
#define ZV_EVENT_KEY(Name, text) \
  const Id& Name() {             \
    static const Id id(text);    \
    return id;                   \
  }
ZV_EVENT_KEY(EventType, "net.zarvo.ui.message.eventtype")
ZV_EVENT_KEY(Position, "net.zarvo.ui.message.position")
ZV_EVENT_KEY(ButtonState, "net.zarvo.ui.message.buttonstate")
ZV_EVENT_KEY(Clicks, "net.zarvo.ui.message.clicks")
ZV_EVENT_KEY(DoubleClick, "net.zarvo.ui.message.doubleclick")
ZV_EVENT_KEY(Key, "net.zarvo.ui.message.key")
ZV_EVENT_KEY(ModifierState, "net.zarvo.ui.message.modifierstate")
ZV_EVENT_KEY(UnicodeText, "net.zarvo.ui.message.unicodetext")
ZV_EVENT_KEY(ScrollDirection, "net.zarvo.ui.message.scrolldirection")
ZV_EVENT_KEY(Timestamp, "net.zarvo.ui.message.timestamp")
ZV_EVENT_KEY(Pressure, "net.zarvo.ui.message.pressure")
#undef ZV_EVENT_KEY
}  // namespace EventKeys

Result<EVENT> EventReader::GetType() const {
  ZV_TRY_ASSIGN(Int type, event_.GetRequired<Int>(EventKeys::EventType()));
  return static_cast<EVENT>(type);
}

Result<Int> EventReader::GetButtonState() const { return event_.Get<Int>(EventKeys::ButtonState(), BUTTON::NONE); }

Result<Vector2d> EventReader::GetPosition() const { return event_.Get<Vector2d>(EventKeys::Position(), Vector2d{}); }

Result<Int> EventReader::GetModifierState() const {
  return event_.Get<Int>(EventKeys::ModifierState(), MODIFIER::NONE);
}

Result<Int32> EventReader::GetKey() const { return event_.Get<Int32>(EventKeys::Key(), 0); }

Result<Int> EventReader::GetClicks() const { return event_.Get<Int>(EventKeys::Clicks(), 0); }

Result<String> EventReader::GetText() const { return event_.Get<String>(EventKeys::UnicodeText(), String()); }

Result<Vector2d> EventReader::GetScrollVector() const {
  return event_.Get<Vector2d>(EventKeys::ScrollDirection(), Vector2d{});
}

DataDictionary MakeMouseEvent(EVENT type, Vector2d position, Int buttonState, Int modifiers, Int clicks) {
  DataDictionary event;
  event.Set(EventKeys::EventType(), static_cast<Int32>(type));
  event.Set(EventKeys::Position(), position);
  event.Set(EventKeys::ButtonState(), buttonState);
  event.Set(EventKeys::ModifierState(), modifiers);
  if (clicks > 0) event.Set(EventKeys::Clicks(), clicks);
  return event;
}

DataDictionary MakeKeyEvent(EVENT type, Int32 key, Int modifiers) {
  DataDictionary event;
  event.Set(EventKeys::EventType(), static_cast<Int32>(type));
  event.Set(EventKeys::Key(), key);
  event.Set(EventKeys::ModifierState(), modifiers);
  return event;
}

DataDictionary MakeTextEvent(const String& utf8) {
  DataDictionary event;
  event.Set(EventKeys::EventType(), static_cast<Int32>(EVENT::KEYBOARD_TEXT));
  event.Set(EventKeys::UnicodeText(), utf8);
  return event;
}

DataDictionary MakeScrollEvent(Vector2d position, Vector2d scroll, Int modifiers) {
  DataDictionary event;
  event.Set(EventKeys::EventType(), static_cast<Int32>(EVENT::SCROLL));
  event.Set(EventKeys::Position(), position);
  event.Set(EventKeys::ScrollDirection(), scroll);
  event.Set(EventKeys::ModifierState(), modifiers);
  return event;
}

}  // namespace zarvo
