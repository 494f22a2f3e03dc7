#include "host/ui/EventDriver.h"

namespace zarvo {

Result<bool> EventDriver::Send(const DataDictionary& event) {
  Ref<AppWindowInterface> keep(&window_);
  window_.InjectEvent(event);
  Result<bool> consumed = window_.GetLastDispatchResult();
  ZV_TRY(window_.Update());
  return consumed;
}

Result<bool> EventDriver::Move(Vector2d position) { return Send(MakeMouseEvent(EVENT::MOUSE_MOVE, position)); }

Result<bool> EventDriver::Press(Vector2d position, Int button, Int modifiers) {
  clicks_ = 1;
  return Send(MakeMouseEvent(EVENT::BUTTON_DOWN, position, button, modifiers, clicks_));
}

Result<bool> EventDriver::Drag(Vector2d position, Int button, Int modifiers) {
  return Send(MakeMouseEvent(EVENT::BUTTON_DRAG, position, button, modifiers));
}

Result<bool> EventDriver::Release(Vector2d position, Int button, Int modifiers) {
  return Send(MakeMouseEvent(EVENT::BUTTON_UP, position, button, modifiers, clicks_));
}

Result<bool> EventDriver::Click(Vector2d position, Int button) {
  ZV_TRY(Move(position));
  ZV_TRY(Press(position, button));
  return Release(position, button);
}

Result<bool> EventDriver::KeyDown(Int32 key, Int modifiers) {
  return Send(MakeKeyEvent(EVENT::KEYBOARD_KEY_DOWN, key, modifiers));
}

Result<bool> EventDriver::KeyUp(Int32 key, Int modifiers) { return Send(MakeKeyEvent(EVENT::KEYBOARD_KEY_UP, key, modifiers)); }

Result<bool> EventDriver::KeyPress(Int32 key, Int modifiers) {
  ZV_TRY_ASSIGN(bool consumed, KeyDown(key, modifiers));
  ZV_TRY(KeyUp(key, modifiers));
  return consumed;
}

Result<bool> EventDriver::Type(const String& utf8) { return Send(MakeTextEvent(utf8)); }

Result<bool> EventDriver::Scroll(Vector2d position, Vector2d scroll, Int modifiers) {
  return Send(MakeScrollEvent(position, scroll, modifiers));
}

Vector2d EventDriver::CenterOf(const WidgetInterface& widget) {
  const Rect frame = widget.GetGlobalFrame();
  return {(frame.left + frame.right) * 0.5, (frame.top + frame.bottom) * 0.5};
}

}  // namespace zarvo
