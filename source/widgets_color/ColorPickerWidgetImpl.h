#pragma once
#include "source/interfaces/ColorFieldWidgetInterface.h"
#include "source/interfaces/ColorPickerWidgetInterface.h"
#include "source/interfaces/TextButtonWidgetInterface.h"
#include "source/widgets_color/ColorNotations.h"
#include "source/widgets_color/EyeDropper.h"
#include "source/widgets_layout/TableWidgetImpl.h"

namespace zarvo {

inline constexpr char kColorPickerWidgetName[] = "ColorPickerWidget";
inline constexpr char kEyeDropperLabel[] = "Eye Dropper";

// Three rows: the spectrum with its hue slider; the RGB sliders; the field showing the colour,
// the HEX code and the "Eye Dropper" button. While the eye dropper picks, the field previews
// the colour under the pointer; the pick keeps the picker's alpha.
class ColorPickerWidgetImpl : public TableWidgetImpl, public virtual ColorPickerWidgetInterface {
 public:
  ColorPickerWidgetImpl();

  Result<void> SetPickedColor(const ColorA& color, Bool notify) override;
  Result<ColorA> GetPickedColor() const override { return color_; }
  Ref<ColorPickerObservable> ObservableColorChanged() override { return changed_; }

  Result<void> CreateLayout() override;

  const ColorNotations& GetNotations() const noexcept { return notations_; }
  ColorFieldWidgetRef GetField() const { return field_.Lock(); }
  TextButtonWidgetRef GetEyeDropperButton() const { return eyeDropperButton_.Lock(); }
  const EyeDropper& GetEyeDropper() const noexcept { return eyeDropper_; }

 private:
  // Takes a colour from one part and shows it in the others.
  [[nodiscard]] Result<void> Apply(const ColorA& color, const WidgetInterface* source, Bool notify);
  [[nodiscard]] Result<void> StartEyeDropper();
  void ShowInField(const ColorA& color) const;

  ColorA color_{0.0, 0.0, 0.0, 0.0};
  ColorNotations notations_;
  WeakRef<ColorFieldWidgetInterface> field_;
  WeakRef<TextButtonWidgetInterface> eyeDropperButton_;
  EyeDropper eyeDropper_;
  Ref<ColorPickerObservable> changed_;
};

}  // namespace zarvo
