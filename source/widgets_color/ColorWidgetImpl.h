#pragma once
#include "source/interfaces/ColorWidgetInterface.h"
#include "source/widgets_color/ColorNotations.h"
#include "source/widgets_color/EyeDropper.h"
#include "source/widgets_layout/TableWidgetImpl.h"

namespace zarvo {

inline constexpr char kColorWidgetName[] = "ColorWidget";
inline constexpr char kScreenColorLabel[] = "Pick from a window";

// Four rows: the colour button, the screen-colour button and its label, then the RGB, HSV and
// HEX widgets. The screen-colour button shows the colour too, and while it picks, the colour
// under the pointer. Every change, from a notation, the colour button's chooser or a pick, is stored
// as one RGBA colour and written to the parts it did not come from.
class ColorWidgetImpl : public TableWidgetImpl, public virtual ColorWidgetInterface {
 public:
  ColorWidgetImpl() = default;

  Result<ButtonWidgetRef> GetScreenColorButtonWidget() const override;
  Result<ColorButtonWidgetRef> GetColorButtonWidget() const override;

  Result<void> CreateLayout() override;

  // The colour every part shows, for the program that owns the widget. Components are clamped
  // to 0..1; one that is no number is refused with "Color component is not a number".
  [[nodiscard]] Result<void> SetRGBA(const ColorA& color);
  const ColorA& GetRGBA() const noexcept { return rgba_; }
  const ColorNotations& GetNotations() const noexcept { return notations_; }
  const EyeDropper& GetEyeDropper() const noexcept { return eyeDropper_; }

 private:
  // Where a change came from, when it was none of the notations.
  enum class Origin { kNotation, kScreenPicker };

  [[nodiscard]] Result<void> Synchronize(const ColorA& color, const WidgetInterface* source, Origin origin);
  [[nodiscard]] Result<void> StartScreenPick();

  ColorA rgba_{0.0, 0.0, 0.0, 0.0};
  ColorNotations notations_;
  WeakRef<ColorButtonWidgetInterface> colorButton_;
  WeakRef<ColorButtonWidgetInterface> screenButton_;
  EyeDropper eyeDropper_;
};

}  // namespace zarvo
