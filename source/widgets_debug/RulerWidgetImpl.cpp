#include "source/widgets_debug/RulerWidgetImpl.h"

#include <algorithm>
#include <cassert>
#include <cmath>

#include "host/ui/CanvasInterface.h"
#include "source/WidgetComponent.h"
#include "source/widgets_debug/RulerMath.h"

namespace zarvo {

namespace {
constexpr Float kDefaultMax = 100.0;
constexpr Float kDefaultLineHeight = 12.0;
constexpr Float kDefaultLabelWidth = 40.0;
constexpr Float kCreatedLength = 200.0;
constexpr char kLineHeightSample[] = "0123456789.-";
// The widest label a vertical ruler is made wide enough for.
constexpr char kLabelWidthSample[] = "-8888.88";

// A horizontal ruler is this many label lines high.
constexpr Float kHorizontalLines = 2.0;
// Shares of the ruler's thickness the ticks reach across.
constexpr Float kMajorTickShare = 0.45;
constexpr Float kMinorTickShare = 0.2;
constexpr Float kTickWidth = 1.0;
// Labels sit beside their tick, this far from it, and keep at least this far apart.
constexpr Float kLabelInset = 3.0;
constexpr Float kLabelGap = 12.0;
// Labels of a horizontal ruler are centred on this share of its height.
constexpr Float kLabelCenterShare = 0.7;
// Until the labels are measured, ticks are spaced this far for choosing their decimals.
constexpr Float kProvisionalLabelPixels = 40.0;
constexpr Float kMarkerWidth = 2.0;
constexpr Float kMarkerArrowSize = 5.0;
// A wheel notch zooms by this factor.
constexpr Float kWheelZoomFactor = 1.25;

const StyleKey<ColorA> kRulerBackgroundColor = StyleSheetService::Declare<ColorA>(
    "net.zarvo.mvp.stylesheet.ruler.background_color", ColorA{0.18, 0.18, 0.18, 1.0});
const StyleKey<ColorA> kRulerTickColor =
    StyleSheetService::Declare<ColorA>("net.zarvo.mvp.stylesheet.ruler.tick_color", ColorA{0.6, 0.6, 0.6, 1.0});
const StyleKey<ColorA> kRulerLabelColor =
    StyleSheetService::Declare<ColorA>("net.zarvo.mvp.stylesheet.ruler.label_color", ColorA{0.85, 0.85, 0.85, 1.0});
const StyleKey<ColorA> kRulerMarkerColor =
    StyleSheetService::Declare<ColorA>("net.zarvo.mvp.stylesheet.ruler.marker_color", ColorA{0.95, 0.55, 0.1, 1.0});

// A one-pixel line on a pixel centre stays sharp.
Float PixelCentre(Float pixel) { return std::floor(pixel) + 0.5; }
}  // namespace

RulerWidgetImpl::RulerWidgetImpl()
    : min_(0.0),
      max_(kDefaultMax),
      zoom_(1.0),
      start_(0.0),
      marker_(0.0),
      markerChanged_(MakeRef<RulerObservable>()),
      viewChanged_(MakeRef<RulerObservable>()),
      lineHeight_(kDefaultLineHeight),
      labelWidth_(kDefaultLabelWidth) {}

Result<void> RulerWidgetImpl::InitComponent() {
  return InitObservables(this, {{markerChanged_.Get(), "ObservableMarkerChanged"},
                                {viewChanged_.Get(), "ObservableViewChanged"}});
}

void RulerWidgetImpl::FreeComponent() { FreeObservables({markerChanged_.Get(), viewChanged_.Get()}); }

Result<void> RulerWidgetImpl::SetRange(Float min, Float max) {
  if (!(std::isfinite(min) && std::isfinite(max) && min < max)) {
    return IllegalArgumentError("min is not smaller than max.");
  }
  if (min == min_ && max == max_) return Ok();
  min_ = min;
  max_ = max;
  start_ = ClampViewStart(start_, min_, max_, zoom_);
  marker_ = std::clamp(marker_, min_, max_);
  RequestRedraw();
  return Ok();
}

Result<void> RulerWidgetImpl::SetZoom(Float zoom) {
  if (!(std::isfinite(zoom) && zoom > 0.0)) return IllegalArgumentError("invalid zoom.");
  zoom = std::clamp(zoom, 1.0, kRulerMaxZoom);
  if (zoom == zoom_) return Ok();
  zoom_ = zoom;
  start_ = ClampViewStart(start_, min_, max_, zoom_);
  RequestRedraw();
  return Ok();
}

void RulerWidgetImpl::SetViewStart(Float value) {
  value = ClampViewStart(value, min_, max_, zoom_);
  if (value == start_) return;
  start_ = value;
  RequestRedraw();
}

void RulerWidgetImpl::SetMarker(Float value) {
  if (!(value == value)) return;
  value = std::clamp(value, min_, max_);
  if (value == marker_) return;
  DamageMarkerAt(marker_);
  marker_ = value;
  DamageMarkerAt(marker_);
}

void RulerWidgetImpl::SetOrientation(WIDGET_ORIENTATION orientation) {
  if (orientation == GetOrientation()) return;
  const bool turned = IsHorizontal(orientation) != IsAlongWidth();
  WidgetBase::SetOrientation(orientation);
  // A turned ruler keeps its length; the layout gives it the thickness of its new direction.
  if (turned) {
    const Vector2d size = GetLocalPixSize();
    [[maybe_unused]] const Result<void> resized = SetLocalSize(size.y, size.x);
    assert(resized.IsOk() && "pixel sizes of a laid out widget are valid");
  }
  RequestLayout();
  RequestRedraw();
}

bool RulerWidgetImpl::IsAlongWidth() const { return IsHorizontal(GetOrientation()); }

bool RulerWidgetImpl::IsReversed() const {
  return GetOrientation() == WIDGET_ORIENTATION::RIGHT_LEFT || GetOrientation() == WIDGET_ORIENTATION::BOTTOM_TOP;
}

Float RulerWidgetImpl::GetLength() const {
  const Vector2d size = GetLocalPixSize();
  return IsAlongWidth() ? size.x : size.y;
}

Float RulerWidgetImpl::GetThickness() const {
  const Vector2d size = GetLocalPixSize();
  return IsAlongWidth() ? size.y : size.x;
}

Float RulerWidgetImpl::GetPixelsPerUnit() const {
  const Float span = ZoomedSpan(min_, max_, zoom_);
  return span > 0.0 ? GetLength() / span : 0.0;
}

Float RulerWidgetImpl::GetValueAtPixel(Float localPixel) const {
  const Float pixel = IsReversed() ? GetLength() - localPixel : localPixel;
  return ScaleValueAtPixel(pixel, start_, GetPixelsPerUnit());
}

Float RulerWidgetImpl::GetPixelOfValue(Float value) const {
  const Float pixel = ScalePixelOfValue(value, start_, GetPixelsPerUnit());
  return IsReversed() ? GetLength() - pixel : pixel;
}

Float RulerWidgetImpl::GetMajorStep() const {
  const Float pixelsPerUnit = GetPixelsPerUnit();
  if (!IsAlongWidth()) return NiceTickStep(pixelsPerUnit, lineHeight_ + kLabelGap);
  // The labels' width depends on their decimals, which depend on the step: measure the ends'
  // labels at a provisional step, then space the ticks by the wider one.
  const Float provisional = NiceTickStep(pixelsPerUnit, kProvisionalLabelPixels);
  Float widest = kProvisionalLabelPixels;
  if (labelFont_) {
    widest = std::max(labelFont_->GetStringBoundingBox(TickLabel(min_, provisional)).Width(),
                      labelFont_->GetStringBoundingBox(TickLabel(max_, provisional)).Width());
  }
  return NiceTickStep(pixelsPerUnit, widest + kLabelGap);
}

Float RulerWidgetImpl::AxisPixelOf(Vector2d globalPosition) const {
  const Vector2d local = GlobalToLocalPosition(globalPosition);
  return IsAlongWidth() ? local.x : local.y;
}

void RulerWidgetImpl::DamageMarkerAt(Float value) {
  CanvasInterface* canvas = GetCanvas();
  if (!canvas) return;
  const Float pixel = GetPixelOfValue(value);
  const Float reach = kMarkerArrowSize + kMarkerWidth;
  const Float thickness = GetThickness();
  const Rect local = IsAlongWidth() ? Rect{pixel - reach, 0.0, pixel + reach, thickness}
                                    : Rect{0.0, pixel - reach, thickness, pixel + reach};
  const Vector2d topLeft = LocalToGlobalPosition({local.left, local.top});
  const Vector2d bottomRight = LocalToGlobalPosition({local.right, local.bottom});
  canvas->RequestRedrawArea(Rect{topLeft.x, topLeft.y, bottomRight.x, bottomRight.y});
}

Result<void> RulerWidgetImpl::CreateLayout() {
  ZV_TRY(WidgetBase::CreateLayout());
  SetName("RulerWidget");
  ZV_TRY(SetLocalSize(kCreatedLength, kHorizontalLines * kDefaultLineHeight));
  SetFocusVisibility(false);
  SetAcceptFocus(true);
  // The marker's arrow reaches past the ends.
  SetClipping(true);
  return Ok();
}

Result<void> RulerWidgetImpl::LayoutBegin() {
  CanvasInterface* canvas = GetCanvas();
  if (!canvas) return Ok();
  ZV_TRY_ASSIGN(labelFont_, CreateDefaultFontHandle(*canvas, FONTBASELINE::CENTER));
  lineHeight_ = labelFont_->GetStringBoundingBox(kLineHeightSample).Height();
  labelWidth_ = labelFont_->GetStringBoundingBox(kLabelWidthSample).Width();
  return Ok();
}

Result<void> RulerWidgetImpl::LayoutPass1() {
  const Vector2d size = GetLocalPixSize();
  if (IsAlongWidth()) return SetLocalSize(size.x, kHorizontalLines * lineHeight_);
  // Labels of an upright ruler start past the minor ticks, which run between them.
  return SetLocalSize((labelWidth_ + 2.0 * kLabelInset) / (1.0 - kMinorTickShare), size.y);
}

Result<void> RulerWidgetImpl::DrawTicks(Float fromPixel, Float toPixel) {
  CanvasInterface* canvas = GetCanvas();
  const Float length = GetLength();
  const Float thickness = GetThickness();
  const Float step = GetMajorStep();
  const ColorA tickColor = ReadStyle(*this, kRulerTickColor);
  const ColorA labelColor = ReadStyle(*this, kRulerLabelColor);
  // Ticks come in the scale's own direction; a reversed ruler mirrors the span it asks for.
  const Float scaleFrom = IsReversed() ? length - toPixel : fromPixel;
  const Float scaleTo = IsReversed() ? length - fromPixel : toPixel;
  for (const ScaleTick& tick : ScaleTicks(scaleFrom, scaleTo, start_, GetPixelsPerUnit(), step)) {
    if (tick.value < min_ || tick.value > max_) continue;
    const Float pixel = PixelCentre(IsReversed() ? length - tick.pixel : tick.pixel);
    const Float reach = thickness * (tick.major ? kMajorTickShare : kMinorTickShare);
    if (IsAlongWidth()) {
      canvas->DrawLine({pixel, 0.0}, {pixel, reach}, tickColor, kTickWidth);
    } else {
      canvas->DrawLine({0.0, pixel}, {reach, pixel}, tickColor, kTickWidth);
    }
    if (!tick.major || !labelFont_) continue;
    const String label = TickLabel(tick.value, step);
    // A label that would run past the end is left out rather than cut.
    const Float labelExtent = IsAlongWidth() ? labelFont_->GetStringBoundingBox(label).Width() : lineHeight_;
    if (pixel + kLabelInset + labelExtent > length) continue;
    const Vector2d at = IsAlongWidth() ? Vector2d{pixel + kLabelInset, thickness * kLabelCenterShare}
                                       : Vector2d{kMinorTickShare * thickness + kLabelInset,
                                                  pixel + kLabelInset + 0.5 * lineHeight_};
    ZV_TRY(canvas->DrawText(label, *labelFont_, at, labelColor));
  }
  return Ok();
}

void RulerWidgetImpl::DrawMarker() {
  CanvasInterface* canvas = GetCanvas();
  const Float pixel = GetPixelOfValue(marker_);
  const Float thickness = GetThickness();
  const ColorA color = ReadStyle(*this, kRulerMarkerColor);
  Path arrow;
  if (IsAlongWidth()) {
    canvas->DrawLine({pixel, 0.0}, {pixel, thickness}, color, kMarkerWidth);
    arrow.MoveTo({pixel - kMarkerArrowSize, 0.0}).LineTo({pixel + kMarkerArrowSize, 0.0}).LineTo({pixel, kMarkerArrowSize});
  } else {
    canvas->DrawLine({0.0, pixel}, {thickness, pixel}, color, kMarkerWidth);
    arrow.MoveTo({0.0, pixel - kMarkerArrowSize}).LineTo({0.0, pixel + kMarkerArrowSize}).LineTo({kMarkerArrowSize, pixel});
  }
  canvas->DrawShape(arrow.Close(), PaintStyle::Filled(color));
}

Result<void> RulerWidgetImpl::DrawContent() {
  ZV_TRY(WidgetBase::DrawContent());
  CanvasInterface* canvas = GetCanvas();
  if (!canvas) return Ok();
  const Vector2d size = GetLocalPixSize();
  ZV_TRY(DrawRectangle(Rect{0.0, 0.0, size.x, size.y}, ReadStyle(*this, kRulerBackgroundColor)));
  if (!(GetLength() > 0.0)) return Ok();
  // What the damage lets through, widened by a label so that labels cut by its edge are drawn.
  const Rect clip = canvas->GetClipBounds();
  const Vector2d clipFrom = GlobalToLocalPosition({clip.left, clip.top});
  const Vector2d clipTo = GlobalToLocalPosition({clip.right, clip.bottom});
  const Float widen = IsAlongWidth() ? labelWidth_ : lineHeight_ + kLabelInset;
  const Float from = std::max(0.0, (IsAlongWidth() ? clipFrom.x : clipFrom.y) - widen);
  const Float to = std::min(GetLength(), (IsAlongWidth() ? clipTo.x : clipTo.y) + widen);
  ZV_TRY(DrawTicks(from, to));
  DrawMarker();
  return Ok();
}

Result<bool> RulerWidgetImpl::ApplyUserMarker(Float value) {
  const Float before = marker_;
  SetMarker(value);
  if (marker_ == before) return true;
  ZV_TRY(markerChanged_->Notify(RulerWidgetRef(this), marker_));
  return true;
}

Result<bool> RulerWidgetImpl::ApplyUserView(Float zoom, Float start) {
  const Float zoomBefore = zoom_;
  const Float startBefore = start_;
  zoom_ = std::clamp(zoom, 1.0, kRulerMaxZoom);
  start_ = ClampViewStart(start, min_, max_, zoom_);
  if (zoom_ == zoomBefore && start_ == startBefore) return true;
  RequestRedraw();
  ZV_TRY(viewChanged_->Notify(RulerWidgetRef(this), start_));
  return true;
}

Result<bool> RulerWidgetImpl::HandleEvent(const DataDictionary* event) {
  if (!GetCanvas()) return false;
  EventReader reader(event);
  Result<EVENT> type = reader.GetType();
  if (!type.IsOk()) return false;
  switch (*type) {
    case EVENT::BUTTON_DOWN: {
      ZV_TRY_ASSIGN(Int buttons, reader.GetButtonState());
      if (buttons != BUTTON::LEFT) return false;
      ZV_TRY_ASSIGN(Vector2d position, reader.GetPosition());
      dragging_ = true;
      return ApplyUserMarker(GetValueAtPixel(AxisPixelOf(position)));
    }
    case EVENT::BUTTON_DRAG: {
      if (!dragging_) return true;
      ZV_TRY_ASSIGN(Vector2d position, reader.GetPosition());
      return ApplyUserMarker(GetValueAtPixel(AxisPixelOf(position)));
    }
    case EVENT::BUTTON_UP: {
      ZV_TRY_ASSIGN(Int buttons, reader.GetButtonState());
      if (buttons != BUTTON::LEFT) return false;
      dragging_ = false;
      return true;
    }
    case EVENT::SCROLL: {
      ZV_TRY_ASSIGN(Vector2d scroll, reader.GetScrollVector());
      ZV_TRY_ASSIGN(Int modifiers, reader.GetModifierState());
      const Float pixelsPerUnit = GetPixelsPerUnit();
      if (!(pixelsPerUnit > 0.0)) return true;
      if ((modifiers & MODIFIER::SHIFT) != 0) {
        // The content follows the wheel: values move with it along the ruler.
        const Float along = scroll.x + scroll.y;
        return ApplyUserView(zoom_, start_ + (IsReversed() ? along : -along) / pixelsPerUnit);
      }
      ZV_TRY_ASSIGN(Vector2d position, reader.GetPosition());
      const Float anchorPixel = AxisPixelOf(position);
      const Float anchorValue = GetValueAtPixel(anchorPixel);
      const Float zoom = std::clamp(zoom_ * std::pow(kWheelZoomFactor, scroll.y / kScrollPixelsPerWheelNotch), 1.0,
                                    kRulerMaxZoom);
      const Float newPixelsPerUnit = GetLength() / ZoomedSpan(min_, max_, zoom);
      const Float scalePixel = IsReversed() ? GetLength() - anchorPixel : anchorPixel;
      return ApplyUserView(zoom, StartKeepingAnchor(scalePixel, anchorValue, newPixelsPerUnit));
    }
    case EVENT::KEYBOARD_KEY_DOWN:
    case EVENT::KEYBOARD_KEY_REPEAT: {
      ZV_TRY_ASSIGN(Int32 key, reader.GetKey());
      const Int32 back = IsAlongWidth() ? KEY::LEFT : KEY::UP;
      const Int32 on = IsAlongWidth() ? KEY::RIGHT : KEY::DOWN;
      if (key != back && key != on) return false;
      // A key steps the marker by a minor tick, in the direction the key points on screen.
      const Float step = GetMajorStep() / static_cast<Float>(MinorTicksPerStep(GetMajorStep()));
      const bool increase = (key == on) != IsReversed();
      return ApplyUserMarker(marker_ + (increase ? step : -step));
    }
    default:
      return false;
  }
}

}  // namespace zarvo
