#pragma once

#include "host/core/MathTypes.h"
#include "host/core/Observable.h"
#include "host/core/Ref.h"
#include "host/core/Result.h"
#include "source/interfaces/NumberTypes.h"
#include "source/interfaces/SpinBoxWidgetInterface.h"
#include "source/interfaces/TableWidgetInterface.h"
#include "source/interfaces/VecWidgetInterface.h"

namespace zarvo {

// Observers receive the widget, its whole new value, the row and column the user changed (both
// kAllComponents for a value set through the interface) and whether an arrow's drag or held
// key is going on.
template <class M>
using MatObservable = Observable<const WidgetRef&, M, Int, Int, Bool>;

// What the matrix widgets share: a matrix as a grid of Float spin boxes, one row per vector of
// the matrix (the axes, then an affine matrix's offset), one column per component. A row or
// column of kAllComponents reaches every row or column. Each component keeps its own range,
// step, limit mode and unit in its spin box; the value is read back from them.
template <class M>
class MatrixWidgetOperations : public virtual TableWidgetInterface {
 public:
  // Every component held by its range and shown; with notify, told once as kAllComponents.
  // "Widget link not set." before the widget is built, as for every operation on components.
  [[nodiscard]] virtual Result<void> SetValue(const M& value, Bool notify) = 0;
  [[nodiscard]] virtual Result<M> GetValue() const = 0;
  virtual Int GetRowCount() const = 0;
  virtual Int GetColumnCount() const = 0;
  // "Component out of range." for a position outside the grid.
  [[nodiscard]] virtual Result<FloatSpinBoxWidgetRef> GetComponentSpinBox(Int row, Int column) const = 0;
  // "min is not smaller then max." unless min < max; the values are held again silently.
  [[nodiscard]] virtual Result<void> SetRange(Float min, Float max, Int row, Int column) = 0;
  [[nodiscard]] virtual Result<void> SetStep(Float step, Int row, Int column) = 0;
  // Held again and shown, silently.
  [[nodiscard]] virtual Result<void> SetLimitMode(NUMBER_LIMIT_MODE mode, Int row, Int column) = 0;
  [[nodiscard]] virtual Result<void> SetUnit(NUMBER_WIDGET_UNIT_TYPE unit, Int row, Int column) = 0;
  [[nodiscard]] virtual Result<Float> GetMin(Int row, Int column) const = 0;
  [[nodiscard]] virtual Result<Float> GetMax(Int row, Int column) const = 0;
  [[nodiscard]] virtual Result<Float> GetStep(Int row, Int column) const = 0;
  [[nodiscard]] virtual Result<NUMBER_WIDGET_UNIT_TYPE> GetUnit(Int row, Int column) const = 0;
  // The spin boxes' layout, for all components; takes effect at the next layout switch.
  virtual void SetLayout(SPINBOX_LAYOUT layout) = 0;
  virtual SPINBOX_LAYOUT GetLayout() const = 0;
  virtual Ref<MatObservable<M>> ObservableValueChanged() = 0;
};

}  // namespace zarvo
