#pragma once
#include "host/ui/WidgetBase.h"
#include "source/WidgetComponent.h"
#include "source/interfaces/ButtonWidgetInterface.h"

namespace zarvo {

// The push button, and the base of the module's compound buttons.
class ButtonWidgetImpl : public WidgetBase, public virtual ButtonWidgetInterface {
 public:
  ButtonWidgetImpl();

  Result<void> InitComponent() override;
  void FreeComponent() override;
  Result<void> CopyFrom(const ObjectInterface& source) override;

  Ref<ButtonObservable> ObservableButtonDown() override { return buttonDown_.Get(this, "ObservableButtonDown"); }
  Ref<ButtonObservable> ObservableButtonUp() override { return buttonUp_.Get(this, "ObservableButtonUp"); }
  Ref<ButtonObservable> ObservableEnterKeyDown() override {
    return enterKeyDown_.Get(this, "ObservableEnterKeyDown");
  }

  Result<void> CreateLayout() override;
  Result<void> LayoutPass1() override;
  Result<void> DrawHighlight() override { return Ok(); }
  Result<void> HandleCursorInfo(Vector2d position) override;
  Result<bool> HandleEvent(const DataDictionary* event) override;

  bool IsPressed() const noexcept { return pressed_; }
  bool IsHovered() const noexcept { return hovered_; }

 protected:
  [[nodiscard]] Result<bool> FireButtonDown() { return Fire(buttonDown_); }
  [[nodiscard]] Result<bool> FireButtonUp() { return Fire(buttonUp_); }

 private:
  [[nodiscard]] Result<bool> Fire(const LazyObservable<ButtonObservable>& observable);
  // Shows the click colour, keeping the colour it replaces.
  void ApplyClickColor();

  LazyObservable<ButtonObservable> buttonDown_;
  LazyObservable<ButtonObservable> buttonUp_;
  LazyObservable<ButtonObservable> enterKeyDown_;
  ColorA savedBackgroundColor_;
  bool pressed_ = false;
  bool hovered_ = false;
};

}  // namespace zarvo
