#pragma once
#include <vector>

#include "host/ui/ActionInterface.h"
#include "host/ui/UiTypes.h"
#include "source/interfaces/HeaderCellWidgetInterface.h"
#include "source/interfaces/TableWidgetInterface.h"

namespace zarvo {

class HeaderCellWidgetImpl;

// Resizes one column of a table while its header cell's border is dragged: every cell of the
// column gets a fixed width from the start width plus the drag, never below the minimum.
// Cancelling gives every cell back the size, fixed width and size mode it had at the start.
class ResizeColumnAction : public virtual ActionInterface {
 public:
  // Set by the header cell that starts the action, before it is started.
  void SetTable(const TableWidgetRef& table) { table_ = table; }
  void SetColumn(Int column) { column_ = column; }
  void SetResizedCell(const CellWidgetRef& cell) { resizedCell_ = cell; }
  void SetStartingCell(HeaderCellWidgetImpl* cell);
  Int GetColumn() const { return column_; }

  Result<bool> Begin(WidgetInterface* widget, const DataDictionary& event) override;
  bool GetAllowed(const DataDictionary&) const override { return true; }
  Result<void> While(const DataDictionary& event) override;
  Result<void> End(const DataDictionary& event) override;
  Result<void> Cancel() override;
  Result<void> DrawAction(CanvasInterface&) override { return Ok(); }

 private:
  struct SavedCell {
    Vector2d pixelSize;
    CanvasUnitValue fixedWidth;
    WIDGET_SIZE sizeMode = WIDGET_SIZE::INFINITE;
  };
  // Gives every cell of the column the width the drag offset asks for.
  [[nodiscard]] Result<void> ApplyDragOffset();

  TableWidgetRef table_;
  Int column_ = 0;
  CellWidgetRef resizedCell_;
  Ref<HeaderCellWidgetImpl> startingCell_;
  Vector2d startPosition_;
  Vector2d startSize_;
  std::vector<SavedCell> saved_;
};

}  // namespace zarvo
