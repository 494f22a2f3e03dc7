#include "source/widgets_color/ColorSliderRows.h"

#include "host/core/ClassRegistry.h"
#include "source/interfaces/TextWidgetInterface.h"
#include "source/widgets_color/ColorLayout.h"
#include "source/widgets_color/ColorStyle.h"

namespace zarvo {

Result<void> ColorSliderRows::Build(TableWidgetInterface& table, const std::vector<ColorSliderRow>& rows,
                                    const ObjectInterface* owner, Moved moved) {
  sliders_.clear();
  ZV_TRY(table.Resize(2, static_cast<Int>(rows.size())));
  for (size_t row = 0; row < rows.size(); ++row) {
    ZV_TRY_ASSIGN(TextWidgetRef label, CreateObject<TextWidgetInterface>(Id(kTextWidgetClassId)));
    label->SetText(rows[row].label);
    ZV_TRY(PlaceInCell(table, 0, static_cast<Int>(row), label, kColorRowSpacing));
    ZV_TRY_ASSIGN(IntSliderWidgetRef slider, CreateObject<SliderWidgetInterface<Int>>(Id(kIntSliderWidgetClassId)));
    ZV_TRY(slider->SetMin(0));
    ZV_TRY(slider->SetMax(rows[row].maximum));
    ZV_TRY(slider->SetStep(1));
    ZV_TRY(slider->SetColorSlider(true));
    for (const WIDGET_DIRECTION direction : {WIDGET_DIRECTION::HORIZONTAL, WIDGET_DIRECTION::VERTICAL}) {
      slider->SetSizeMode(WIDGET_SIZE::FIXED, direction);
    }
    slider->SetFixedSize(CanvasUnitValue::Pix(kColorSliderLength), WIDGET_DIRECTION::HORIZONTAL);
    slider->SetFixedSize(CanvasUnitValue::Pix(kColorSliderThickness), WIDGET_DIRECTION::VERTICAL);
    slider->ObservableValueChanged()->AddObserver(owner, [moved, row](const WidgetRef&, Int value, Bool) {
      return moved(row, value);
    });
    ZV_TRY(PlaceInCell(table, 1, static_cast<Int>(row), slider, kColorRowSpacing));
    sliders_.emplace_back(slider);
  }
  return Ok();
}

Result<IntSliderWidgetRef> ColorSliderRows::GetSlider(size_t row) const {
  if (row >= sliders_.size()) return IllegalStateError("Missing widget link");
  Ref<SliderWidgetInterface<Int>> slider = sliders_[row].Lock();
  if (!slider) return IllegalStateError("Missing widget link");
  return slider;
}

Result<void> ColorSliderRows::SetValue(size_t row, Int value) const {
  ZV_TRY_ASSIGN(IntSliderWidgetRef slider, GetSlider(row));
  return slider->SetValue(value, false);
}

Result<void> ColorSliderRows::SetTrack(size_t row, std::vector<ColorA> stops) const {
  ZV_TRY_ASSIGN(IntSliderWidgetRef slider, GetSlider(row));
  return slider->SetSliderBackgroundColor(std::move(stops));
}

}  // namespace zarvo
