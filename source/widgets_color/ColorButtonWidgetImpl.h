#pragma once
#include <memory>

#include "source/interfaces/ColorButtonWidgetInterface.h"
#include "source/widgets_base/ButtonWidgetImpl.h"
#include "source/widgets_color/ColorChooser.h"

namespace zarvo {

inline constexpr char kColorButtonWidgetName[] = "ColorButtonWidget";

// A button whose background is the colour it shows. Hover and click do not tint it: the colour
// is the point. A click opens the colour chooser (one at a time) with the button's colour.
class ColorButtonWidgetImpl : public ButtonWidgetImpl, public virtual ColorButtonWidgetInterface {
 public:
  ColorButtonWidgetImpl() = default;
  ~ColorButtonWidgetImpl() override;

  Result<void> InitComponent() override;
  void FreeComponent() override;
  Ref<ColorButtonObservable> ObservableColorChanged() override {
    return colorChanged_.Get(this, "ObservableColorChanged");
  }

  Result<void> CreateLayout() override;
  Result<void> HandleCursorInfo(Vector2d) override { return Ok(); }
  Result<bool> HandleEvent(const DataDictionary* event) override;

  // Off for a button that only shows a colour and leaves the click to its observers (the
  // compound colour widget's screen-colour button).
  void SetOpensChooser(bool opens) noexcept { opensChooser_ = opens; }
  // Opens the chooser as a click does; the open one when there is one.
  [[nodiscard]] Result<void> OpenChooser();
  // The chooser window while it is open, else null.
  ColorChooser* GetChooser() const noexcept { return chooser_ && chooser_->IsOpen() ? chooser_.get() : nullptr; }

 private:
  [[nodiscard]] Result<void> HandleChosen(const ColorA& color);

  std::unique_ptr<ColorChooser> chooser_;
  bool opensChooser_ = true;
  LazyObservable<ColorButtonObservable> colorChanged_;
};

}  // namespace zarvo
