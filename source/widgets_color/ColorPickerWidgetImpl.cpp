#include "source/widgets_color/ColorPickerWidgetImpl.h"

#include "host/core/ClassRegistry.h"
#include "host/core/Log.h"
#include "source/widgets_color/ColorLayout.h"
#include "source/widgets_color/ColorMath.h"
#include "source/widgets_color/ColorStyle.h"

namespace zarvo {

ColorPickerWidgetImpl::ColorPickerWidgetImpl() : changed_(MakeRef<ColorPickerObservable>()) {
  [[maybe_unused]] const Result<void> named = changed_->Init(this, "ObservableColorChanged");
}

Result<void> ColorPickerWidgetImpl::CreateLayout() {
  ZV_TRY(TableWidgetImpl::CreateLayout());
  SetName(kColorPickerWidgetName);
  ZV_TRY(Resize(1, 3));

  ZV_TRY_ASSIGN(ColorHSVSpectrumWidgetRef spectrum,
                CreateObject<ColorHSVSpectrumWidgetInterface>(Id(kColorHSVSpectrumWidgetClassId)));
  ZV_TRY(spectrum->CreateLayout());
  spectrum->ObservableColorChanged()->AddObserver(this, [this](const WidgetRef& sender, Vector hsv, Bool) {
    return Apply(HsvToRgb(hsv, color_.a), sender.Get(), true);
  });
  ZV_TRY(PlaceInCell(*this, 0, 0, spectrum, kColorRowSpacing));
  notations_.SetSpectrum(spectrum);

  ZV_TRY_ASSIGN(ColorRGBWidgetRef rgb, CreateObject<ColorRGBWidgetInterface>(Id(kColorRGBWidgetClassId)));
  ZV_TRY(rgb->CreateLayout());
  rgb->ObservableColorChanged()->AddObserver(
      this, [this](const WidgetRef& sender, ColorA color) { return Apply(color, sender.Get(), true); });
  ZV_TRY(PlaceInCell(*this, 0, 1, rgb, 0.0));
  notations_.SetRGB(rgb);

  ZV_TRY_ASSIGN(TableWidgetRef bottom, MakeTable(3, 1));
  ZV_TRY_ASSIGN(ColorFieldWidgetRef field, CreateObject<ColorFieldWidgetInterface>(Id(kColorFieldWidgetClassId)));
  ZV_TRY(field->CreateLayout());
  for (const WIDGET_DIRECTION direction : {WIDGET_DIRECTION::HORIZONTAL, WIDGET_DIRECTION::VERTICAL}) {
    field->SetSizeMode(WIDGET_SIZE::FIXED, direction);
  }
  field->SetFixedSize(CanvasUnitValue::Pix(kColorButtonWidth), WIDGET_DIRECTION::HORIZONTAL);
  field->SetFixedSize(CanvasUnitValue::Pix(kColorButtonHeight), WIDGET_DIRECTION::VERTICAL);
  ZV_TRY(PlaceInCell(*bottom, 0, 0, field, kColorRowSpacing));
  field_ = field;

  ZV_TRY_ASSIGN(ColorHEXWidgetRef hex, CreateObject<ColorHEXWidgetInterface>(Id(kColorHEXWidgetClassId)));
  ZV_TRY(hex->CreateLayout());
  hex->ObservableColorChanged()->AddObserver(this, [this](const WidgetRef& sender, uint32_t code) {
    return Apply(HexCodeToRgb(code, color_.a), sender.Get(), true);
  });
  ZV_TRY(PlaceInCell(*bottom, 1, 0, hex, 0.0));
  notations_.SetHEX(hex);

  ZV_TRY_ASSIGN(TextButtonWidgetRef dropper, MakeTextButton(kEyeDropperLabel));
  dropper->ObservableButtonUp()->AddObserver(this, [this](const ButtonWidgetRef&) { return StartEyeDropper(); });
  ZV_TRY(PlaceInCell(*bottom, 2, 0, dropper, kColorRowSpacing));
  eyeDropperButton_ = dropper;
  ZV_TRY(PlaceInCell(*this, 0, 2, bottom, 0.0));
  return Apply(color_, nullptr, false);
}

Result<void> ColorPickerWidgetImpl::SetPickedColor(const ColorA& color, Bool notify) {
  const std::optional<ColorA> clamped = ClampedColor(color);
  if (!clamped) return IllegalArgumentError("Color component is not a number");
  return Apply(*clamped, nullptr, notify);
}

Result<void> ColorPickerWidgetImpl::Apply(const ColorA& color, const WidgetInterface* source, Bool notify) {
  color_ = color;
  ShowInField(color_);
  if (field_.IsSet()) ZV_TRY(notations_.Show(color_, source));
  if (notify) ZV_TRY(changed_->Notify(WidgetRef(this), color_));
  return Ok();
}

void ColorPickerWidgetImpl::ShowInField(const ColorA& color) const {
  if (ColorFieldWidgetRef field = field_.Lock()) {
    field->SetBackgroundColor(color);
    field->RequestRedraw();
  }
}

Result<void> ColorPickerWidgetImpl::StartEyeDropper() {
  LogInfo("eye dropper click");
  eyeDropper_.Start(
      [this](const ColorA& color) {
        ShowInField(color);
        return Ok();
      },
      [this](const ColorA& color) { return Apply({color.r, color.g, color.b, color_.a}, nullptr, true); },
      [this]() {
        ShowInField(color_);
        return Ok();
      });
  return Ok();
}

}  // namespace zarvo
