#pragma once
#include <cstdint>

#include "source/interfaces/RadioGroupWidgetInterface.h"
#include "source/widgets_layout/TableWidgetImpl.h"

namespace zarvo {

// The radio group: a table of one column with a boolean widget in each row. The group follows
// its check boxes' notifications; the check boxes keep themselves on (RADIO symbol), so the
// only way off is another selection.
class RadioGroupWidgetImpl : public TableWidgetImpl, public virtual RadioGroupWidgetInterface {
 public:
  RadioGroupWidgetImpl();

  Result<void> InitComponent() override;
  void FreeComponent() override;

  Result<void> ResizeButtons(uint64_t count) override;
  Result<BooleanWidgetRef> GetButton(uint64_t index) const override;
  Result<void> SetValue(uint64_t index) override;
  uint64_t GetValue() const override { return value_; }
  Ref<RadioGroupObservable> ObservableValueChanged() override { return valueChanged_; }

  Result<void> CreateLayout() override;

 private:
  // A boolean widget with the radio symbol whose switching on selects `row`.
  [[nodiscard]] Result<BooleanWidgetRef> MakeButton(uint64_t row);
  uint64_t GetButtonCount() const { return static_cast<uint64_t>(GetCountY()); }

  uint64_t value_ = 0;
  Ref<RadioGroupObservable> valueChanged_;
};

}  // namespace zarvo
