#pragma once
#include "source/interfaces/SpinBoxWidgetInterface.h"
#include "source/interfaces/SpinnerWidgetInterface.h"
#include "source/interfaces/TextEditWidgetInterface.h"
#include "source/widgets_layout/TableWidgetImpl.h"

namespace zarvo {

// The spin box, for T = Int or Float: a table holding the decrement arrow, the text and the
// increment arrow (in a vertical orientation the text, then the two arrows stacked). The value
// lives here; the text shows it and is read back when an edit ends.
template <class T>
class SpinBoxWidgetImpl : public TableWidgetImpl, public virtual SpinBoxWidgetInterface<T> {
 public:
  SpinBoxWidgetImpl();

  Result<void> InitComponent() override;
  void FreeComponent() override;

  Result<void> SetValue(T value, Bool notify) override;
  Result<void> SetDefaultValue(T value) override;
  Result<void> SetValueToDefault() override { return SetValue(default_, true); }
  Result<void> SetMin(T min) override;
  Result<void> SetMax(T max) override;
  Result<void> SetStep(T step) override;
  Result<void> SetLimitMode(NUMBER_LIMIT_MODE mode) override;
  Result<void> SetUnit(NUMBER_WIDGET_UNIT_TYPE unit) override;
  T GetValue() const override { return value_; }
  T GetDefaultValue() const override { return default_; }
  T GetMin() const override { return min_; }
  T GetMax() const override { return max_; }
  T GetStep() const override { return step_; }
  NUMBER_LIMIT_MODE GetLimitMode() const override { return limitMode_; }
  NUMBER_WIDGET_UNIT_TYPE GetUnit() const override { return unit_; }
  void SetLayout(SPINBOX_LAYOUT layout) override;
  SPINBOX_LAYOUT GetLayout() const override { return layout_; }
  Ref<SpinBoxObservable<T>> ObservableValueChanged() override { return changed_; }

  Result<void> CreateLayout() override;
  Result<void> HandleSwitchLayout() override;
  Result<bool> HandleEvent(const DataDictionary* event) override;

  // The children, for tests and for the compound widgets built on the spin box.
  const TextEditWidgetRef& GetTextEdit() const noexcept { return textEdit_; }
  const SpinnerWidgetRef& GetIncrementSpinner() const noexcept { return increment_; }
  const SpinnerWidgetRef& GetDecrementSpinner() const noexcept { return decrement_; }

 private:
  [[nodiscard]] Result<void> ShowAndTell(bool notify, Bool active);
  [[nodiscard]] Result<void> HandleTextFinished();
  [[nodiscard]] Result<void> HandleArrow(Float delta, Bool reset, Bool active);
  [[nodiscard]] Result<SpinnerWidgetRef> MakeSpinner(WIDGET_ORIENTATION orientation);
  [[nodiscard]] Result<void> ArrangeHorizontally();
  [[nodiscard]] Result<void> ArrangeVertically();

  T value_;
  T min_;
  T max_;
  T default_;
  T step_;
  NUMBER_LIMIT_MODE limitMode_ = NUMBER_LIMIT_MODE::LIMIT_MIN_MAX;
  NUMBER_WIDGET_UNIT_TYPE unit_ = NUMBER_WIDGET_UNIT_TYPE::NONE;
  SPINBOX_LAYOUT layout_ = SPINBOX_LAYOUT::NORMAL;
  Ref<SpinBoxObservable<T>> changed_;
  TextEditWidgetRef textEdit_;
  SpinnerWidgetRef increment_;
  SpinnerWidgetRef decrement_;
};

using IntSpinBoxWidgetImpl = SpinBoxWidgetImpl<Int>;
using FloatSpinBoxWidgetImpl = SpinBoxWidgetImpl<Float>;

extern template class SpinBoxWidgetImpl<Int>;
extern template class SpinBoxWidgetImpl<Float>;

}  // namespace zarvo
