#include "source/widgets_values/NumberWidgetImpl.h"

#include "host/core/ClassRegistry.h"
#include "source/WidgetComponent.h"

namespace zarvo {

namespace {

constexpr char kWidgetLinkNotSet[] = "Widget Link not set.";
constexpr char kValuesDontMatch[] = "Spinbox and slider values don't match";
constexpr CanvasUnitValue kCellPadding = CanvasUnitValue::Pix(3.0);

template <class T>
struct ChildClasses;
template <>
struct ChildClasses<Int> {
  static constexpr const char* kSpinBox = kIntSpinBoxWidgetClassId;
  static constexpr const char* kSlider = kIntSliderWidgetClassId;
};
template <>
struct ChildClasses<Float> {
  static constexpr const char* kSpinBox = kFloatSpinBoxWidgetClassId;
  static constexpr const char* kSlider = kFloatSliderWidgetClassId;
};

Result<void> PlaceInCell(TableWidgetInterface& table, Int x, const WidgetRef& child) {
  ZV_TRY_ASSIGN(const CellWidgetRef cell, table.GetCell(x, 0));
  ZV_TRY(cell->SetPadding(kCellPadding, kCellPadding, kCellPadding, kCellPadding));
  cell->SetAlignment(ALIGNMENT_MODE::CENTER, WIDGET_DIRECTION::VERTICAL);
  return cell->InsertChildLast(child);
}

}  // namespace

template <class T>
NumberWidgetImpl<T>::NumberWidgetImpl() : changed_(MakeRef<NumberObservable<T>>()) {}

template <class T>
Result<void> NumberWidgetImpl<T>::InitComponent() {
  ZV_TRY(TableWidgetImpl::InitComponent());
  return InitObservables(this, {{changed_.Get(), "ObservableValueChanged"}});
}

template <class T>
void NumberWidgetImpl<T>::FreeComponent() {
  FreeObservables({changed_.Get()});
  TableWidgetImpl::FreeComponent();
}

template <class T>
Result<Ref<SpinBoxWidgetInterface<T>>> NumberWidgetImpl<T>::GetSpinbox() const {
  if (!spinBox_) return IllegalStateError(kWidgetLinkNotSet);
  return spinBox_;
}

template <class T>
Result<Ref<SliderWidgetInterface<T>>> NumberWidgetImpl<T>::GetSlider() const {
  if (!slider_) return IllegalStateError(kWidgetLinkNotSet);
  return slider_;
}

template <class T>
Result<void> NumberWidgetImpl<T>::Tell(T value, Bool active) {
  Ref<NumberObservable<T>> keep = changed_;
  return keep->Notify(WidgetRef(this), value, active);
}

template <class T>
Result<void> NumberWidgetImpl<T>::SetValue(T value, Bool notify) {
  if (!spinBox_ || !slider_) return IllegalStateError(kWidgetLinkNotSet);
  ZV_TRY(spinBox_->SetValue(value, false));
  ZV_TRY(slider_->SetValue(value, false));
  if (!notify) return Ok();
  ZV_TRY_ASSIGN(const T held, GetValue());
  return Tell(held, false);
}

template <class T>
template <class Set>
Result<void> NumberWidgetImpl<T>::ForwardToBoth(Set set) {
  if (!spinBox_ || !slider_) return IllegalStateError(kWidgetLinkNotSet);
  ZV_TRY(set(*spinBox_));
  return set(*slider_);
}

template <class T>
template <class V, class Get>
Result<V> NumberWidgetImpl<T>::ReadFromBoth(Get get) const {
  if (!spinBox_ || !slider_) return IllegalStateError(kWidgetLinkNotSet);
  const V fromSpinBox = get(*spinBox_);
  if (!(fromSpinBox == get(*slider_))) return IllegalStateError(kValuesDontMatch);
  return fromSpinBox;
}

template <class T>
Result<void> NumberWidgetImpl<T>::SetDefaultValue(T value) {
  return ForwardToBoth([value](auto& child) { return child.SetDefaultValue(value); });
}

template <class T>
Result<void> NumberWidgetImpl<T>::SetValueToDefault() {
  return ForwardToBoth([](auto& child) { return child.SetValueToDefault(); });
}

template <class T>
Result<void> NumberWidgetImpl<T>::SetMin(T min) {
  return ForwardToBoth([min](auto& child) { return child.SetMin(min); });
}

template <class T>
Result<void> NumberWidgetImpl<T>::SetMax(T max) {
  return ForwardToBoth([max](auto& child) { return child.SetMax(max); });
}

template <class T>
Result<void> NumberWidgetImpl<T>::SetStep(T step) {
  return ForwardToBoth([step](auto& child) { return child.SetStep(step); });
}

template <class T>
Result<void> NumberWidgetImpl<T>::SetLimitMode(NUMBER_LIMIT_MODE mode) {
  return ForwardToBoth([mode](auto& child) { return child.SetLimitMode(mode); });
}

template <class T>
Result<void> NumberWidgetImpl<T>::SetUnit(NUMBER_WIDGET_UNIT_TYPE unit) {
  return ForwardToBoth([unit](auto& child) { return child.SetUnit(unit); });
}

template <class T>
Result<T> NumberWidgetImpl<T>::GetValue() const {
  return ReadFromBoth<T>([](const auto& child) { return child.GetValue(); });
}

template <class T>
Result<T> NumberWidgetImpl<T>::GetDefaultValue() const {
  return ReadFromBoth<T>([](const auto& child) { return child.GetDefaultValue(); });
}

template <class T>
Result<T> NumberWidgetImpl<T>::GetMin() const {
  return ReadFromBoth<T>([](const auto& child) { return child.GetMin(); });
}

template <class T>
Result<T> NumberWidgetImpl<T>::GetMax() const {
  return ReadFromBoth<T>([](const auto& child) { return child.GetMax(); });
}

template <class T>
Result<T> NumberWidgetImpl<T>::GetStep() const {
  return ReadFromBoth<T>([](const auto& child) { return child.GetStep(); });
}

template <class T>
Result<NUMBER_LIMIT_MODE> NumberWidgetImpl<T>::GetLimitMode() const {
  return ReadFromBoth<NUMBER_LIMIT_MODE>([](const auto& child) { return child.GetLimitMode(); });
}

template <class T>
Result<NUMBER_WIDGET_UNIT_TYPE> NumberWidgetImpl<T>::GetUnit() const {
  return ReadFromBoth<NUMBER_WIDGET_UNIT_TYPE>([](const auto& child) { return child.GetUnit(); });
}

template <class T>
void NumberWidgetImpl<T>::SetLayout(COMPOUND_SPINBOXSLIDER_WIDGET_LAYOUT layout) {
  if (layout == layout_) return;
  layout_ = layout;
  RequestSwitchLayout();
}

// The two children start from different ranges; the slider's is the one a number field is
// usually meant to have (a bounded track), so the spin box takes it over.
template <class T>
Result<void> NumberWidgetImpl<T>::AlignSpinBoxToSlider() {
  ZV_TRY(spinBox_->SetMin(slider_->GetMin()));
  ZV_TRY(spinBox_->SetMax(slider_->GetMax()));
  ZV_TRY(spinBox_->SetStep(slider_->GetStep()));
  ZV_TRY(spinBox_->SetDefaultValue(slider_->GetDefaultValue()));
  return spinBox_->SetValue(slider_->GetValue(), false);
}

template <class T>
Result<void> NumberWidgetImpl<T>::CreateLayout() {
  ZV_TRY(TableWidgetImpl::CreateLayout());
  SetName("NumberWidget");
  ZV_TRY(Resize(2, 1));
  ZV_TRY_ASSIGN(spinBox_, CreateObject<SpinBoxWidgetInterface<T>>(Id(ChildClasses<T>::kSpinBox)));
  ZV_TRY(spinBox_->CreateLayout());
  ZV_TRY_ASSIGN(slider_, CreateObject<SliderWidgetInterface<T>>(Id(ChildClasses<T>::kSlider)));
  ZV_TRY(slider_->CreateLayout());
  ZV_TRY(PlaceInCell(*this, 0, spinBox_));
  ZV_TRY(PlaceInCell(*this, 1, slider_));
  // The widget owns its children; an observer bound to it is skipped once it is gone. Each
  // side sets the other without notification, so a change never comes back.
  spinBox_->ObservableValueChanged()->AddObserver(this, [this](const WidgetRef&, T value, Bool active) -> Result<void> {
    ZV_TRY(slider_->SetValue(value, false));
    return Tell(value, active);
  });
  slider_->ObservableValueChanged()->AddObserver(this, [this](const WidgetRef&, T value, Bool active) -> Result<void> {
    ZV_TRY(spinBox_->SetValue(value, false));
    return Tell(value, active);
  });
  ZV_TRY(AlignSpinBoxToSlider());
  return HandleSwitchLayout();
}

template <class T>
Result<void> NumberWidgetImpl<T>::HandleSwitchLayout() {
  ZV_TRY(TableWidgetImpl::HandleSwitchLayout());
  if (!spinBox_ || !slider_) return IllegalStateError(kWidgetLinkNotSet);
  ZV_TRY_ASSIGN(const CellWidgetRef spinBoxCell, GetCell(0, 0));
  ZV_TRY_ASSIGN(const CellWidgetRef sliderCell, GetCell(1, 0));
  using Layout = COMPOUND_SPINBOXSLIDER_WIDGET_LAYOUT;
  spinBoxCell->SetLocalVisibility(layout_ != Layout::SLIDER);
  sliderCell->SetLocalVisibility(layout_ != Layout::MINIMAL && layout_ != Layout::SPINBOX);
  spinBox_->SetLayout(layout_ == Layout::MINIMAL ? SPINBOX_LAYOUT::MINIMAL : SPINBOX_LAYOUT::NORMAL);
  RequestLayout();
  return Ok();
}

template class NumberWidgetImpl<Int>;
template class NumberWidgetImpl<Float>;

}  // namespace zarvo
