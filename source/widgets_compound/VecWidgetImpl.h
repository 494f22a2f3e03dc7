#pragma once
#include "source/interfaces/VecWidgetInterface.h"
#include "source/widgets_compound/ComponentGridImpl.h"

namespace zarvo {

// The vector widgets: one row of spin boxes, Int ones for the integer vectors.
template <class V>
class VecWidgetImpl : public ComponentGridImpl<typename VectorShape<V>::Component>,
                      public virtual VecWidgetInterface<V> {
 public:
  using Component = typename VectorShape<V>::Component;
  using Grid = ComponentGridImpl<Component>;

  VecWidgetImpl();

  Result<void> InitComponent() override;
  void FreeComponent() override;

  Result<void> SetValue(const V& value, Bool notify) override;
  Result<V> GetValue() const override;
  Int GetComponentCount() const override { return VectorShape<V>::kCount; }
  Result<Ref<SpinBoxWidgetInterface<Component>>> GetComponentSpinBox(Int component) const override {
    return this->BoxAt(component, 0);
  }
  Result<void> SetRange(Component min, Component max, Int component) override {
    return this->SetRangeOf(min, max, component, 0);
  }
  Result<void> SetStep(Component step, Int component) override { return this->SetStepOf(step, component, 0); }
  Result<void> SetLimitMode(NUMBER_LIMIT_MODE mode, Int component) override {
    return this->SetLimitModeOf(mode, component, 0);
  }
  Result<void> SetUnit(NUMBER_WIDGET_UNIT_TYPE unit, Int component) override {
    return this->SetUnitOf(unit, component, 0);
  }
  Result<Component> GetMin(Int component) const override;
  Result<Component> GetMax(Int component) const override;
  Result<Component> GetStep(Int component) const override;
  Result<NUMBER_WIDGET_UNIT_TYPE> GetUnit(Int component) const override;
  void SetLayout(SPINBOX_LAYOUT layout) override { this->SetBoxLayout(layout); }
  SPINBOX_LAYOUT GetLayout() const override { return this->GetBoxLayout(); }
  Ref<VecObservable<V>> ObservableValueChanged() override { return changed_; }

 private:
  Result<void> TellEdit(Int column, Int row, Bool active) override;
  [[nodiscard]] Result<void> Tell(Int component, Bool active);

  Ref<VecObservable<V>> changed_;
};

using Vector2dWidgetImpl = VecWidgetImpl<Vector2d>;
using VectorWidgetImpl = VecWidgetImpl<Vector>;
using Vector4dWidgetImpl = VecWidgetImpl<Vector4d>;
using IntVector2dWidgetImpl = VecWidgetImpl<IntVector2d>;
using IntVectorWidgetImpl = VecWidgetImpl<IntVector>;
using IntVector4dWidgetImpl = VecWidgetImpl<IntVector4d>;

extern template class VecWidgetImpl<Vector2d>;
extern template class VecWidgetImpl<Vector>;
extern template class VecWidgetImpl<Vector4d>;
extern template class VecWidgetImpl<IntVector2d>;
extern template class VecWidgetImpl<IntVector>;
extern template class VecWidgetImpl<IntVector4d>;

}  // namespace zarvo
