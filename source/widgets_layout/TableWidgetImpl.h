#pragma once
#include <vector>

#include "host/ui/WidgetBase.h"
#include "source/interfaces/TableWidgetInterface.h"
#include "source/widgets_layout/CellWidgetImpl.h"
#include "source/widgets_layout/TableLines.h"

namespace zarvo {

// The grid container, and the base of the scroll area and the scrollbar. Measures its columns
// and rows from its cells, squeezes or enlarges the stretchable ones by weight, and places the
// cells column by column, mirrored in right-to-left mode. Drawing and hit testing visit only
// the cells whose column and row meet the area, found by binary search over the line offsets
// of the last layout.
class TableWidgetImpl : public WidgetBase, public virtual TableWidgetInterface {
 public:
  TableWidgetImpl();
  ~TableWidgetImpl() override;

  Result<void> Resize(Int x, Int y) override;
  Result<void> UpdateInternalCellMap() override;
  Result<void> AppendX() override;
  Result<void> AppendY() override;
  Result<void> InsertColumnBeforeX(Int x) override { return InsertColumn(x, false); }
  Result<void> InsertColumnAfterX(Int x) override { return InsertColumn(x, true); }
  Result<void> InsertRowBeforeY(Int y) override { return InsertRow(y, false); }
  Result<void> InsertRowAfterY(Int y) override { return InsertRow(y, true); }
  Result<void> DeleteColumn(Int x) override;
  Result<void> DeleteRow(Int y) override;
  Result<void> MoveColumns(Int first, Int last, Int insertAfter) override;
  Result<void> MoveRows(Int first, Int last, Int insertAfter) override;
  Int GetCountX() const override { return countX_; }
  Int GetCountY() const override { return countY_; }
  Result<CellWidgetRef> GetCell(Int x, Int y) const override;
  Result<CellWidgetRef> GetCell(Int index) const override;
  Result<Int> GetX(const CellWidgetRef& cell) const override;
  Result<Int> GetY(const CellWidgetRef& cell) const override;
  void SetTableMode(TABLE_MODE mode, WIDGET_DIRECTION direction) override;
  TABLE_MODE GetTableMode(WIDGET_DIRECTION direction) const override { return tableMode_[DirectionIndex(direction)]; }
  Result<Int> GetColumnHit(Vector2d globalPosition) const override;
  Result<Int> GetRowHit(Vector2d globalPosition) const override;

  Result<void> CreateLayout() override;
  Result<void> LayoutPass1() override;
  Result<void> LayoutPass2() override;
  void VisitChildrenIn(const Rect& localArea, bool topmostFirst, FunctionRef<bool(WidgetInterface*)> visit) override;

  // The lines as the last LayoutPass1 measured them, and the sizes the last LayoutPass2 gave
  // them (columns for HORIZONTAL, rows for VERTICAL).
  const std::vector<TableLine>& GetMeasuredLines(WIDGET_DIRECTION direction) const {
    return lines_[DirectionIndex(direction)];
  }
  const std::vector<Float>& GetLineSizes(WIDGET_DIRECTION direction) const {
    return sizes_[DirectionIndex(direction)];
  }

 protected:
  void HandleChildrenChanged() override;

 private:
  // Removes the cells of one column (direction 0) or row (1); the caller checked the index.
  [[nodiscard]] Result<void> DeleteLine(int direction, Int index);
  // A child at its grid position: the child itself, and when it is a cell the cell through
  // the interfaces the passes call (no casts there).
  struct MapEntry {
    Ref<HierarchyObject> object;
    CellWidgetInterface* cell = nullptr;
    WidgetBase* widget = nullptr;
    CellWidgetImpl* impl = nullptr;
  };

  // The entry at (x, y), or nullptr when the map has none ("missing").
  const MapEntry* FindEntry(Int x, Int y) const;
  // The child index of a cell (the same object), or "Element not found".
  Result<Int> IndexOf(const CellWidgetRef& cell) const;
  // The child at (x, y) for an edit of the hierarchy; nullptr when missing or no longer a child.
  HierarchyObject* FindChild(Int x, Int y) const;
  // Counts 0, no lines, no map; the children stay.
  void Clear();
  // Tells the module's cells in the map where to write their samples, or (`samples` false)
  // that they have none.
  void LinkSamples(bool samples);
  // A new cell as Resize and the inserts make it: created, its layout created, the cell
  // boundaries shown when configured.
  Result<CellWidgetRef> MakeCell() const;
  Result<void> InsertColumn(Int x, bool after);
  Result<void> InsertRow(Int y, bool after);
  Result<void> ReadParentRoom(Vector2d& extra) const;
  bool IsMirrored() const { return GetAcceptR2LMode() && GetR2LMode() == WIDGET_R2L_MODE::RIGHT_TO_LEFT; }

  Int countX_ = 0;
  Int countY_ = 0;
  TABLE_MODE tableMode_[2] = {TABLE_MODE::NONE, TABLE_MODE::NONE};
  std::vector<TableLine> lines_[2];
  std::vector<Float> sizes_[2];
  std::vector<MapEntry> map_;  // the children in hierarchy order: index x + y * countX
  std::vector<CellSample> samples_;  // what the module's cells measured, by map index
  // Where the last layout put the lines: columns left to right on screen (mirrored in
  // right-to-left mode), rows top to bottom.
  std::vector<Float> offsets_[2];
  bool mapMatchesChildren_ = false;  // no child came or went since the map was built
  bool onlyGridCells_ = false;       // every child is a cell inside the grid
  bool placementCurrent_ = false;    // the cells stand where offsets_ say
  bool rowsShifted_ = false;         // an invisible cell moved the cells below it up
  bool columnsMirrored_ = false;
  std::vector<Float> columnY_;                 // reused by the placing: each column's running Y
  std::vector<Ref<HierarchyObject>> scratch_;  // reused by the edits of the hierarchy
};

}  // namespace zarvo
