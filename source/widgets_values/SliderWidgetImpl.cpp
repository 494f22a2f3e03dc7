#include "source/widgets_values/SliderWidgetImpl.h"

#include <algorithm>
#include <filesystem>
#include <numbers>
#include <type_traits>
#include <utility>

#include "host/core/AppFolders.h"
#include "host/core/ClassRegistry.h"
#include "host/ui/AppWidgetInterface.h"
#include "host/ui/CanvasInterface.h"
#include "host/ui/HitTests.h"
#include "source/WidgetComponent.h"
#include "source/widgets_values/SliderMath.h"

namespace zarvo {

namespace {
constexpr Float kDefaultMax = 100.0;
constexpr Float kDefaultValue = 50.0;
constexpr Float kDefaultStep = 1.0;

// Lengths in FON: the created size, the colour slider's inset and marker.
constexpr CanvasUnitValue kSliderLength = CanvasUnitValue::Fon(100.0);
constexpr CanvasUnitValue kSliderThickness = CanvasUnitValue::Fon(20.0);
constexpr CanvasUnitValue kBorderInset = CanvasUnitValue::Fon(1.0);
constexpr CanvasUnitValue kMarkerRounding = CanvasUnitValue::Fon(1.0);
constexpr CanvasUnitValue kMarkerWidth = CanvasUnitValue::Fon(3.0);
constexpr CanvasUnitValue kMarkerHalfWidth = CanvasUnitValue::Fon(1.5);
// The thickness with the border inset on both sides, which the size policy fixes.
constexpr CanvasUnitValue kFixedThickness = CanvasUnitValue::Fon(20.0 + 2 * 1.0);

constexpr ColorA kMarkerColor{1.0, 1.0, 1.0, 1.0};
// A vertical slider's track is a horizontal one turned a quarter back.
constexpr Float kVerticalRotation = -std::numbers::pi / 2;

constexpr char kModuleFolder[] = "mvp_desktop2d_widgets.module";
constexpr char kTrackFile[] = "slider.svg";
constexpr char kKnobFile[] = "knob.svg";

// The track document's elements that express the value.
constexpr char kFillId[] = "FillBG";
constexpr char kUndershootId[] = "UndershootBG";
constexpr char kOvershootId[] = "OvershootBG";
constexpr char kUndershootIndicatorId[] = "UndershootIndicator";
constexpr char kOvershootIndicatorId[] = "OvershootIndicator";
constexpr char kMidNotchId[] = "MidNotch";

// The magnify gesture's amount, which the host's common event keys do not list.
const Id& MagnificationKey() {
  static const Id key("net.zarvo.ui.message.magnification");
  return key;
}

template <class T>
constexpr const char* SliderName() {
  return std::is_same_v<T, Int> ? "IntSliderWidget" : "FloatSliderWidget";
}

Url SliderResourceUrl(const char* file) {
  const std::filesystem::path path =
      AppFolders::Get().GetResourceDir() / "modules" / kModuleFolder / "widgets" / "slider" / file;
  return Url{path.string()};
}

Result<SVGDocumentRef> LoadDocument(const char* file) {
  ZV_TRY_ASSIGN(SVGDocumentRef document, CreateObject<SVGDocumentInterface>(Id(kSVGDocumentClassId)));
  ZV_TRY(document->Init(SliderResourceUrl(file)));
  return document;
}

// A copy of the track that shows the whole range filled to a share, and no excess.
Result<SVGDocumentRef> MakeTrackState(const SVGDocumentRef& track, Float fillPercent) {
  ZV_TRY_ASSIGN(SVGDocumentRef copy, track->Clone());
  ZV_TRY_ASSIGN(SVGElementRef fill, copy->GetElementById(kFillId));
  auto* size = dynamic_cast<SVGSizeInterface*>(fill.Get());
  if (!size) return IllegalStateError("SVG element 'FillBG' has no size");
  ZV_TRY(size->SetWidth(fillPercent, SVG_UNIT::PERCENTAGE));
  for (const char* id : {kUndershootId, kOvershootId, kUndershootIndicatorId, kOvershootIndicatorId}) {
    ZV_TRY_ASSIGN(SVGElementRef element, copy->GetElementById(id));
    ZV_TRY(element->SetDisplay(SVG_DISPLAY::NONE));
  }
  return copy;
}

Result<SVGPositionInterface*> PositionOf(const SVGElementRef& element) {
  auto* position = dynamic_cast<SVGPositionInterface*>(element.Get());
  if (!position) return IllegalStateError("SVG element '" + element->GetId() + "' has no position");
  return position;
}

Result<SVGSizeInterface*> SizeOf(const SVGElementRef& element) {
  auto* size = dynamic_cast<SVGSizeInterface*>(element.Get());
  if (!size) return IllegalStateError("SVG element '" + element->GetId() + "' has no size");
  return size;
}
}  // namespace

template <class T>
SliderWidgetImpl<T>::SliderWidgetImpl()
    : min_(T(0)),
      max_(static_cast<T>(kDefaultMax)),
      step_(static_cast<T>(kDefaultStep)),
      value_(static_cast<T>(kDefaultValue)),
      defaultValue_(T(0)),
      valueChanged_(MakeRef<SliderObservable<T>>()) {}

template <class T>
Result<void> SliderWidgetImpl<T>::InitComponent() {
  return InitObservables(this, {{valueChanged_.Get(), "ObservableValueChanged"}});
}

template <class T>
void SliderWidgetImpl<T>::FreeComponent() {
  FreeObservables({valueChanged_.Get()});
}

template <class T>
Result<void> SliderWidgetImpl<T>::SetValue(T value, Bool notify) {
  value = ClampSliderValue(value, min_, max_, limitMode_);
  // Observers hear every set they asked for, changed or not (a drag's last value comes again
  // with the press's end); only a change is painted.
  if (value != value_) {
    const Float before = SliderValueShare(value_, min_, max_);
    value_ = value;
    DamageValueChange(before, SliderValueShare(value_, min_, max_));
  }
  if (!notify) return Ok();
  Ref<SliderObservable<T>> observable = valueChanged_;
  return observable->Notify(WidgetRef(this), value_, dragging_);
}

template <class T>
void SliderWidgetImpl<T>::DamageValueChange(Float shareBefore, Float shareAfter) {
  CanvasInterface* canvas = GetCanvas();
  if (!canvas || !GetAppWidget()) return;
  const WIDGET_ORIENTATION orientation = GetEffectiveOrientation();
  const Vector2d size = GetLocalPixSize();
  Rect area;
  if (colorSlider_) {
    auto marker = [&](Float share) {
      return ComputeColorSliderGeometry(orientation, size, share, ToPixels(kBorderInset), ToPixels(kSliderThickness),
                                        ToPixels(kMarkerHalfWidth), ToPixels(kMarkerWidth))
          .marker;
    };
    area = marker(shareBefore).Union(marker(shareAfter)).Inflate(1.0);
  } else if (shareBefore >= 0.0 && shareBefore <= 1.0 && shareAfter >= 0.0 && shareAfter <= 1.0) {
    // The knob's art is centred on the value and reaches at most half its square either way.
    const Float knobSide = IsHorizontal(orientation) ? size.y : size.x;
    area = SliderTrackSpan(orientation, shareBefore, shareAfter, size, knobSide * 0.5 + 1.0);
  } else {
    // Out of the range the whole track is compressed or stretched.
    RequestRedraw();
    return;
  }
  const Vector2d topLeft = LocalToGlobalPosition({area.left, area.top});
  const Vector2d bottomRight = LocalToGlobalPosition({area.right, area.bottom});
  canvas->RequestRedrawArea(Rect{std::min(topLeft.x, bottomRight.x), std::min(topLeft.y, bottomRight.y),
                                 std::max(topLeft.x, bottomRight.x), std::max(topLeft.y, bottomRight.y)});
}

template <class T>
Result<void> SliderWidgetImpl<T>::SetDefaultValue(T value) {
  defaultValue_ = ClampSliderValue(value, min_, max_, limitMode_);
  return Ok();
}

template <class T>
Result<void> SliderWidgetImpl<T>::SetValueToDefault() {
  return SetValue(defaultValue_, true);
}

template <class T>
Result<void> SliderWidgetImpl<T>::SetMin(T min) {
  if (!(min < max_)) return IllegalArgumentError("min is not smaller then max.");
  if (min == min_) return Ok();
  min_ = min;
  RequestRedraw();
  return Ok();
}

template <class T>
Result<void> SliderWidgetImpl<T>::SetMax(T max) {
  if (!(max > min_)) return IllegalArgumentError("max is not greater then min.");
  if (max == max_) return Ok();
  max_ = max;
  RequestRedraw();
  return Ok();
}

template <class T>
Result<void> SliderWidgetImpl<T>::SetStep(T step) {
  step_ = step == T(0) ? static_cast<T>(kDefaultStep) : step;
  return Ok();
}

template <class T>
Result<void> SliderWidgetImpl<T>::SetLimitMode(NUMBER_LIMIT_MODE mode) {
  limitMode_ = mode;
  return SetValue(value_, true);
}

template <class T>
Result<void> SliderWidgetImpl<T>::SetUnit(NUMBER_WIDGET_UNIT_TYPE unit) {
  unit_ = unit;
  return SetValue(value_, true);
}

template <class T>
Result<void> SliderWidgetImpl<T>::SetStyle(SLIDER_STYLE style) {
  style_ = style;
  return Ok();
}

template <class T>
Result<void> SliderWidgetImpl<T>::SetColorSlider(Bool on) {
  if (on == colorSlider_) return Ok();
  colorSlider_ = on;
  RequestRedraw();
  return Ok();
}

template <class T>
Result<void> SliderWidgetImpl<T>::SetSliderBackgroundColor(std::vector<ColorA> colors) {
  backgroundColors_ = std::move(colors);
  backgroundDirty_ = true;
  RequestLayout();
  RequestRedraw();
  return Ok();
}

template <class T>
Result<void> SliderWidgetImpl<T>::CreateLayout() {
  ZV_TRY(WidgetBase::CreateLayout());
  this->SetName(SliderName<T>());
  SetFocusVisibility(true);
  SetAcceptFocus(true);
  SetAcceptTabFocus(true);
  // The knob's ends reach half a knob past the track's; what lies outside the frame is cut.
  SetClipping(true);
  SetOrientation(WIDGET_ORIENTATION::LEFT_RIGHT);
  ZV_TRY(SetLocalSize(kSliderLength, kSliderThickness));
  ZV_TRY_ASSIGN(track_, LoadDocument(kTrackFile));
  ZV_TRY_ASSIGN(knob_, LoadDocument(kKnobFile));
  ZV_TRY_ASSIGN(trackFilled_, MakeTrackState(track_, 100.0));
  ZV_TRY_ASSIGN(trackEmpty_, MakeTrackState(track_, 0.0));
  // The size policy and the documents' turn follow the orientation, including the first one.
  RequestSwitchLayout();
  return Ok();
}

template <class T>
Result<void> SliderWidgetImpl<T>::HandleSwitchLayout() {
  backgroundDirty_ = true;
  const WIDGET_ORIENTATION orientation = GetEffectiveOrientation();
  const WIDGET_DIRECTION along = DirectionOf(orientation);
  const WIDGET_DIRECTION across =
      along == WIDGET_DIRECTION::HORIZONTAL ? WIDGET_DIRECTION::VERTICAL : WIDGET_DIRECTION::HORIZONTAL;
  SetInheritParentSize(true, along);
  SetSizeMode(WIDGET_SIZE::MIN, along);
  SetMinSize(kSliderLength, along);
  SetInheritParentSize(false, across);
  SetSizeMode(WIDGET_SIZE::FIXED, across);
  SetFixedSize(kFixedThickness, across);
  return ApplyOrientationTransforms(orientation);
}

template <class T>
Result<void> SliderWidgetImpl<T>::ApplyOrientationTransforms(WIDGET_ORIENTATION orientation) {
  if (!track_ || !knob_) return Ok();
  const bool mirrored = orientation == WIDGET_ORIENTATION::RIGHT_LEFT || orientation == WIDGET_ORIENTATION::TOP_BOTTOM;
  // The turn stays when the slider becomes horizontal again; so its users have always had it.
  if (!IsHorizontal(orientation)) {
    ZV_TRY_ASSIGN(SVGElementRef knobRoot, knob_->GetRootElement());
    ZV_TRY(knobRoot->SetRotation(kVerticalRotation));
  }
  for (const SVGDocumentRef& track : {track_, trackFilled_, trackEmpty_}) {
    ZV_TRY_ASSIGN(SVGElementRef root, track->GetRootElement());
    ZV_TRY(root->SetScale({mirrored ? -1.0 : 1.0, 1.0}));
    if (!IsHorizontal(orientation)) ZV_TRY(root->SetRotation(kVerticalRotation));
  }
  return Ok();
}

template <class T>
Result<void> SliderWidgetImpl<T>::LayoutPass1() {
  if (!backgroundDirty_) return Ok();
  ZV_TRY(RebuildBackground());
  backgroundDirty_ = false;
  return Ok();
}

template <class T>
Result<void> SliderWidgetImpl<T>::RebuildBackground() {
  // Without colour stops there is nothing to paint, and most sliders have none.
  if (backgroundColors_.size() < 2) return Ok();
  const Vector2d size = GetLocalPixSize();
  const Int width = static_cast<Int>(size.x);
  const Int height = static_cast<Int>(size.y);
  if (!backgroundImage_ || width != backgroundWidth_ || height != backgroundHeight_) {
    backgroundWidth_ = width;
    backgroundHeight_ = height;
    ZV_TRY_ASSIGN(backgroundImage_, Image::Create(width, height));
  }
  PaintSliderGradient(*backgroundImage_, backgroundColors_, GetEffectiveOrientation());
  RequestRedraw();
  return Ok();
}

template <class T>
Result<void> SliderWidgetImpl<T>::DrawContent() {
  ZV_TRY(WidgetBase::DrawContent());
  return colorSlider_ ? DrawColorSlider() : DrawNormal();
}

template <class T>
Result<void> SliderWidgetImpl<T>::DrawNormal() {
  if (!track_ || !knob_) return Ok();
  const Vector2d size = GetLocalPixSize();
  const WIDGET_ORIENTATION orientation = GetEffectiveOrientation();
  const Float length = IsHorizontal(orientation) ? size.x : size.y;

  ZV_TRY_ASSIGN(SVGElementRef fill, track_->GetElementById(kFillId));
  ZV_TRY_ASSIGN(SVGElementRef undershoot, track_->GetElementById(kUndershootId));
  ZV_TRY_ASSIGN(SVGElementRef overshoot, track_->GetElementById(kOvershootId));
  ZV_TRY_ASSIGN(SVGElementRef undershootIndicator, track_->GetElementById(kUndershootIndicatorId));
  ZV_TRY_ASSIGN(SVGElementRef overshootIndicator, track_->GetElementById(kOvershootIndicatorId));
  ZV_TRY_ASSIGN(SVGElementRef midNotch, track_->GetElementById(kMidNotchId));
  ZV_TRY_ASSIGN(SVGSizeInterface * fillSize, SizeOf(fill));
  ZV_TRY_ASSIGN(SVGSizeInterface * undershootSize, SizeOf(undershoot));
  ZV_TRY_ASSIGN(SVGPositionInterface * undershootPosition, PositionOf(undershoot));
  ZV_TRY_ASSIGN(SVGSizeInterface * overshootSize, SizeOf(overshoot));
  ZV_TRY_ASSIGN(SVGPositionInterface * overshootPosition, PositionOf(overshoot));

  const SliderTrackLayout layout = ComputeSliderTrackLayout(SliderValueShare(value_, min_, max_), length);
  ZV_TRY(undershoot->SetDisplay(layout.undershoot ? SVG_DISPLAY::DISPLAY : SVG_DISPLAY::NONE));
  ZV_TRY(undershootIndicator->SetDisplay(layout.undershoot ? SVG_DISPLAY::DISPLAY : SVG_DISPLAY::NONE));
  ZV_TRY(overshoot->SetDisplay(layout.overshoot ? SVG_DISPLAY::DISPLAY : SVG_DISPLAY::NONE));
  ZV_TRY(overshootIndicator->SetDisplay(layout.overshoot ? SVG_DISPLAY::DISPLAY : SVG_DISPLAY::NONE));
  constexpr SVG_UNIT kPercent = SVG_UNIT::PERCENTAGE;
  ZV_TRY(undershootPosition->SetX(layout.undershootX * 100.0, kPercent));
  ZV_TRY(undershootSize->SetWidth(layout.undershootWidth * 100.0, kPercent));
  ZV_TRY(fillSize->SetWidth(layout.fillWidth * 100.0, kPercent));
  if (layout.overshoot) ZV_TRY(overshootPosition->SetX(layout.overshootX * 100.0, kPercent));
  ZV_TRY(overshootSize->SetWidth(layout.overshootWidth * 100.0, kPercent));
  if (layout.undershoot) ZV_TRY(undershootIndicator->SetTranslation({layout.undershootIndicator, 0.0}));
  if (layout.overshoot) ZV_TRY(overshootIndicator->SetTranslation({layout.overshootIndicator, 0.0}));
  ZV_TRY(midNotch->SetTranslation({layout.midNotch, 0.0}));

  const Vector2d rootTranslation = SliderTrackRootTranslation(orientation, size);
  ZV_TRY_ASSIGN(SVGElementRef trackRoot, track_->GetRootElement());
  ZV_TRY(trackRoot->SetTranslation(rootTranslation));
  if (layout.undershoot || layout.overshoot) {
    ZV_TRY(DrawSVG(track_->GetDrawUrl(), SliderTrackViewport(orientation, size), 0));
  } else {
    // The copies take the size-dependent attributes, which a drag does not change.
    for (const SVGDocumentRef& copy : {trackFilled_, trackEmpty_}) {
      ZV_TRY_ASSIGN(SVGElementRef root, copy->GetRootElement());
      ZV_TRY(root->SetTranslation(rootTranslation));
      ZV_TRY_ASSIGN(SVGElementRef notch, copy->GetElementById(kMidNotchId));
      ZV_TRY(notch->SetTranslation({layout.midNotch, 0.0}));
    }
    ZV_TRY(DrawTrackPart(trackFilled_, 0.0, layout.fillWidth));
    ZV_TRY(DrawTrackPart(trackEmpty_, layout.fillWidth, 1.0));
  }
  return DrawSVG(knob_->GetDrawUrl(), SliderKnobRect(orientation, layout.knobShare, size), 0);
}

template <class T>
Result<void> SliderWidgetImpl<T>::DrawTrackPart(const SVGDocumentRef& document, Float fromShare, Float toShare) {
  CanvasInterface* canvas = GetCanvas();
  if (!canvas || !(toShare > fromShare)) return Ok();
  const WIDGET_ORIENTATION orientation = GetEffectiveOrientation();
  const Vector2d size = GetLocalPixSize();
  const Rect part = SliderTrackSpan(orientation, fromShare, toShare, size);
  // Outside the damage the part would be cut away entirely; skip the copy.
  const Rect clip = canvas->GetClipBounds();
  const Vector2d a = GlobalToLocalPosition({clip.left, clip.top});
  const Vector2d b = GlobalToLocalPosition({clip.right, clip.bottom});
  if (!part.Intersects(Rect{std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)})) {
    return Ok();
  }
  canvas->PushClipRect(part);
  Result<void> drawn = DrawSVG(document->GetDrawUrl(), SliderTrackViewport(orientation, size), 0);
  canvas->PopClip();
  return drawn;
}

template <class T>
Result<void> SliderWidgetImpl<T>::DrawColorSlider() {
  CanvasInterface* canvas = GetCanvas();
  if (!canvas) return Ok();
  const Float share = SliderValueShare(value_, min_, max_);
  const ColorSliderGeometry geometry =
      ComputeColorSliderGeometry(GetEffectiveOrientation(), GetLocalPixSize(), share, ToPixels(kBorderInset),
                                 ToPixels(kSliderThickness), ToPixels(kMarkerHalfWidth), ToPixels(kMarkerWidth));
  if (backgroundImage_) ZV_TRY(DrawImage(*backgroundImage_, geometry.track, 1.0));
  const Float rounding = ToPixels(kMarkerRounding);
  canvas->DrawRectangle(geometry.marker, PaintStyle::Filled(kMarkerColor), CornerRadii::Elliptic(rounding, rounding));
  return Ok();
}

template <class T>
Result<void> SliderWidgetImpl<T>::DrawHighlight() {
  AppWidgetInterface* app = GetAppWidget();
  if (!app || app->GetHoverWidget() != static_cast<WidgetInterface*>(this)) return Ok();
  return DrawRectangle(GetLocalFrame(), ColorA{1.0, 1.0, 1.0, app->GetHoverHighlightOpacity()});
}

template <class T>
WIDGET_ORIENTATION SliderWidgetImpl<T>::GetEffectiveOrientation() const {
  const WIDGET_ORIENTATION orientation = GetOrientation();
  if (GetAcceptR2LMode() && GetR2LMode() == WIDGET_R2L_MODE::RIGHT_TO_LEFT) return MirroredForR2L(orientation);
  return orientation;
}

template <class T>
Result<bool> SliderWidgetImpl<T>::SetFromPointer(const EventReader& reader) {
  ZV_TRY_ASSIGN(Vector2d pointer, reader.GetPosition());
  const Float share = SliderPointerFraction(GetEffectiveOrientation(), GetGlobalFrame(), pointer);
  const Float fraction = QuantizeSliderFraction(share, static_cast<Float>(step_), limitMode_);
  T value;
  if constexpr (std::is_same_v<T, Int>) {
    value = IntSliderValueAt(fraction, min_, max_);
  } else {
    value = FloatSliderValueAt(fraction, min_, max_);
  }
  ZV_TRY(SetValue(value, true));
  return true;
}

template <class T>
Result<bool> SliderWidgetImpl<T>::StepBy(Float amount) {
  if (amount == 0.0) return true;
  ZV_TRY(SetValue(amount >= 0.0 ? value_ + step_ : value_ - step_, true));
  return true;
}

template <class T>
Result<bool> SliderWidgetImpl<T>::HandleEvent(const DataDictionary* event) {
  if (!GetCanvas()) return false;
  EventReader reader(event);
  Result<EVENT> type = reader.GetType();
  if (!type.IsOk()) return false;
  switch (*type) {
    case EVENT::BUTTON_DOWN:
    case EVENT::BUTTON_DRAG:
    case EVENT::BUTTON_UP: {
      ZV_TRY_ASSIGN(Int buttons, reader.GetButtonState());
      if (buttons != BUTTON::LEFT) return false;
      if (*type == EVENT::BUTTON_DOWN) dragging_ = true;
      if (*type == EVENT::BUTTON_UP) dragging_ = false;
      if (*type == EVENT::BUTTON_DRAG && !dragging_) return true;
      return SetFromPointer(reader);
    }
    case EVENT::SCROLL: {
      ZV_TRY_ASSIGN(Vector2d scroll, reader.GetScrollVector());
      switch (GetEffectiveOrientation()) {
        case WIDGET_ORIENTATION::LEFT_RIGHT: return StepBy(scroll.x);
        case WIDGET_ORIENTATION::RIGHT_LEFT: return StepBy(-scroll.x);
        case WIDGET_ORIENTATION::TOP_BOTTOM: return StepBy(scroll.y);
        case WIDGET_ORIENTATION::BOTTOM_TOP: return StepBy(-scroll.y);
      }
      return true;
    }
    case EVENT::MAGNIFY: {
      ZV_TRY_ASSIGN(Float magnification, reader.GetRecord().Get<Float>(MagnificationKey(), 0.0));
      return StepBy(magnification);
    }
    case EVENT::KEYBOARD_KEY_DOWN:
    case EVENT::KEYBOARD_KEY_REPEAT: {
      ZV_TRY_ASSIGN(Int32 key, reader.GetKey());
      if (key == KEY::PAGE_UP) return StepBy(1.0);
      if (key == KEY::PAGE_DOWN) return StepBy(-1.0);
      return false;
    }
    default:
      return false;
  }
}

template class SliderWidgetImpl<Int>;
template class SliderWidgetImpl<Float>;

}  // namespace zarvo
