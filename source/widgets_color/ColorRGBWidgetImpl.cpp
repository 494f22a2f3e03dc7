#include "source/widgets_color/ColorRGBWidgetImpl.h"

#include <array>

#include "source/widgets_color/ColorMath.h"

namespace zarvo {

namespace {

enum Row : size_t { kRed = 0, kGreen = 1, kBlue = 2, kAlpha = 3 };
constexpr std::array<Float, 4> kMaximum = {kColorSliderMaximum, kColorSliderMaximum, kColorSliderMaximum,
                                           kPercentSliderMaximum};

Float& Component(ColorA& color, size_t row) {
  switch (row) {
    case kRed: return color.r;
    case kGreen: return color.g;
    case kBlue: return color.b;
    default: return color.a;
  }
}

}  // namespace

ColorRGBWidgetImpl::ColorRGBWidgetImpl() : changed_(MakeRef<ColorRGBObservable>()) {
  [[maybe_unused]] const Result<void> named = changed_->Init(this, "ObservableColorChanged");
}

Result<void> ColorRGBWidgetImpl::CreateLayout() {
  ZV_TRY(TableWidgetImpl::CreateLayout());
  SetName(kColorRGBWidgetName);
  ZV_TRY(rows_.Build(*this,
                     {{"R", static_cast<Int>(kColorSliderMaximum)},
                      {"G", static_cast<Int>(kColorSliderMaximum)},
                      {"B", static_cast<Int>(kColorSliderMaximum)},
                      {"A", static_cast<Int>(kPercentSliderMaximum)}},
                     this, [this](size_t row, Int value) { return HandleMoved(row, value); }));
  return ShowValue();
}

Result<void> ColorRGBWidgetImpl::SetRGB(const ColorA& value, Bool notify) {
  rgb_ = value;
  if (rows_.GetRowCount() > 0) ZV_TRY(ShowValue());
  if (notify) ZV_TRY(changed_->Notify(WidgetRef(this), rgb_));
  return Ok();
}

Result<void> ColorRGBWidgetImpl::ShowValue() {
  ColorA shown = rgb_;
  for (size_t row = 0; row < kMaximum.size(); ++row) {
    ZV_TRY(rows_.SetValue(row, ComponentToSlider(Component(shown, row), kMaximum[row])));
  }
  return ShowTracks();
}

Result<void> ColorRGBWidgetImpl::ShowTracks() {
  for (size_t row = 0; row < kMaximum.size(); ++row) {
    ColorA from = rgb_;
    ColorA to = rgb_;
    Component(from, row) = 0.0;
    Component(to, row) = 1.0;
    // The colour tracks show opaque colours; only the alpha track fades.
    if (row != kAlpha) from.a = to.a = 1.0;
    ZV_TRY(rows_.SetTrack(row, {from, to}));
  }
  return Ok();
}

Result<void> ColorRGBWidgetImpl::HandleMoved(size_t row, Int value) {
  ColorA moved = rgb_;
  Component(moved, row) = SliderToComponent(value, kMaximum[row]);
  if (moved == rgb_) return Ok();
  rgb_ = moved;
  ZV_TRY(ShowTracks());
  return changed_->Notify(WidgetRef(this), rgb_);
}

}  // namespace zarvo
