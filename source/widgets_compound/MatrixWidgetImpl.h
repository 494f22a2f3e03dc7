#pragma once
#include "source/interfaces/MatWidgetInterface.h"
#include "source/interfaces/SquareMatWidgetInterface.h"
#include "source/widgets_compound/ComponentGridImpl.h"

namespace zarvo {

// The matrix widgets, affine (I = MatWidgetInterface<M>) and square (SquareMatWidgetInterface<M>):
// a grid of Float spin boxes, one row per vector of the matrix, one column per component.
template <class M, class I>
class MatrixWidgetImpl : public ComponentGridImpl<Float>, public virtual I {
 public:
  MatrixWidgetImpl();

  Result<void> InitComponent() override;
  void FreeComponent() override;

  // Builds the grid showing the identity.
  Result<void> CreateLayout() override;

  Result<void> SetValue(const M& value, Bool notify) override;
  Result<M> GetValue() const override;
  Int GetRowCount() const override { return MatrixShape<M>::kRows; }
  Int GetColumnCount() const override { return MatrixShape<M>::kColumns; }
  Result<FloatSpinBoxWidgetRef> GetComponentSpinBox(Int row, Int column) const override {
    return BoxAt(column, row);
  }
  Result<void> SetRange(Float min, Float max, Int row, Int column) override {
    return SetRangeOf(min, max, column, row);
  }
  Result<void> SetStep(Float step, Int row, Int column) override { return SetStepOf(step, column, row); }
  Result<void> SetLimitMode(NUMBER_LIMIT_MODE mode, Int row, Int column) override {
    return SetLimitModeOf(mode, column, row);
  }
  Result<void> SetUnit(NUMBER_WIDGET_UNIT_TYPE unit, Int row, Int column) override {
    return SetUnitOf(unit, column, row);
  }
  Result<Float> GetMin(Int row, Int column) const override;
  Result<Float> GetMax(Int row, Int column) const override;
  Result<Float> GetStep(Int row, Int column) const override;
  Result<NUMBER_WIDGET_UNIT_TYPE> GetUnit(Int row, Int column) const override;
  void SetLayout(SPINBOX_LAYOUT layout) override { SetBoxLayout(layout); }
  SPINBOX_LAYOUT GetLayout() const override { return GetBoxLayout(); }
  Ref<MatObservable<M>> ObservableValueChanged() override { return changed_; }

 private:
  Result<void> TellEdit(Int column, Int row, Bool active) override;
  [[nodiscard]] Result<void> Tell(Int row, Int column, Bool active);

  Ref<MatObservable<M>> changed_;
};

template <class M>
using MatWidgetImpl = MatrixWidgetImpl<M, MatWidgetInterface<M>>;
template <class M>
using SquareMatWidgetImpl = MatrixWidgetImpl<M, SquareMatWidgetInterface<M>>;

extern template class MatrixWidgetImpl<Matrix, MatWidgetInterface<Matrix>>;
extern template class MatrixWidgetImpl<Matrix2d, MatWidgetInterface<Matrix2d>>;
extern template class MatrixWidgetImpl<SquareMatrix2d, SquareMatWidgetInterface<SquareMatrix2d>>;
extern template class MatrixWidgetImpl<SquareMatrix, SquareMatWidgetInterface<SquareMatrix>>;
extern template class MatrixWidgetImpl<SquareMatrix4d, SquareMatWidgetInterface<SquareMatrix4d>>;

}  // namespace zarvo
