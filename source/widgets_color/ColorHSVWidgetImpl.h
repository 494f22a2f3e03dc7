#pragma once
#include "source/interfaces/ColorHSVWidgetInterface.h"
#include "source/widgets_color/ColorSliderRows.h"
#include "source/widgets_layout/TableWidgetImpl.h"

namespace zarvo {

inline constexpr char kColorHSVWidgetName[] = "ColorHSVWidget";

// Three rows of sliders: H (0..360) over the hue circle, S and V (0..100) over the current hue.
class ColorHSVWidgetImpl : public TableWidgetImpl, public virtual ColorHSVWidgetInterface {
 public:
  ColorHSVWidgetImpl();

  Result<void> SetHSV(const Vector& value, Bool notify) override;
  Result<Vector> GetHSV() const override { return hsv_; }
  Ref<ColorHSVObservable> ObservableColorChanged() override { return changed_; }

  Result<void> CreateLayout() override;

  const ColorSliderRows& GetRows() const noexcept { return rows_; }

 private:
  [[nodiscard]] Result<void> ShowValue();
  [[nodiscard]] Result<void> ShowTracks();
  [[nodiscard]] Result<void> HandleMoved(size_t row, Int value);

  Vector hsv_;
  ColorSliderRows rows_;
  Ref<ColorHSVObservable> changed_;
};

}  // namespace zarvo
