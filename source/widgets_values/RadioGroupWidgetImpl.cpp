#include "source/widgets_values/RadioGroupWidgetImpl.h"

#include <vector>

#include "host/core/ClassRegistry.h"
#include "source/WidgetComponent.h"

namespace zarvo {

RadioGroupWidgetImpl::RadioGroupWidgetImpl() : valueChanged_(MakeRef<RadioGroupObservable>()) {}

Result<void> RadioGroupWidgetImpl::InitComponent() {
  ZV_TRY(TableWidgetImpl::InitComponent());
  return InitObservables(this, {{valueChanged_.Get(), "ObservableValueChanged"}});
}

void RadioGroupWidgetImpl::FreeComponent() {
  FreeObservables({valueChanged_.Get()});
  TableWidgetImpl::FreeComponent();
}

Result<void> RadioGroupWidgetImpl::CreateLayout() {
  ZV_TRY(TableWidgetImpl::CreateLayout());
  SetName("RadioGroupWidget");
  return Ok();
}

Result<BooleanWidgetRef> RadioGroupWidgetImpl::MakeButton(uint64_t row) {
  ZV_TRY_ASSIGN(BooleanWidgetRef button, CreateObject<BooleanWidgetInterface>(Id(kBooleanWidgetClassId)));
  ZV_TRY(button->CreateLayout());
  ZV_TRY_ASSIGN(CheckboxWidgetRef checkbox, button->GetCheckboxWidget());
  ZV_TRY(checkbox->SetSymbol(CHECKBOX_SYMBOL::RADIO));
  // Bound to the group: once it is gone its buttons select nothing. Only switching on selects;
  // the buttons the selection switches off report that too, and must not select themselves.
  checkbox->ObservableStateChanged()->AddObserver(this, [this, row](const CheckboxWidgetRef&, Bool on) -> Result<void> {
    if (!on) return Ok();
    return SetValue(row);
  });
  return button;
}

Result<void> RadioGroupWidgetImpl::ResizeButtons(uint64_t count) {
  if (count == 0) return IllegalArgumentError("No valid button number");
  // Every new button first, so that a failure leaves the old ones in place.
  std::vector<BooleanWidgetRef> buttons;
  buttons.reserve(count);
  for (uint64_t row = 0; row < count; ++row) {
    ZV_TRY_ASSIGN(BooleanWidgetRef button, MakeButton(row));
    buttons.push_back(std::move(button));
  }
  ZV_TRY(Resize(0, 0));
  RemoveAllChildren();
  ZV_TRY(Resize(1, static_cast<Int>(count)));
  // Exactly one button is on, so a selection the new buttons do not reach starts over.
  if (value_ >= count) value_ = 0;
  for (uint64_t row = 0; row < count; ++row) {
    ZV_TRY_ASSIGN(CellWidgetRef cell, GetCell(0, static_cast<Int>(row)));
    ZV_TRY(cell->InsertChildLast(buttons[row]));
    ZV_TRY_ASSIGN(CheckboxWidgetRef checkbox, buttons[row]->GetCheckboxWidget());
    checkbox->SetState(row == value_);
  }
  RequestRedraw();
  return Ok();
}

Result<BooleanWidgetRef> RadioGroupWidgetImpl::GetButton(uint64_t index) const {
  if (index >= GetButtonCount()) return IllegalArgumentError("Value exceeds number of radiobuttons");
  ZV_TRY_ASSIGN(CellWidgetRef cell, GetCell(0, static_cast<Int>(index)));
  BooleanWidgetRef button = cell ? Cast<BooleanWidgetInterface>(Ref<HierarchyObject>(cell->GetFirstChild()))
                                 : BooleanWidgetRef();
  if (!button) return IllegalStateError("Wrong widget hierarchy");
  return button;
}

Result<void> RadioGroupWidgetImpl::SetValue(uint64_t index) {
  const uint64_t count = GetButtonCount();
  if (index >= count) return IllegalArgumentError("value exceeds number of radiobuttons");
  if (index == value_) return Ok();
  value_ = index;
  ZV_TRY(valueChanged_->Notify(WidgetRef(this), value_));
  for (uint64_t row = 0; row < count; ++row) {
    ZV_TRY_ASSIGN(BooleanWidgetRef button, GetButton(row));
    ZV_TRY(button->SetValue(row == index));
  }
  RequestRedraw();
  return Ok();
}

}  // namespace zarvo
