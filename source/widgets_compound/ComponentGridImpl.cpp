#include "source/widgets_compound/ComponentGridImpl.h"

#include "host/core/ClassRegistry.h"
#include "source/interfaces/VecWidgetInterface.h"

namespace zarvo {

namespace {

constexpr char kMinNotSmaller[] = "min is not smaller then max.";
constexpr CanvasUnitValue kComponentPadding = CanvasUnitValue::Pix(2.0);

template <class T>
constexpr const char* SpinBoxClassOf() {
  return std::is_same_v<T, Int> ? kIntSpinBoxWidgetClassId : kFloatSpinBoxWidgetClassId;
}

// The positions a selector reaches: one, or all of its line for kAllComponents.
bool Selects(Int selector, Int position) { return selector == kAllComponents || selector == position; }
bool IsSelector(Int selector, Int count) { return selector == kAllComponents || (selector >= 0 && selector < count); }

}  // namespace

template <class T>
ComponentGridImpl<T>::ComponentGridImpl(Int columns, Int rows, const char* name)
    : columns_(columns), rows_(rows), name_(name) {
  assert(columns > 0 && rows > 0);
}

template <class T>
Result<typename ComponentGridImpl<T>::SpinBoxRef> ComponentGridImpl<T>::BoxAt(Int column, Int row) const {
  if (boxes_.empty()) return IllegalStateError(kComponentGridLinkNotSet);
  if (column < 0 || column >= columns_ || row < 0 || row >= rows_) return IllegalArgumentError(kComponentOutOfRange);
  return boxes_[static_cast<size_t>(row * columns_ + column)];
}

template <class T>
Result<T> ComponentGridImpl<T>::ValueAt(Int column, Int row) const {
  ZV_TRY_ASSIGN(const SpinBoxRef box, BoxAt(column, row));
  return box->GetValue();
}

template <class T>
template <class Set>
Result<void> ComponentGridImpl<T>::ForSelected(Int column, Int row, Set set) {
  if (boxes_.empty()) return IllegalStateError(kComponentGridLinkNotSet);
  if (!IsSelector(column, columns_) || !IsSelector(row, rows_)) return IllegalArgumentError(kComponentOutOfRange);
  forwarding_ = true;
  Result<void> result = Ok();
  for (Int y = 0; y < rows_ && result.IsOk(); ++y) {
    for (Int x = 0; x < columns_ && result.IsOk(); ++x) {
      if (Selects(column, x) && Selects(row, y)) result = set(*boxes_[static_cast<size_t>(y * columns_ + x)]);
    }
  }
  forwarding_ = false;
  return result;
}

template <class T>
Result<void> ComponentGridImpl<T>::SetRangeOf(T min, T max, Int column, Int row) {
  // Written as "not smaller" so that a NaN bound is refused too; checked once, before any box
  // changes, so that a refusal leaves all of them alone.
  if (!(min < max)) return IllegalArgumentError(kMinNotSmaller);
  return ForSelected(column, row, [min, max](SpinBoxWidgetInterface<T>& box) -> Result<void> {
    // The box refuses a min above its max and a max below its min: widen first.
    if (min < box.GetMax()) {
      ZV_TRY(box.SetMin(min));
      ZV_TRY(box.SetMax(max));
    } else {
      ZV_TRY(box.SetMax(max));
      ZV_TRY(box.SetMin(min));
    }
    return box.SetValue(box.GetValue(), false);
  });
}

template <class T>
Result<void> ComponentGridImpl<T>::SetStepOf(T step, Int column, Int row) {
  return ForSelected(column, row, [step](SpinBoxWidgetInterface<T>& box) { return box.SetStep(step); });
}

template <class T>
Result<void> ComponentGridImpl<T>::SetLimitModeOf(NUMBER_LIMIT_MODE mode, Int column, Int row) {
  return ForSelected(column, row, [mode](SpinBoxWidgetInterface<T>& box) { return box.SetLimitMode(mode); });
}

template <class T>
Result<void> ComponentGridImpl<T>::SetUnitOf(NUMBER_WIDGET_UNIT_TYPE unit, Int column, Int row) {
  return ForSelected(column, row, [unit](SpinBoxWidgetInterface<T>& box) { return box.SetUnit(unit); });
}

template <class T>
void ComponentGridImpl<T>::SetBoxLayout(SPINBOX_LAYOUT layout) {
  if (layout == layout_) return;
  layout_ = layout;
  RequestSwitchLayout();
}

template <class T>
Result<typename ComponentGridImpl<T>::SpinBoxRef> ComponentGridImpl<T>::MakeBox(Int column, Int row) {
  ZV_TRY_ASSIGN(SpinBoxRef box, CreateObject<SpinBoxWidgetInterface<T>>(Id(SpinBoxClassOf<T>())));
  ZV_TRY(box->CreateLayout());
  ZV_TRY_ASSIGN(const CellWidgetRef cell, GetCell(column, row));
  ZV_TRY(cell->SetPadding(kComponentPadding, kComponentPadding, kComponentPadding, kComponentPadding));
  cell->SetAlignment(ALIGNMENT_MODE::CENTER, WIDGET_DIRECTION::VERTICAL);
  ZV_TRY(cell->InsertChildLast(box));
  // The grid owns its boxes; an observer bound to it is skipped once it is gone.
  box->ObservableValueChanged()->AddObserver(this, [this, column, row](const WidgetRef&, T, Bool active) -> Result<void> {
    if (forwarding_) return Ok();
    return TellEdit(column, row, active);
  });
  return box;
}

template <class T>
Result<void> ComponentGridImpl<T>::CreateLayout() {
  ZV_TRY(TableWidgetImpl::CreateLayout());
  SetName(name_);
  ZV_TRY(Resize(columns_, rows_));
  std::vector<SpinBoxRef> boxes;
  boxes.reserve(static_cast<size_t>(columns_ * rows_));
  for (Int row = 0; row < rows_; ++row) {
    for (Int column = 0; column < columns_; ++column) {
      ZV_TRY_ASSIGN(SpinBoxRef box, MakeBox(column, row));
      boxes.push_back(std::move(box));
    }
  }
  boxes_ = std::move(boxes);
  return HandleSwitchLayout();
}

template <class T>
Result<void> ComponentGridImpl<T>::HandleSwitchLayout() {
  ZV_TRY(TableWidgetImpl::HandleSwitchLayout());
  if (boxes_.empty()) return IllegalStateError(kComponentGridLinkNotSet);
  for (const SpinBoxRef& box : boxes_) box->SetLayout(layout_);
  RequestLayout();
  return Ok();
}

template class ComponentGridImpl<Int>;
template class ComponentGridImpl<Float>;

}  // namespace zarvo
