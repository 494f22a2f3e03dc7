#include "source/widgets_compound/MatrixWidgetImpl.h"

#include <type_traits>

#include "source/WidgetComponent.h"

namespace zarvo {

namespace {

template <class M, class I>
constexpr const char* DebugNameOf() {
  return std::is_same_v<I, SquareMatWidgetInterface<M>> ? "SquareMatWidget" : "MatWidget";
}

}  // namespace

template <class M, class I>
MatrixWidgetImpl<M, I>::MatrixWidgetImpl()
    : ComponentGridImpl<Float>(MatrixShape<M>::kColumns, MatrixShape<M>::kRows, DebugNameOf<M, I>()),
      changed_(MakeRef<MatObservable<M>>()) {}

template <class M, class I>
Result<void> MatrixWidgetImpl<M, I>::InitComponent() {
  ZV_TRY(ComponentGridImpl<Float>::InitComponent());
  return InitObservables(this, {{changed_.Get(), "ObservableValueChanged"}});
}

template <class M, class I>
void MatrixWidgetImpl<M, I>::FreeComponent() {
  FreeObservables({changed_.Get()});
  ComponentGridImpl<Float>::FreeComponent();
}

template <class M, class I>
Result<void> MatrixWidgetImpl<M, I>::CreateLayout() {
  ZV_TRY(ComponentGridImpl<Float>::CreateLayout());
  // A transform nobody has set yet changes nothing; all zeros would flatten what it is applied to.
  return SetValue(M{}, false);
}

template <class M, class I>
Result<void> MatrixWidgetImpl<M, I>::SetValue(const M& value, Bool notify) {
  ZV_TRY(SetValues([&value](Int column, Int row) { return GetMatrixComponent(value, row, column); }));
  if (!notify) return Ok();
  return Tell(kAllComponents, kAllComponents, false);
}

template <class M, class I>
Result<M> MatrixWidgetImpl<M, I>::GetValue() const {
  M value;
  for (Int row = 0; row < MatrixShape<M>::kRows; ++row) {
    for (Int column = 0; column < MatrixShape<M>::kColumns; ++column) {
      ZV_TRY_ASSIGN(const Float component, ValueAt(column, row));
      SetMatrixComponent(value, row, column, component);
    }
  }
  return value;
}

template <class M, class I>
Result<Float> MatrixWidgetImpl<M, I>::GetMin(Int row, Int column) const {
  ZV_TRY_ASSIGN(const SpinBoxRef box, BoxAt(column, row));
  return box->GetMin();
}

template <class M, class I>
Result<Float> MatrixWidgetImpl<M, I>::GetMax(Int row, Int column) const {
  ZV_TRY_ASSIGN(const SpinBoxRef box, BoxAt(column, row));
  return box->GetMax();
}

template <class M, class I>
Result<Float> MatrixWidgetImpl<M, I>::GetStep(Int row, Int column) const {
  ZV_TRY_ASSIGN(const SpinBoxRef box, BoxAt(column, row));
  return box->GetStep();
}

template <class M, class I>
Result<NUMBER_WIDGET_UNIT_TYPE> MatrixWidgetImpl<M, I>::GetUnit(Int row, Int column) const {
  ZV_TRY_ASSIGN(const SpinBoxRef box, BoxAt(column, row));
  return box->GetUnit();
}

template <class M, class I>
Result<void> MatrixWidgetImpl<M, I>::TellEdit(Int column, Int row, Bool active) {
  return Tell(row, column, active);
}

template <class M, class I>
Result<void> MatrixWidgetImpl<M, I>::Tell(Int row, Int column, Bool active) {
  ZV_TRY_ASSIGN(const M value, GetValue());
  Ref<MatObservable<M>> keep = changed_;
  return keep->Notify(WidgetRef(this), value, row, column, active);
}

template class MatrixWidgetImpl<Matrix, MatWidgetInterface<Matrix>>;
template class MatrixWidgetImpl<Matrix2d, MatWidgetInterface<Matrix2d>>;
template class MatrixWidgetImpl<SquareMatrix2d, SquareMatWidgetInterface<SquareMatrix2d>>;
template class MatrixWidgetImpl<SquareMatrix, SquareMatWidgetInterface<SquareMatrix>>;
template class MatrixWidgetImpl<SquareMatrix4d, SquareMatWidgetInterface<SquareMatrix4d>>;

}  // namespace zarvo
