#pragma once
#include <cassert>
#include <vector>

#include "source/interfaces/SpinBoxWidgetInterface.h"
#include "source/widgets_layout/TableWidgetImpl.h"

namespace zarvo {

inline constexpr char kComponentGridLinkNotSet[] = "Widget link not set.";
inline constexpr char kComponentOutOfRange[] = "Component out of range.";

// What the vector and matrix widgets share, for T = Int or Float: a table of columns × rows
// cells, each holding one component's spin box, in row order (which is also the Tab order).
// The values, ranges and units live in the spin boxes. Operations address a component by
// column and row; kAllComponents for either reaches the whole row or column.
template <class T>
class ComponentGridImpl : public TableWidgetImpl {
 public:
  using SpinBoxRef = Ref<SpinBoxWidgetInterface<T>>;

  Result<void> CreateLayout() override;
  Result<void> HandleSwitchLayout() override;

 protected:
  ComponentGridImpl(Int columns, Int rows, const char* name);

  Int Columns() const noexcept { return columns_; }
  Int Rows() const noexcept { return rows_; }
  [[nodiscard]] Result<SpinBoxRef> BoxAt(Int column, Int row) const;
  [[nodiscard]] Result<T> ValueAt(Int column, Int row) const;
  // Every value shown again; no spin box tells anybody.
  template <class Get>
  [[nodiscard]] Result<void> SetValues(Get get);
  [[nodiscard]] Result<void> SetRangeOf(T min, T max, Int column, Int row);
  [[nodiscard]] Result<void> SetStepOf(T step, Int column, Int row);
  [[nodiscard]] Result<void> SetLimitModeOf(NUMBER_LIMIT_MODE mode, Int column, Int row);
  [[nodiscard]] Result<void> SetUnitOf(NUMBER_WIDGET_UNIT_TYPE unit, Int column, Int row);
  void SetBoxLayout(SPINBOX_LAYOUT layout);
  SPINBOX_LAYOUT GetBoxLayout() const noexcept { return layout_; }

  // A component the user changed; the widget tells its own observers.
  [[nodiscard]] virtual Result<void> TellEdit(Int column, Int row, Bool active) = 0;

 private:
  // Calls set on the selected spin boxes while their notifications are kept from observers.
  template <class Set>
  [[nodiscard]] Result<void> ForSelected(Int column, Int row, Set set);
  [[nodiscard]] Result<SpinBoxRef> MakeBox(Int column, Int row);

  Int columns_;
  Int rows_;
  const char* name_;
  SPINBOX_LAYOUT layout_ = SPINBOX_LAYOUT::NORMAL;
  // Set while a setter goes to the spin boxes, so that what they tell is not taken for an edit.
  bool forwarding_ = false;
  std::vector<SpinBoxRef> boxes_;
};

template <class T>
template <class Get>
Result<void> ComponentGridImpl<T>::SetValues(Get get) {
  if (boxes_.empty()) return IllegalStateError(kComponentGridLinkNotSet);
  for (Int row = 0; row < rows_; ++row) {
    for (Int column = 0; column < columns_; ++column) {
      ZV_TRY(boxes_[static_cast<size_t>(row * columns_ + column)]->SetValue(get(column, row), false));
    }
  }
  return Ok();
}

extern template class ComponentGridImpl<Int>;
extern template class ComponentGridImpl<Float>;

}  // namespace zarvo
