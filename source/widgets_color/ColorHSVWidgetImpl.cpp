#include "source/widgets_color/ColorHSVWidgetImpl.h"

#include "source/widgets_color/ColorMath.h"

namespace zarvo {

namespace {

enum Row : size_t { kHue = 0, kSaturation = 1, kValue = 2 };


}  // namespace

ColorHSVWidgetImpl::ColorHSVWidgetImpl() : changed_(MakeRef<ColorHSVObservable>()) {
  [[maybe_unused]] const Result<void> named = changed_->Init(this, "ObservableColorChanged");
}

Result<void> ColorHSVWidgetImpl::CreateLayout() {
  ZV_TRY(TableWidgetImpl::CreateLayout());
  SetName(kColorHSVWidgetName);
  ZV_TRY(rows_.Build(*this,
                     {{"H", static_cast<Int>(kHueSliderMaximum)},
                      {"S", static_cast<Int>(kPercentSliderMaximum)},
                      {"V", static_cast<Int>(kPercentSliderMaximum)}},
                     this, [this](size_t row, Int value) { return HandleMoved(row, value); }));
  ZV_TRY(rows_.SetTrack(kHue, HueTrackStops()));
  return ShowValue();
}

Result<void> ColorHSVWidgetImpl::SetHSV(const Vector& value, Bool notify) {
  hsv_ = value;
  if (rows_.GetRowCount() > 0) ZV_TRY(ShowValue());
  if (notify) ZV_TRY(changed_->Notify(WidgetRef(this), hsv_));
  return Ok();
}

Result<void> ColorHSVWidgetImpl::ShowValue() {
  ZV_TRY(rows_.SetValue(kHue, ComponentToSlider(hsv_.x, kHueSliderMaximum)));
  ZV_TRY(rows_.SetValue(kSaturation, ComponentToSlider(hsv_.y, kPercentSliderMaximum)));
  ZV_TRY(rows_.SetValue(kValue, ComponentToSlider(hsv_.z, kPercentSliderMaximum)));
  return ShowTracks();
}

Result<void> ColorHSVWidgetImpl::ShowTracks() {
  ZV_TRY(rows_.SetTrack(kSaturation, {HsvToRgb({hsv_.x, 0.0, hsv_.z}), HsvToRgb({hsv_.x, 1.0, hsv_.z})}));
  return rows_.SetTrack(kValue, {HsvToRgb({hsv_.x, hsv_.y, 0.0}), HsvToRgb({hsv_.x, hsv_.y, 1.0})});
}

Result<void> ColorHSVWidgetImpl::HandleMoved(size_t row, Int value) {
  Vector moved = hsv_;
  switch (row) {
    case kHue: moved.x = HueSliderToComponent(value); break;
    case kSaturation: moved.y = SliderToComponent(value, kPercentSliderMaximum); break;
    default: moved.z = SliderToComponent(value, kPercentSliderMaximum); break;
  }
  if (moved == hsv_) return Ok();
  hsv_ = moved;
  ZV_TRY(ShowTracks());
  return changed_->Notify(WidgetRef(this), hsv_);
}

}  // namespace zarvo
