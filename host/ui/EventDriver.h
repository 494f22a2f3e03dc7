#pragma once
#include "host/ui/AppWindow.h"
#include "host/ui/EventKeys.h"

namespace zarvo {

// Plays synthetic input into a window the way the window system would, and updates the window
// after every event. Tests and the gallery's scripts use it. Each call returns whether a
// widget consumed the event (or the routing's error).
class EventDriver {
 public:
  explicit EventDriver(AppWindow& window) : window_(window) {}

  [[nodiscard]] Result<bool> Send(const DataDictionary& event);
  [[nodiscard]] Result<bool> Move(Vector2d position);
  [[nodiscard]] Result<bool> Press(Vector2d position, Int button = BUTTON::LEFT, Int modifiers = MODIFIER::NONE);
  [[nodiscard]] Result<bool> Drag(Vector2d position, Int button = BUTTON::LEFT, Int modifiers = MODIFIER::NONE);
  [[nodiscard]] Result<bool> Release(Vector2d position, Int button = BUTTON::LEFT, Int modifiers = MODIFIER::NONE);
  // Move, press and release at one position; the result is the release's.
  [[nodiscard]] Result<bool> Click(Vector2d position, Int button = BUTTON::LEFT);
  [[nodiscard]] Result<bool> Click(const WidgetInterface& widget) { return Click(CenterOf(widget)); }
  [[nodiscard]] Result<bool> KeyDown(Int32 key, Int modifiers = MODIFIER::NONE);
  [[nodiscard]] Result<bool> KeyUp(Int32 key, Int modifiers = MODIFIER::NONE);
  // Down then up; the result is the down's.
  [[nodiscard]] Result<bool> KeyPress(Int32 key, Int modifiers = MODIFIER::NONE);
  [[nodiscard]] Result<bool> Type(const String& utf8);
  [[nodiscard]] Result<bool> Scroll(Vector2d position, Vector2d scroll, Int modifiers = MODIFIER::NONE);

  static Vector2d CenterOf(const WidgetInterface& widget);

 private:
  AppWindow& window_;
  Int clicks_ = 0;
};

}  // namespace zarvo
