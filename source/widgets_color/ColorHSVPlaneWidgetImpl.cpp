#include "source/widgets_color/ColorHSVPlaneWidgetImpl.h"

#include <algorithm>
#include <cmath>

#include "host/core/ClassRegistry.h"
#include "host/ui/CanvasInterface.h"
#include "host/ui/EventKeys.h"
#include "host/ui/Painter.h"
#include "source/widgets_color/ColorMath.h"
#include "source/widgets_color/ColorStyle.h"
#include "source/widgets_color/SaturationValueImage.h"
#include "source/interfaces/FrameWidgetInterface.h"

namespace zarvo {

namespace {

// The marker ring is black over light colours and white over dark ones.
constexpr Float kLightLuminance = 0.5098;
constexpr CanvasUnitValue kMarkerRingRadius = CanvasUnitValue::Fon(5.0);
constexpr CanvasUnitValue kMarkerDotRadius = CanvasUnitValue::Fon(3.0);
constexpr ColorA kBlack{0, 0, 0, 1};
constexpr ColorA kWhite{1, 1, 1, 1};

Float Luminance(const ColorA& c) { return 0.299 * c.r + 0.587 * c.g + 0.114 * c.b; }

}  // namespace

ColorHSVPlaneWidgetImpl::ColorHSVPlaneWidgetImpl() : changed_(MakeRef<ColorHSVSpectrumObservable>()) {
  [[maybe_unused]] const Result<void> named = changed_->Init(this, "ObservableColorChanged");
}

Result<void> ColorHSVPlaneWidgetImpl::CreateLayout() {
  ZV_TRY(TableWidgetImpl::CreateLayout());
  SetName(kColorHSVSpectrumWidgetName);
  ZV_TRY(Resize(1, 2));
  ZV_TRY_ASSIGN(FrameWidgetRef area, CreateObject<FrameWidgetInterface>(Id(kFrameWidgetClassId)));
  for (const WIDGET_DIRECTION direction : {WIDGET_DIRECTION::HORIZONTAL, WIDGET_DIRECTION::VERTICAL}) {
    area->SetSizeMode(WIDGET_SIZE::FIXED, direction);
    area->SetFixedSize(CanvasUnitValue::Pix(kSpectrumSide), direction);
  }
  ZV_TRY_ASSIGN(CellWidgetRef top, GetCell(0, 0));
  if (!top) return IllegalStateError("Missing widget link");
  ZV_TRY(top->InsertChildLast(area));
  area_ = area;

  ZV_TRY_ASSIGN(IntSliderWidgetRef hue, CreateObject<SliderWidgetInterface<Int>>(Id(kIntSliderWidgetClassId)));
  ZV_TRY(hue->SetMin(0));
  ZV_TRY(hue->SetMax(static_cast<Int>(kHueSliderMaximum)));
  ZV_TRY(hue->SetStep(1));
  ZV_TRY(hue->SetColorSlider(true));
  ZV_TRY(hue->SetSliderBackgroundColor(HueTrackStops()));
  hue->SetSizeMode(WIDGET_SIZE::FIXED, WIDGET_DIRECTION::HORIZONTAL);
  hue->SetSizeMode(WIDGET_SIZE::FIXED, WIDGET_DIRECTION::VERTICAL);
  hue->SetFixedSize(CanvasUnitValue::Pix(kSpectrumSide), WIDGET_DIRECTION::HORIZONTAL);
  hue->SetFixedSize(CanvasUnitValue::Pix(kColorSliderThickness), WIDGET_DIRECTION::VERTICAL);
  hue->ObservableValueChanged()->AddObserver(
      this, [this](const WidgetRef&, Int value, Bool dragging) { return HandleHueMoved(value, dragging); });
  ZV_TRY_ASSIGN(CellWidgetRef bottom, GetCell(0, 1));
  if (!bottom) return IllegalStateError("Missing widget link");
  ZV_TRY(bottom->SetTopPadding(CanvasUnitValue::Pix(kColorRowSpacing)));
  ZV_TRY(bottom->InsertChildLast(hue));
  hueSlider_ = hue;
  return ShowHue();
}

Result<void> ColorHSVPlaneWidgetImpl::SetHSV(const Vector& value, Bool notify) {
  hsv_ = value;
  RequestRedraw();
  if (hueSlider_.Lock()) ZV_TRY(ShowHue());
  if (notify) ZV_TRY(changed_->Notify(WidgetRef(this), hsv_, false));
  return Ok();
}

Result<void> ColorHSVPlaneWidgetImpl::ShowHue() {
  ZV_TRY_ASSIGN(IntSliderWidgetRef hue, hueSlider_.Resolve());
  return hue->SetValue(ComponentToSlider(hsv_.x, kHueSliderMaximum), false);
}

Result<void> ColorHSVPlaneWidgetImpl::HandleHueMoved(Int value, Bool dragging) {
  const Float hue = HueSliderToComponent(value);
  if (hue == hsv_.x) return Ok();
  hsv_.x = hue;
  changedByUser_ = true;
  RequestRedraw();
  return changed_->Notify(WidgetRef(this), hsv_, dragging);
}

Result<const Image*> ColorHSVPlaneWidgetImpl::PreparedSpectrum(Vector2d size) {
  const Int width = static_cast<Int>(std::lround(size.x));
  const Int height = static_cast<Int>(std::lround(size.y));
  if (!spectrum_ || spectrum_->GetWidth() != width || spectrum_->GetHeight() != height) {
    ZV_TRY_ASSIGN(spectrum_, Image::Create(width, height));
    spectrumHue_ = -1.0;
  }
  if (spectrumHue_ != hsv_.x) {
    FillSaturationValue(hsv_.x, *spectrum_);
    spectrumHue_ = hsv_.x;
    ++paints_;
  }
  return spectrum_.Get();
}

Result<void> ColorHSVPlaneWidgetImpl::DrawContent() {
  ZV_TRY(TableWidgetImpl::DrawContent());
  CanvasInterface* canvas = GetCanvas();
  if (!canvas) return Ok();
  ZV_TRY_ASSIGN(FrameWidgetRef area, area_.Resolve());
  const Vector2d size = area->GetLocalPixSize();
  if (size.x <= 0.0 || size.y <= 0.0) return Ok();
  ZV_TRY_ASSIGN(const Image* image, PreparedSpectrum(size));
  canvas->DrawImage(*image, Rect{0.0, 0.0, size.x, size.y}, 1.0);
  const Vector2d marker{size.x * hsv_.y, (1.0 - hsv_.z) * size.y};
  const ColorA color = HsvToRgb(hsv_);
  const ColorA ring = Luminance(color) >= kLightLuminance ? kBlack : kWhite;
  // Kept inside the square: a ring over the edge would lie outside what a redraw of the widget
  // repaints, and stay behind when the marker moves.
  canvas->PushClipRect(Rect{0.0, 0.0, size.x, size.y});
  canvas->DrawCircle(marker, ToPixels(kMarkerRingRadius), PaintStyle::Filled(ring));
  canvas->DrawCircle(marker, ToPixels(kMarkerDotRadius), PaintStyle::Filled(color));
  canvas->PopClip();
  return Ok();
}

Result<bool> ColorHSVPlaneWidgetImpl::PickAt(Vector2d globalPosition, bool dragging) {
  ZV_TRY_ASSIGN(FrameWidgetRef area, area_.Resolve());
  const Vector2d size = area->GetLocalPixSize();
  if (size.x <= 0.0 || size.y <= 0.0) return true;
  // A drag that leaves the square keeps the marker on its nearest edge.
  const Vector2d local = GlobalToLocalPosition(globalPosition);
  const Float x = std::clamp(local.x, 0.0, size.x);
  const Float y = std::clamp(local.y, 0.0, size.y);
  hsv_.y = x / size.x;
  hsv_.z = (size.y - y) / size.y;
  ZV_TRY(ShowHue());
  changedByUser_ = true;
  RequestRedraw();
  ZV_TRY(changed_->Notify(WidgetRef(this), hsv_, dragging));
  return true;
}

Result<bool> ColorHSVPlaneWidgetImpl::HandleEvent(const DataDictionary* event) {
  EventReader reader(event);
  Result<EVENT> type = reader.GetType();
  if (!type.IsOk()) return TableWidgetImpl::HandleEvent(event);
  switch (*type) {
    case EVENT::BUTTON_DOWN:
    case EVENT::BUTTON_UP: {
      ZV_TRY_ASSIGN(Int buttons, reader.GetButtonState());
      if (buttons != BUTTON::LEFT) break;
      if (*type == EVENT::BUTTON_DOWN) {
        dragging_ = true;
        return true;
      }
      if (!dragging_) return true;
      dragging_ = false;
      ZV_TRY_ASSIGN(Vector2d position, reader.GetPosition());
      return PickAt(position, false);
    }
    case EVENT::BUTTON_DRAG: {
      if (!dragging_) break;
      ZV_TRY_ASSIGN(Vector2d position, reader.GetPosition());
      return PickAt(position, true);
    }
    default: break;
  }
  return TableWidgetImpl::HandleEvent(event);
}

}  // namespace zarvo
