#pragma once
#include <cstdint>

#include "host/core/Ref.h"
#include "host/core/Result.h"
#include "host/core/Types.h"
#include "host/ui/WidgetInterface.h"
#include "source/interfaces/CellWidgetInterface.h"

namespace zarvo {

inline constexpr char kTableWidgetClassId[] = "net.zarvo.mvp.widgetclasses.table";
inline constexpr char kTableWidgetInterfaceId[] = "net.zarvo.mvp.interface.tablewidget";
// Declared for completeness; no class of the module implements it.
inline constexpr char kTable2WidgetClassId[] = "net.zarvo.mvp.widgetclasses.table2";
inline constexpr char kTable2WidgetInterfaceId[] = "net.zarvo.mvp.interface.table2widget";

// How a table fits its columns (horizontal) or rows (vertical) to the room its parent leaves:
// SQUEEZE shrinks the stretchable lines when the room is smaller than the content, ENLARGE
// grows them when it is larger. A flag set.
enum class TABLE_MODE : int32_t { NONE = 0, SQUEEZE = 1, ENLARGE = 2 };

constexpr TABLE_MODE operator|(TABLE_MODE a, TABLE_MODE b) {
  return static_cast<TABLE_MODE>(static_cast<int32_t>(a) | static_cast<int32_t>(b));
}
constexpr TABLE_MODE operator&(TABLE_MODE a, TABLE_MODE b) {
  return static_cast<TABLE_MODE>(static_cast<int32_t>(a) & static_cast<int32_t>(b));
}
constexpr bool HasTableMode(TABLE_MODE modes, TABLE_MODE flag) { return (modes & flag) != TABLE_MODE::NONE; }

// A grid of cells. The cells are the table's children in hierarchy order, assigned to
// positions row by row (child i at column i mod countX, row i div countX) by the cell map,
// which UpdateInternalCellMap rebuilds and every operation below that changes the grid
// rebuilds itself. Columns are as wide as their widest cell and rows as high as their highest,
// held between the cells' minimum and maximum sizes; with a table mode the stretchable lines
// are squeezed or enlarged by their weights. Positions are 0-based; a position the map has no
// entry for is an "Invalid table hierarchy." error.
class TableWidgetInterface : public virtual WidgetInterface {
 public:
  // Makes the table x columns by y rows. The grid is not re-flowed: cells are created or the
  // last children removed until there are x × y of them (counted from the previous x × y), and
  // the existing ones are assigned row by row again. x or y of 0 empties the table but leaves
  // its children attached. On failure the table is left empty.
  [[nodiscard]] virtual Result<void> Resize(Int x, Int y) = 0;
  [[nodiscard]] virtual Result<void> UpdateInternalCellMap() = 0;
  // One column more, and at least one row.
  [[nodiscard]] virtual Result<void> AppendX() = 0;
  // One row more, and at least one column.
  [[nodiscard]] virtual Result<void> AppendY() = 0;
  [[nodiscard]] virtual Result<void> InsertColumnBeforeX(Int x) = 0;
  [[nodiscard]] virtual Result<void> InsertColumnAfterX(Int x) = 0;
  [[nodiscard]] virtual Result<void> InsertRowBeforeY(Int y) = 0;
  [[nodiscard]] virtual Result<void> InsertRowAfterY(Int y) = 0;
  [[nodiscard]] virtual Result<void> DeleteColumn(Int x) = 0;
  [[nodiscard]] virtual Result<void> DeleteRow(Int y) = 0;
  // Moves columns first..last behind column insertAfter (-1: to the front), in every row.
  [[nodiscard]] virtual Result<void> MoveColumns(Int first, Int last, Int insertAfter) = 0;
  [[nodiscard]] virtual Result<void> MoveRows(Int first, Int last, Int insertAfter) = 0;
  virtual Int GetCountX() const = 0;
  virtual Int GetCountY() const = 0;
  // The cell at a position; a child that is not a cell gives an empty reference.
  [[nodiscard]] virtual Result<CellWidgetRef> GetCell(Int x, Int y) const = 0;
  // The cell at x = index mod countX, y = index div countX (with no columns at (index, 0)).
  [[nodiscard]] virtual Result<CellWidgetRef> GetCell(Int index) const = 0;
  // The column or row of a cell (the same object); "Element not found" otherwise.
  [[nodiscard]] virtual Result<Int> GetX(const CellWidgetRef& cell) const = 0;
  [[nodiscard]] virtual Result<Int> GetY(const CellWidgetRef& cell) const = 0;
  virtual void SetTableMode(TABLE_MODE mode, WIDGET_DIRECTION direction) = 0;
  virtual TABLE_MODE GetTableMode(WIDGET_DIRECTION direction) const = 0;
  // The column (row) whose cell in row 0 (column 0) lies under a global position.
  [[nodiscard]] virtual Result<Int> GetColumnHit(Vector2d globalPosition) const = 0;
  [[nodiscard]] virtual Result<Int> GetRowHit(Vector2d globalPosition) const = 0;
};

using TableWidgetRef = Ref<TableWidgetInterface>;

}  // namespace zarvo
