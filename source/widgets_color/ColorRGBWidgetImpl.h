#pragma once
#include "source/interfaces/ColorRGBWidgetInterface.h"
#include "source/widgets_color/ColorSliderRows.h"
#include "source/widgets_layout/TableWidgetImpl.h"

namespace zarvo {

inline constexpr char kColorRGBWidgetName[] = "ColorRGBWidget";

// Four rows of sliders: R, G, B (0..255) and A (0..100). Each track shows the colour from that
// component at 0 to it at 1, the others as they are.
class ColorRGBWidgetImpl : public TableWidgetImpl, public virtual ColorRGBWidgetInterface {
 public:
  ColorRGBWidgetImpl();

  Result<void> SetRGB(const ColorA& value, Bool notify) override;
  Result<ColorA> GetRGB() const override { return rgb_; }
  Ref<ColorRGBObservable> ObservableColorChanged() override { return changed_; }

  Result<void> CreateLayout() override;

  const ColorSliderRows& GetRows() const noexcept { return rows_; }

 private:
  [[nodiscard]] Result<void> ShowValue();
  [[nodiscard]] Result<void> ShowTracks();
  [[nodiscard]] Result<void> HandleMoved(size_t row, Int value);

  ColorA rgb_{0.0, 0.0, 0.0, 0.0};
  ColorSliderRows rows_;
  Ref<ColorRGBObservable> changed_;
};

}  // namespace zarvo
