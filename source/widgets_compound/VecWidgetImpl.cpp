#include "source/widgets_compound/VecWidgetImpl.h"

#include "source/WidgetComponent.h"

namespace zarvo {

template <class V>
VecWidgetImpl<V>::VecWidgetImpl() : Grid(VectorShape<V>::kCount, 1, "VecWidget"), changed_(MakeRef<VecObservable<V>>()) {}

template <class V>
Result<void> VecWidgetImpl<V>::InitComponent() {
  ZV_TRY(Grid::InitComponent());
  return InitObservables(this, {{changed_.Get(), "ObservableValueChanged"}});
}

template <class V>
void VecWidgetImpl<V>::FreeComponent() {
  FreeObservables({changed_.Get()});
  Grid::FreeComponent();
}

template <class V>
Result<void> VecWidgetImpl<V>::SetValue(const V& value, Bool notify) {
  ZV_TRY(this->SetValues([&value](Int column, Int) { return VectorShape<V>::Get(value, column); }));
  if (!notify) return Ok();
  return Tell(kAllComponents, false);
}

template <class V>
Result<V> VecWidgetImpl<V>::GetValue() const {
  V value;
  for (Int i = 0; i < VectorShape<V>::kCount; ++i) {
    ZV_TRY_ASSIGN(const Component component, this->ValueAt(i, 0));
    VectorShape<V>::Set(value, i, component);
  }
  return value;
}

template <class V>
Result<typename VecWidgetImpl<V>::Component> VecWidgetImpl<V>::GetMin(Int component) const {
  ZV_TRY_ASSIGN(const typename Grid::SpinBoxRef box, this->BoxAt(component, 0));
  return box->GetMin();
}

template <class V>
Result<typename VecWidgetImpl<V>::Component> VecWidgetImpl<V>::GetMax(Int component) const {
  ZV_TRY_ASSIGN(const typename Grid::SpinBoxRef box, this->BoxAt(component, 0));
  return box->GetMax();
}

template <class V>
Result<typename VecWidgetImpl<V>::Component> VecWidgetImpl<V>::GetStep(Int component) const {
  ZV_TRY_ASSIGN(const typename Grid::SpinBoxRef box, this->BoxAt(component, 0));
  return box->GetStep();
}

template <class V>
Result<NUMBER_WIDGET_UNIT_TYPE> VecWidgetImpl<V>::GetUnit(Int component) const {
  ZV_TRY_ASSIGN(const typename Grid::SpinBoxRef box, this->BoxAt(component, 0));
  return box->GetUnit();
}

template <class V>
Result<void> VecWidgetImpl<V>::TellEdit(Int column, Int, Bool active) {
  return Tell(column, active);
}

template <class V>
Result<void> VecWidgetImpl<V>::Tell(Int component, Bool active) {
  ZV_TRY_ASSIGN(const V value, GetValue());
  Ref<VecObservable<V>> keep = changed_;
  return keep->Notify(WidgetRef(this), value, component, active);
}

template class VecWidgetImpl<Vector2d>;
template class VecWidgetImpl<Vector>;
template class VecWidgetImpl<Vector4d>;
template class VecWidgetImpl<IntVector2d>;
template class VecWidgetImpl<IntVector>;
template class VecWidgetImpl<IntVector4d>;

}  // namespace zarvo
