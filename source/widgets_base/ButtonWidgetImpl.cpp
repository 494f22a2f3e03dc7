#include "source/widgets_base/ButtonWidgetImpl.h"

#include "host/ui/EventKeys.h"
#include "source/WidgetComponent.h"

namespace zarvo {

namespace {
constexpr Float kByte = 1.0 / 255.0;
const StyleKey<ColorA> kBackgroundColor = StyleSheetService::Declare<ColorA>(
    "net.zarvo.mvp.stylesheet.button.background_color", ColorA{88 * kByte, 88 * kByte, 88 * kByte, 1.0});
const StyleKey<ColorA> kHighlightColor = StyleSheetService::Declare<ColorA>(
    "net.zarvo.mvp.stylesheet.button.highlight_color", ColorA{55 * kByte, 55 * kByte, 55 * kByte, 1.0});
const StyleKey<ColorA> kBorderColor = StyleSheetService::Declare<ColorA>(
    "net.zarvo.mvp.stylesheet.button.border_color", ColorA{31 * kByte, 31 * kByte, 31 * kByte, 1.0});
const StyleKey<ColorA> kClickColor = StyleSheetService::Declare<ColorA>(
    "net.zarvo.mvp.stylesheet.button.click_color", ColorA{1.0, 80 * kByte, 80 * kByte, 1.0});
}  // namespace

ButtonWidgetImpl::ButtonWidgetImpl() = default;

Result<void> ButtonWidgetImpl::InitComponent() {
  // The observables are named when they are first handed out.
  return Ok();
}

void ButtonWidgetImpl::FreeComponent() { FreeObservables({buttonUp_.Peek(), buttonDown_.Peek(), enterKeyDown_.Peek()}); }

Result<void> ButtonWidgetImpl::CopyFrom(const ObjectInterface& source) {
  const auto* other = dynamic_cast<const ButtonWidgetImpl*>(&source);
  if (!other) return IllegalArgumentError("CopyFrom needs an instance of the same class");
  buttonDown_.ShareFrom(other->buttonDown_, *other, "ObservableButtonDown");
  buttonUp_.ShareFrom(other->buttonUp_, *other, "ObservableButtonUp");
  enterKeyDown_.ShareFrom(other->enterKeyDown_, *other, "ObservableEnterKeyDown");
  savedBackgroundColor_ = other->savedBackgroundColor_;
  pressed_ = other->pressed_;
  hovered_ = other->hovered_;
  return Ok();
}

Result<void> ButtonWidgetImpl::CreateLayout() {
  ZV_TRY(WidgetBase::CreateLayout());
  SetName("ButtonWidget");
  SetAcceptFocus(true);
  SetAcceptTabFocus(true);
  SetFocusVisibility(true);
  SetBorderVisibility(true);
  SetBackgroundVisibility(true);
  SetBackgroundColor(ReadStyle(*this, kBackgroundColor));
  SetBorderVisibility(true);
  SetBorderColor(ReadStyle(*this, kBorderColor));
  return Ok();
}

Result<void> ButtonWidgetImpl::LayoutPass1() {
  WidgetInterface* child = GetFirstChildWidget();
  if (!child) return Ok();
  Vector2d size = GetLocalPixSize();
  const Vector2d childSize = child->GetParentLocalSize();
  if (child->GetSizeMode(WIDGET_DIRECTION::HORIZONTAL) != WIDGET_SIZE::INFINITE) size.x = childSize.x;
  if (child->GetSizeMode(WIDGET_DIRECTION::VERTICAL) != WIDGET_SIZE::INFINITE) size.y = childSize.y;
  return SetLocalSize(size.x, size.y);
}

Result<void> ButtonWidgetImpl::HandleCursorInfo(Vector2d position) {
  if (GetGlobalFrame().Contains(position)) {
    hovered_ = true;
    SetBackgroundColor(ReadStyle(*this, kHighlightColor));
  } else if (hovered_) {
    hovered_ = false;
    SetBackgroundColor(ReadStyle(*this, kBackgroundColor));
  }
  return Ok();
}

Result<bool> ButtonWidgetImpl::Fire(const LazyObservable<ButtonObservable>& observable) {
  return FireObservable(observable, ButtonWidgetRef(this));
}

void ButtonWidgetImpl::ApplyClickColor() {
  savedBackgroundColor_ = GetBackgroundColor();
  SetBackgroundColor(ReadStyle(*this, kClickColor));
}

Result<bool> ButtonWidgetImpl::HandleEvent(const DataDictionary* event) {
  EventReader reader(event);
  Result<EVENT> type = reader.GetType();
  if (!type.IsOk()) return false;
  switch (*type) {
    case EVENT::BUTTON_DOWN: {
      ZV_TRY_ASSIGN(Int buttons, reader.GetButtonState());
      if (buttons != BUTTON::LEFT) return false;
      pressed_ = true;
      ApplyClickColor();
      RequestRedraw();
      return FireButtonDown();
    }
    case EVENT::BUTTON_DRAG: {
      ZV_TRY_ASSIGN(Vector2d position, reader.GetPosition());
      ZV_TRY_ASSIGN(bool hit, MouseHit(position));
      if (hit == pressed_) return true;
      pressed_ = hit;
      if (hit) {
        ApplyClickColor();
      } else {
        SetBackgroundColor(savedBackgroundColor_);
      }
      RequestRedraw();
      return true;
    }
    case EVENT::BUTTON_UP: {
      ZV_TRY_ASSIGN(Int buttons, reader.GetButtonState());
      if (buttons != BUTTON::LEFT) return false;
      pressed_ = false;
      SetBackgroundColor(savedBackgroundColor_);
      RequestRedraw();
      ZV_TRY_ASSIGN(Vector2d position, reader.GetPosition());
      ZV_TRY_ASSIGN(bool hit, MouseHit(position));
      if (!hit) return true;
      return FireButtonUp();
    }
    case EVENT::KEYBOARD_KEY_DOWN: {
      ZV_TRY_ASSIGN(Int modifiers, reader.GetModifierState());
      ZV_TRY_ASSIGN(Int32 key, reader.GetKey());
      if (modifiers != MODIFIER::NONE || key != KEY::ENTER) return false;
      ApplyClickColor();
      RequestRedraw();
      ZV_TRY(Fire(enterKeyDown_));
      return FireButtonDown();
    }
    case EVENT::KEYBOARD_KEY_UP: {
      ZV_TRY_ASSIGN(Int modifiers, reader.GetModifierState());
      ZV_TRY_ASSIGN(Int32 key, reader.GetKey());
      if (modifiers != MODIFIER::NONE || key != KEY::ENTER) return false;
      SetBackgroundColor(savedBackgroundColor_);
      RequestRedraw();
      return FireButtonUp();
    }
    default:
      return false;
  }
}

}  // namespace zarvo
