#include "source/widgets_color/ColorWidgetImpl.h"

#include "host/core/ClassRegistry.h"
#include "host/core/Log.h"
#include "source/interfaces/TextWidgetInterface.h"
#include "source/widgets_color/ColorButtonWidgetImpl.h"
#include "source/widgets_color/ColorLayout.h"
#include "source/widgets_color/ColorMath.h"
#include "source/widgets_color/ColorStyle.h"

namespace zarvo {

namespace {
constexpr char kWidgetLinkNotSet[] = "Widget Link not set.";
}  // namespace

Result<ButtonWidgetRef> ColorWidgetImpl::GetScreenColorButtonWidget() const {
  ColorButtonWidgetRef button = screenButton_.Lock();
  if (!button) return IllegalStateError(kWidgetLinkNotSet);
  return ButtonWidgetRef(button);
}

Result<ColorButtonWidgetRef> ColorWidgetImpl::GetColorButtonWidget() const {
  ColorButtonWidgetRef button = colorButton_.Lock();
  if (!button) return IllegalStateError(kWidgetLinkNotSet);
  return button;
}

Result<void> ColorWidgetImpl::CreateLayout() {
  ZV_TRY(TableWidgetImpl::CreateLayout());
  SetName(kColorWidgetName);
  ZV_TRY(Resize(1, 4));

  ZV_TRY_ASSIGN(TableWidgetRef buttons, MakeTable(3, 1));
  ZV_TRY_ASSIGN(ColorButtonWidgetRef colorButton,
                CreateObject<ColorButtonWidgetInterface>(Id(kColorButtonWidgetClassId)));
  ZV_TRY(colorButton->CreateLayout());
  colorButton->ObservableColorChanged()->AddObserver(this, [this](const WidgetRef& sender, ColorA color) {
    return Synchronize(color, sender.Get(), Origin::kNotation);
  });
  ZV_TRY(PlaceInCell(*buttons, 0, 0, colorButton, kColorRowSpacing));
  colorButton_ = colorButton;
  ZV_TRY_ASSIGN(ColorButtonWidgetRef screenButton,
                CreateObject<ColorButtonWidgetInterface>(Id(kColorButtonWidgetClassId)));
  ZV_TRY(screenButton->CreateLayout());
  dynamic_cast<ColorButtonWidgetImpl&>(*screenButton).SetOpensChooser(false);
  screenButton->ObservableButtonUp()->AddObserver(this, [this](const ButtonWidgetRef&) { return StartScreenPick(); });
  ZV_TRY(PlaceInCell(*buttons, 1, 0, screenButton, kColorRowSpacing));
  screenButton_ = screenButton;
  ZV_TRY_ASSIGN(TextWidgetRef label, CreateObject<TextWidgetInterface>(Id(kTextWidgetClassId)));
  label->SetText(kScreenColorLabel);
  ZV_TRY(PlaceInCell(*buttons, 2, 0, label, kColorRowSpacing));
  ZV_TRY(PlaceInCell(*this, 0, 0, buttons, 0.0));

  ZV_TRY_ASSIGN(ColorRGBWidgetRef rgb, CreateObject<ColorRGBWidgetInterface>(Id(kColorRGBWidgetClassId)));
  ZV_TRY(rgb->CreateLayout());
  rgb->ObservableColorChanged()->AddObserver(this, [this](const WidgetRef& sender, ColorA color) {
    return Synchronize(color, sender.Get(), Origin::kNotation);
  });
  ZV_TRY(PlaceInCell(*this, 0, 1, rgb, 0.0));
  notations_.SetRGB(rgb);

  ZV_TRY_ASSIGN(ColorHSVWidgetRef hsv, CreateObject<ColorHSVWidgetInterface>(Id(kColorHSVWidgetClassId)));
  ZV_TRY(hsv->CreateLayout());
  hsv->ObservableColorChanged()->AddObserver(this, [this](const WidgetRef& sender, Vector value) {
    return Synchronize(HsvToRgb(value, rgba_.a), sender.Get(), Origin::kNotation);
  });
  ZV_TRY(PlaceInCell(*this, 0, 2, hsv, 0.0));
  notations_.SetHSV(hsv);

  ZV_TRY_ASSIGN(ColorHEXWidgetRef hex, CreateObject<ColorHEXWidgetInterface>(Id(kColorHEXWidgetClassId)));
  ZV_TRY(hex->CreateLayout());
  hex->ObservableColorChanged()->AddObserver(this, [this](const WidgetRef& sender, uint32_t code) {
    return Synchronize(HexCodeToRgb(code, rgba_.a), sender.Get(), Origin::kNotation);
  });
  ZV_TRY(PlaceInCell(*this, 0, 3, hex, kColorRowSpacing));
  notations_.SetHEX(hex);
  return Synchronize(rgba_, nullptr, Origin::kNotation);
}

Result<void> ColorWidgetImpl::SetRGBA(const ColorA& color) {
  const std::optional<ColorA> clamped = ClampedColor(color);
  if (!clamped) return IllegalArgumentError("Color component is not a number");
  return Synchronize(*clamped, nullptr, Origin::kNotation);
}

Result<void> ColorWidgetImpl::Synchronize(const ColorA& color, const WidgetInterface* source, Origin origin) {
  rgba_ = color;
  if (!colorButton_.IsSet()) return Ok();  // before CreateLayout: shown when the parts exist
  ZV_TRY_ASSIGN(ColorButtonWidgetRef colorButton, colorButton_.Resolve());
  colorButton->SetBackgroundColor(rgba_);
  colorButton->RequestRedraw();
  // A pick shows its colour on the screen-colour button itself, preview and result alike.
  if (origin != Origin::kScreenPicker) {
    ZV_TRY_ASSIGN(ColorButtonWidgetRef screenButton, screenButton_.Resolve());
    screenButton->SetBackgroundColor(rgba_);
    screenButton->RequestRedraw();
  }
  return notations_.Show(rgba_, source);
}

Result<void> ColorWidgetImpl::StartScreenPick() {
  LogInfo("do screen color picker action");
  const auto showOnButton = [this](const ColorA& color) -> Result<void> {
    ZV_TRY_ASSIGN(ColorButtonWidgetRef screenButton, screenButton_.Resolve());
    screenButton->SetBackgroundColor(color);
    screenButton->RequestRedraw();
    return Ok();
  };
  eyeDropper_.Start(showOnButton,
                    [this, showOnButton](const ColorA& color) -> Result<void> {
                      const ColorA picked{color.r, color.g, color.b, rgba_.a};
                      ZV_TRY(showOnButton(picked));
                      return Synchronize(picked, nullptr, Origin::kScreenPicker);
                    },
                    [this, showOnButton]() { return showOnButton(rgba_); });
  return Ok();
}

}  // namespace zarvo
