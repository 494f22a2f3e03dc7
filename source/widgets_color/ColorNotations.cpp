#include "source/widgets_color/ColorNotations.h"

#include "source/widgets_color/ColorMath.h"

namespace zarvo {

namespace {

// The widget a link names, for comparing with the source; null when the link was never set.
template <class I>
const WidgetInterface* Identity(const WeakRef<I>& link) {
  return link.IsSet() ? static_cast<const WidgetInterface*>(link.GetUnsafe()) : nullptr;
}

template <class I>
bool Wanted(const WeakRef<I>& link, const WidgetInterface* source) {
  return link.IsSet() && (source == nullptr || Identity(link) != source);
}

}  // namespace

Result<void> ColorNotations::Show(const ColorA& color, const WidgetInterface* source) const {
  const Vector hsv = RgbToHsv(color.r, color.g, color.b);
  if (Wanted(hex_, source)) {
    ZV_TRY_ASSIGN(ColorHEXWidgetRef hex, hex_.Resolve());
    ZV_TRY(hex->SetHEX(RgbToHexCode(color), false));
  }
  if (Wanted(rgb_, source)) {
    ZV_TRY_ASSIGN(ColorRGBWidgetRef rgb, rgb_.Resolve());
    ZV_TRY(rgb->SetRGB(color, false));
  }
  if (Wanted(hsv_, source)) {
    ZV_TRY_ASSIGN(ColorHSVWidgetRef widget, hsv_.Resolve());
    ZV_TRY(widget->SetHSV(hsv, false));
  }
  if (Wanted(spectrum_, source)) {
    ZV_TRY_ASSIGN(ColorHSVSpectrumWidgetRef spectrum, spectrum_.Resolve());
    ZV_TRY(spectrum->SetHSV(hsv, false));
  }
  return Ok();
}

}  // namespace zarvo
