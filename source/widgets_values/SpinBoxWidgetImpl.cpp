#include "source/widgets_values/SpinBoxWidgetImpl.h"

#include <limits>

#include "host/core/ClassRegistry.h"
#include "host/ui/EventKeys.h"
#include "source/WidgetComponent.h"
#include "source/widgets_values/SpinBoxMath.h"

namespace zarvo {

namespace {

constexpr char kWidgetLinkNotSet[] = "Widget link not set.";
constexpr char kWidgetsLinksNotSet[] = "Widgets links not set.";
constexpr char kMinNotSmaller[] = "min is not smaller then max.";
constexpr char kMaxNotGreater[] = "max is not greater then min.";

constexpr ColorA kSpinBoxBackground{0.2, 0.2, 0.2, 1.0};
constexpr ColorA kSpinBoxBorder{40.0 / 255.0, 40.0 / 255.0, 40.0 / 255.0, 1.0};
constexpr CanvasUnitValue kSpinBoxBorderWidth = CanvasUnitValue::Pix(1.5);
constexpr CanvasUnitValue kSpinBoxRounding = CanvasUnitValue::Fon(1.5);
constexpr CanvasUnitValue kTextFontSize = CanvasUnitValue::Fon(12.0);
constexpr CanvasUnitValue kTextWidth = CanvasUnitValue::Fon(50.0);
constexpr ColorA kTextColor{180.0 / 255.0, 180.0 / 255.0, 180.0 / 255.0, 1.0};
constexpr CanvasUnitValue kGlyphFontSize = CanvasUnitValue::Fon(9.0);
constexpr ColorA kGlyphColor{135.0 / 255.0, 135.0 / 255.0, 135.0 / 255.0, 1.0};
constexpr CanvasUnitValue kArrowPadding = CanvasUnitValue::Fon(2.0);
constexpr CanvasUnitValue kNoPadding = CanvasUnitValue::Fon(0.0);

const Id& MagnificationKey() {
  static const Id key("net.zarvo.ui.message.magnification");
  return key;
}

Result<void> PlaceCentred(TableWidgetInterface& table, Int x, Int y, const WidgetRef& child, bool padded) {
  ZV_TRY_ASSIGN(const CellWidgetRef cell, table.GetCell(x, y));
  cell->SetAlignment(ALIGNMENT_MODE::CENTER, WIDGET_DIRECTION::HORIZONTAL);
  cell->SetAlignment(ALIGNMENT_MODE::CENTER, WIDGET_DIRECTION::VERTICAL);
  if (padded) ZV_TRY(cell->SetPadding(kArrowPadding, kArrowPadding, kNoPadding, kNoPadding));
  return cell->InsertChildLast(child);
}

}  // namespace

template <class T>
SpinBoxWidgetImpl<T>::SpinBoxWidgetImpl()
    : value_(0),
      min_(std::numeric_limits<T>::lowest()),
      max_(std::numeric_limits<T>::max()),
      default_(0),
      step_(1),
      changed_(MakeRef<SpinBoxObservable<T>>()) {}

template <class T>
Result<void> SpinBoxWidgetImpl<T>::InitComponent() {
  ZV_TRY(TableWidgetImpl::InitComponent());
  return InitObservables(this, {{changed_.Get(), "ObservableValueChanged"}});
}

template <class T>
void SpinBoxWidgetImpl<T>::FreeComponent() {
  FreeObservables({changed_.Get()});
  TableWidgetImpl::FreeComponent();
}

template <class T>
Result<void> SpinBoxWidgetImpl<T>::ShowAndTell(bool notify, Bool active) {
  if (!textEdit_) return IllegalStateError(kWidgetLinkNotSet);
  textEdit_->SetText(FormatSpinBoxText(value_, unit_));
  if (!notify) return Ok();
  Ref<SpinBoxObservable<T>> keep = changed_;
  return keep->Notify(WidgetRef(this), value_, active);
}

// Not an early return on an equal value: a refused expression sets the old value again, and
// its text must come back and observers hear it.
template <class T>
Result<void> SpinBoxWidgetImpl<T>::SetValue(T value, Bool notify) {
  value_ = ClampSpinBoxValue(value, min_, max_, limitMode_);
  return ShowAndTell(notify, false);
}

template <class T>
Result<void> SpinBoxWidgetImpl<T>::SetDefaultValue(T value) {
  default_ = ClampSpinBoxValue(value, min_, max_, limitMode_);
  return Ok();
}

template <class T>
Result<void> SpinBoxWidgetImpl<T>::SetMin(T min) {
  // Written as "not smaller" so that a NaN bound is refused too.
  if (!(min < max_)) return IllegalArgumentError(kMinNotSmaller);
  min_ = min;
  return Ok();
}

template <class T>
Result<void> SpinBoxWidgetImpl<T>::SetMax(T max) {
  if (!(max > min_)) return IllegalArgumentError(kMaxNotGreater);
  max_ = max;
  return Ok();
}

template <class T>
Result<void> SpinBoxWidgetImpl<T>::SetStep(T step) {
  step_ = step == T(0) ? T(1) : step;
  return Ok();
}

template <class T>
Result<void> SpinBoxWidgetImpl<T>::SetLimitMode(NUMBER_LIMIT_MODE mode) {
  limitMode_ = mode;
  return SetValue(value_, true);
}

template <class T>
Result<void> SpinBoxWidgetImpl<T>::SetUnit(NUMBER_WIDGET_UNIT_TYPE unit) {
  unit_ = unit;
  return SetValue(value_, true);
}

template <class T>
void SpinBoxWidgetImpl<T>::SetLayout(SPINBOX_LAYOUT layout) {
  if (layout == layout_) return;
  layout_ = layout;
  RequestSwitchLayout();
}

template <class T>
Result<void> SpinBoxWidgetImpl<T>::HandleTextFinished() {
  if (!textEdit_) return IllegalStateError(kWidgetLinkNotSet);
  // A text that does not evaluate keeps the value, and setting it again rewrites the text.
  const Result<T> typed = EvaluateSpinBoxText<T>(textEdit_->GetText(), unit_);
  return SetValue(typed.IsOk() ? *typed : value_, true);
}

template <class T>
Result<void> SpinBoxWidgetImpl<T>::HandleArrow(Float delta, Bool reset, Bool active) {
  if (reset) {
    ZV_TRY(SetValueToDefault());
    RequestRedraw();
    return Ok();
  }
  value_ = ClampSpinBoxValue(ApplySpinBoxStep(value_, step_, delta), min_, max_, limitMode_);
  return ShowAndTell(true, active);
}

template <class T>
Result<SpinnerWidgetRef> SpinBoxWidgetImpl<T>::MakeSpinner(WIDGET_ORIENTATION orientation) {
  ZV_TRY_ASSIGN(SpinnerWidgetRef spinner, CreateObject<SpinnerWidgetInterface>(Id(kSpinnerWidgetClassId)));
  ZV_TRY(spinner->CreateLayout());
  spinner->SetOrientation(orientation);
  ZV_TRY_ASSIGN(const TextWidgetRef glyph, spinner->GetTextWidget());
  glyph->SetFontSize(kGlyphFontSize);
  glyph->SetColor(kGlyphColor);
  spinner->SetBackgroundVisibility(false);
  spinner->SetBorderVisibility(false);
  spinner->SetAcceptTabFocus(false);
  // The spin box owns its arrows; an observer bound to it is skipped once it is gone.
  spinner->ObservableValueChanged()->AddObserver(this, [this](Float delta, Bool reset, Bool active) {
    return HandleArrow(delta, reset, active);
  });
  return spinner;
}

template <class T>
Result<void> SpinBoxWidgetImpl<T>::CreateLayout() {
  ZV_TRY(TableWidgetImpl::CreateLayout());
  SetName("SpinBoxWidget");
  SetAcceptTabFocus(true);
  SetFocusVisibility(true);
  SetBackgroundVisibility(true);
  SetBackgroundColor(kSpinBoxBackground);
  SetBorderVisibility(true);
  SetBorderColor(kSpinBoxBorder);
  SetBorderLinewidth(kSpinBoxBorderWidth);
  SetRounding(Rounding{kSpinBoxRounding, kSpinBoxRounding, kSpinBoxRounding, kSpinBoxRounding});

  ZV_TRY_ASSIGN(textEdit_, CreateObject<TextEditWidgetInterface>(Id(kTextEditWidgetClassId)));
  // Built now, so that its own construction does not replace the text given below.
  ZV_TRY(textEdit_->CreateLayout());
  textEdit_->SetFontSize(kTextFontSize);
  textEdit_->SetClipping(true);
  textEdit_->SetText(FormatSpinBoxText(value_, unit_));
  textEdit_->SetAlignment(ALIGNMENT::CENTER, WIDGET_DIRECTION::HORIZONTAL);
  textEdit_->SetAlignment(ALIGNMENT::CENTER, WIDGET_DIRECTION::VERTICAL);
  textEdit_->SetColor(kTextColor);
  textEdit_->SetSizeMode(WIDGET_SIZE::FIXED, WIDGET_DIRECTION::HORIZONTAL);
  textEdit_->SetFixedSize(kTextWidth, WIDGET_DIRECTION::HORIZONTAL);
  textEdit_->SetAcceptTabFocus(false);
  textEdit_->ObservableTextFinished()->AddObserver(this, [this](const TextEditWidgetRef&) { return HandleTextFinished(); });

  const bool horizontal = IsHorizontal(GetOrientation());
  ZV_TRY_ASSIGN(increment_, MakeSpinner(horizontal ? WIDGET_ORIENTATION::LEFT_RIGHT : WIDGET_ORIENTATION::BOTTOM_TOP));
  ZV_TRY_ASSIGN(decrement_, MakeSpinner(horizontal ? WIDGET_ORIENTATION::RIGHT_LEFT : WIDGET_ORIENTATION::TOP_BOTTOM));
  return HandleSwitchLayout();
}

template <class T>
Result<void> SpinBoxWidgetImpl<T>::ArrangeHorizontally() {
  ZV_TRY(Resize(3, 1));
  ZV_TRY(PlaceCentred(*this, 0, 0, decrement_, true));
  ZV_TRY(PlaceCentred(*this, 1, 0, textEdit_, false));
  return PlaceCentred(*this, 2, 0, increment_, true);
}

template <class T>
Result<void> SpinBoxWidgetImpl<T>::ArrangeVertically() {
  ZV_TRY(Resize(2, 1));
  ZV_TRY(PlaceCentred(*this, 0, 0, textEdit_, false));
  ZV_TRY_ASSIGN(const TableWidgetRef arrows, CreateObject<TableWidgetInterface>(Id(kTableWidgetClassId)));
  ZV_TRY(arrows->CreateLayout());
  ZV_TRY(arrows->Resize(1, 2));
  ZV_TRY(PlaceCentred(*arrows, 0, 0, increment_, false));
  ZV_TRY(PlaceCentred(*arrows, 0, 1, decrement_, false));
  return PlaceCentred(*this, 1, 0, arrows, false);
}

template <class T>
Result<void> SpinBoxWidgetImpl<T>::HandleSwitchLayout() {
  ZV_TRY(TableWidgetImpl::HandleSwitchLayout());
  if (!textEdit_ || !increment_ || !decrement_) return IllegalStateError(kWidgetsLinksNotSet);
  ZV_TRY(Resize(0, 0));
  // The cells go with their arrangement; the three children are kept and placed again.
  textEdit_->Remove();
  increment_->Remove();
  decrement_->Remove();
  RemoveAllChildren();
  const bool horizontal = IsHorizontal(GetOrientation());
  increment_->SetOrientation(horizontal ? WIDGET_ORIENTATION::LEFT_RIGHT : WIDGET_ORIENTATION::BOTTOM_TOP);
  decrement_->SetOrientation(horizontal ? WIDGET_ORIENTATION::RIGHT_LEFT : WIDGET_ORIENTATION::TOP_BOTTOM);
  ZV_TRY(horizontal ? ArrangeHorizontally() : ArrangeVertically());
  // The glyphs follow the orientations now, not at the arrows' next switch.
  ZV_TRY(increment_->HandleSwitchLayout());
  ZV_TRY(decrement_->HandleSwitchLayout());
  const bool arrows = layout_ == SPINBOX_LAYOUT::NORMAL;
  increment_->SetLocalVisibility(arrows);
  decrement_->SetLocalVisibility(arrows);
  RequestLayout();
  return Ok();
}

template <class T>
Result<bool> SpinBoxWidgetImpl<T>::HandleEvent(const DataDictionary* event) {
  EventReader reader(event);
  Result<EVENT> type = reader.GetType();
  if (!type.IsOk()) return false;
  Float d = 0.0;
  switch (*type) {
    case EVENT::SCROLL: {
      ZV_TRY_ASSIGN(const Vector2d scroll, reader.GetScrollVector());
      d = scroll.y != 0.0 ? scroll.y : scroll.x;
      break;
    }
    case EVENT::MAGNIFY: {
      ZV_TRY_ASSIGN(d, reader.GetRecord().Get<Float>(MagnificationKey(), 0.0));
      break;
    }
    default:
      return false;
  }
  if (d != 0.0) {
    ZV_TRY(SetValue(ApplySpinBoxStep(value_, step_, d >= 0.0 ? 1.0 : -1.0), true));
    RequestRedraw();
  }
  return true;
}

template class SpinBoxWidgetImpl<Int>;
template class SpinBoxWidgetImpl<Float>;

}  // namespace zarvo
