#pragma once
#include "source/interfaces/CompoundSpinboxSliderWidgetInterface.h"
#include "source/widgets_layout/TableWidgetImpl.h"

namespace zarvo {

// The number widget, for T = Int or Float: a table of one row, the spin box in the first cell
// and the slider in the second. It keeps no value of its own. A child that reports a change
// sets the other one silently, so the pair never echoes.
template <class T>
class NumberWidgetImpl : public TableWidgetImpl, public virtual CompoundSpinboxSliderWidgetInterface<T> {
 public:
  NumberWidgetImpl();

  Result<void> InitComponent() override;
  void FreeComponent() override;

  Result<Ref<SpinBoxWidgetInterface<T>>> GetSpinbox() const override;
  Result<Ref<SliderWidgetInterface<T>>> GetSlider() const override;
  Result<void> SetValue(T value, Bool notify) override;
  Result<void> SetDefaultValue(T value) override;
  Result<void> SetValueToDefault() override;
  Result<void> SetMin(T min) override;
  Result<void> SetMax(T max) override;
  Result<void> SetStep(T step) override;
  Result<void> SetLimitMode(NUMBER_LIMIT_MODE mode) override;
  Result<void> SetUnit(NUMBER_WIDGET_UNIT_TYPE unit) override;
  Result<T> GetValue() const override;
  Result<T> GetDefaultValue() const override;
  Result<T> GetMin() const override;
  Result<T> GetMax() const override;
  Result<T> GetStep() const override;
  Result<NUMBER_LIMIT_MODE> GetLimitMode() const override;
  Result<NUMBER_WIDGET_UNIT_TYPE> GetUnit() const override;
  void SetLayout(COMPOUND_SPINBOXSLIDER_WIDGET_LAYOUT layout) override;
  COMPOUND_SPINBOXSLIDER_WIDGET_LAYOUT GetLayout() const override { return layout_; }
  Ref<NumberObservable<T>> ObservableValueChanged() override { return changed_; }

  Result<void> CreateLayout() override;
  Result<void> HandleSwitchLayout() override;

 private:
  // The setter shape every forwarded setter shares: the spin box first, the slider only if it
  // took the argument.
  template <class Set>
  [[nodiscard]] Result<void> ForwardToBoth(Set set);
  // One field read from both children.
  template <class V, class Get>
  [[nodiscard]] Result<V> ReadFromBoth(Get get) const;
  [[nodiscard]] Result<void> AlignSpinBoxToSlider();
  [[nodiscard]] Result<void> Tell(T value, Bool active);

  COMPOUND_SPINBOXSLIDER_WIDGET_LAYOUT layout_ = COMPOUND_SPINBOXSLIDER_WIDGET_LAYOUT::SPINBOX_AND_SLIDER;
  Ref<NumberObservable<T>> changed_;
  Ref<SpinBoxWidgetInterface<T>> spinBox_;
  Ref<SliderWidgetInterface<T>> slider_;
};

using IntNumberWidgetImpl = NumberWidgetImpl<Int>;
using FloatNumberWidgetImpl = NumberWidgetImpl<Float>;

extern template class NumberWidgetImpl<Int>;
extern template class NumberWidgetImpl<Float>;

}  // namespace zarvo
