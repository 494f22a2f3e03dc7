#pragma once
#include <unordered_map>
#include <vector>

#include "host/core/Observable.h"
#include "host/ui/WidgetAdapterInterface.h"
#include "host/ui/WidgetBase.h"
#include "source/WidgetComponent.h"
#include "source/interfaces/HeaderCellWidgetInterface.h"
#include "source/interfaces/TreeGraphWidgetInterface.h"
#include "source/widgets_layout/TreeGeometry.h"
#include "source/widgets_layout/TreeRows.h"

namespace zarvo {

class TreeItemWidgetImpl;
class TableWidgetImpl;

using TreeSelectionObservable = Observable<const TreeGraphWidgetRef&, Int>;

// The tree graph. Its rows are records (TreeRows), a few dozen bytes each; only the rows in
// view, and those whose cells the application reached, have widgets: one cell per column,
// the tree column's holding the item. Rows are one line spacing high and placed by their
// position among the shown rows, so scrolling and folding touch the rows in view alone.
// Columns are as wide as the widest cell they have shown, or their header cell.
class TreeGraphWidgetImpl : public WidgetBase, public virtual TreeGraphWidgetInterface {
 public:
  TreeGraphWidgetImpl();
  ~TreeGraphWidgetImpl() override;

  // The table, by tree rows and column identifiers.
  Result<void> Resize(Int x, Int y) override;
  Result<void> UpdateInternalCellMap() override { return Ok(); }
  Result<void> AppendX() override;
  Result<void> AppendY() override;
  Result<void> InsertColumnBeforeX(Int x) override;
  Result<void> InsertColumnAfterX(Int x) override;
  Result<void> InsertRowBeforeY(Int y) override;
  Result<void> InsertRowAfterY(Int y) override;
  Result<void> DeleteColumn(Int x) override;
  Result<void> DeleteRow(Int y) override;
  Result<void> MoveColumns(Int first, Int last, Int insertAfter) override;
  Result<void> MoveRows(Int first, Int last, Int insertAfter) override;
  Int GetCountX() const override { return static_cast<Int>(columns_.size()); }
  Int GetCountY() const override { return rows_.Count(); }
  Result<CellWidgetRef> GetCell(Int x, Int y) const override;
  Result<CellWidgetRef> GetCell(Int index) const override;
  Result<Int> GetX(const CellWidgetRef& cell) const override;
  Result<Int> GetY(const CellWidgetRef& cell) const override;
  void SetTableMode(TABLE_MODE mode, WIDGET_DIRECTION direction) override;
  TABLE_MODE GetTableMode(WIDGET_DIRECTION direction) const override { return tableMode_[DirectionIndex(direction)]; }
  Result<Int> GetColumnHit(Vector2d globalPosition) const override;
  Result<Int> GetRowHit(Vector2d globalPosition) const override;

  // The tree.
  Result<TreeItemWidgetRef> GetTreeItem(Int row) override;
  Result<TreeItemWidgetRef> GetFirstTreeItem() override;
  Result<CellWidgetRef> GetCellFromId(const Id& column, Int row) override;
  Result<TreeItemWidgetRef> CreateTreeItemBefore(const TreeItemWidgetRef& reference) override;
  Result<TreeItemWidgetRef> CreateTreeItemAfter(const TreeItemWidgetRef& reference) override;
  Result<TreeItemWidgetRef> CreateTreeItemAsFirstChildOf(const TreeItemWidgetRef& reference) override;
  Result<void> SetColumns(const std::vector<Id>& left, const std::vector<Id>& right) override;
  std::vector<Id> GetLeftColumnIds() const override { return leftIds_; }
  std::vector<Id> GetRightColumnIds() const override { return rightIds_; }
  Id GetTreeColumnId() const override { return treeColumnId_; }
  Result<void> SetColumnVisibility(const Id& column, Bool visible) override;
  Result<Bool> GetColumnVisibility(const Id& column) const override;
  Result<void> DeleteColumnFromId(const Id& column) override;
  void SetShowLevel0Lines(Bool show) override { showLevel0Lines_ = show; }
  Bool GetShowLevel0Lines() const override { return showLevel0Lines_; }
  void SetLineTipMode(LINE_TIP_MODE mode) override { lineTipMode_ = mode; }
  LINE_TIP_MODE GetLineTipMode() const override { return lineTipMode_; }
  void SetFilterMode(Bool filter) override { filterMode_ = filter; }
  Bool GetFilterMode() const override { return filterMode_; }
  Result<void> SetInverseMode(Bool inverse) override;
  Bool GetInverseMode() const override { return inverseMode_; }
  Result<void> MoveItem(const TreeItemWidgetRef& item, const TreeItemWidgetRef& reference, TREE_INSERT_MODE mode) override;
  Result<void> SetLineSpacing(CanvasUnitValue spacing) override;
  Result<void> CheckTriangleAndVisibility() override;
  void SetBackgroundColor(const ColorA& color) override { treeBackground_ = color; }
  ColorA GetBackgroundColor() const override { return treeBackground_; }
  void SetAlternateBackgroundColor(const ColorA& color) override { alternateBackground_ = color; }
  ColorA GetAlternateBackgroundColor() const override { return alternateBackground_; }
  void SetAlternateBackgroundMode(Bool alternate) override { alternateMode_ = alternate; }
  Bool GetAlternateBackgroundMode() const override { return alternateMode_; }
  void SetMarkJointMode(MARK_JOINT_MODE mode) override { jointMode_ = mode; }
  MARK_JOINT_MODE GetMarkJointMode() const override { return jointMode_; }
  Result<void> AddHeaderRow() override;
  Result<void> DeleteHeaderRow() override;
  Bool HasHeaderRow() const override { return static_cast<bool>(header_); }
  Result<void> SetHeaderRowVisibility(Bool visible) override;
  Bool GetHeaderRowVisibility() const override { return headerVisible_; }
  Result<TextWidgetRef> GetHeaderTextWidget(const Id& column) const override;
  Result<void> SetHeaderText(const String&) override { return Ok(); }
  String GetHeaderText() const override { return String(); }
  void SetAllowHeaderResizing(Bool allow) override;
  Bool GetAllowHeaderResizing() const override { return allowHeaderResizing_; }
  void SetAllowHeaderRearranging(Bool allow) override;
  Bool GetAllowHeaderRearranging() const override { return allowHeaderRearranging_; }

  // Hooks.
  Result<void> CreateLayout() override;
  Result<void> LayoutBegin() override;
  Result<void> LayoutPass1() override;
  Result<void> LayoutPass2() override;
  Result<void> LayoutEnd() override;
  Result<void> DrawBackground() override;
  Result<void> DrawDragAndDropOverlay() override { return Ok(); }
  void SetLOD(Int lod) override;
  bool GetAcceptDragAndDrop() const override { return static_cast<bool>(header_); }
  Result<bool> HandleDragAndDrop(const DataDictionary& event) override;
  Result<bool> HandleEvent(const DataDictionary* event) override;
  void VisitChildrenIn(const Rect& localArea, bool topmostFirst, FunctionRef<bool(WidgetInterface*)> visit) override;

  // Beyond the interface: content made on demand. When a row gets widgets, the column's
  // adapter is asked for the widget of that row (by tree row) and it goes into the column's
  // cell (the tree column: into the item's custom cell). Such rows lose their widgets again
  // when they leave the view, so a tree of many rows costs widgets for the rows in view only.
  [[nodiscard]] Result<void> SetColumnAdapter(const Id& column, const WidgetAdapterRef& adapter);
  // The selected row (tree order), or -1; a press on a row and the arrow keys select.
  Int GetSelectedRow();
  [[nodiscard]] Result<void> SetSelectedRow(Int row);
  Ref<TreeSelectionObservable> ObservableSelectionChanged() { return selectionChanged_.Get(this, "ObservableSelectionChanged"); }
  // How many rows have widgets now (for tests and measurements).
  Int GetMaterializedRowCount() const { return static_cast<Int>(live_.size()); }

  // The items' side.
  TreeRows& GetRows() noexcept { return rows_; }
  [[nodiscard]] Result<TreeItemWidgetRef> ItemOf(int32_t record);
  void ForgetItem(int32_t record, const TreeItemWidgetImpl* item);
  void PinRecord(int32_t record);
  Float GetIndentPixels() const;

 private:
  struct Column {
    Id id;
    bool visible = true;
    Float seenWidth = 0.0;  // the widest cell this column has shown
    Float stretch = 0.0;    // the tree column's share of the view beyond the columns
    Float Width() const { return seenWidth + stretch; }
    WidgetAdapterRef adapter;
  };
  struct RowWidgets {
    std::vector<CellWidgetRef> cells;  // by column
    TreeItemWidgetImpl* item = nullptr;  // held by the tree column's cell
  };
  // Rows kept for reuse at most: a few pages' worth.
  static constexpr size_t kMaxPooledRows = 256;

  [[nodiscard]] Result<int32_t> RecordOf(const TreeItemWidgetRef& item) const;
  // An empty reference stands for no item (kNone).
  [[nodiscard]] Result<int32_t> RecordOrNone(const TreeItemWidgetRef& item) const;
  [[nodiscard]] Result<int32_t> RecordAt(Int row) const;
  [[nodiscard]] Result<TreeItemWidgetRef> Created(Result<int32_t> record);
  // Gives a row its widgets (the cells and the item, the adapters' content).
  [[nodiscard]] Result<RowWidgets*> Materialize(int32_t record);
  void Dematerialize(int32_t record, bool recycle = false);
  // Gives a row the widgets of a row that left the view.
  [[nodiscard]] Result<RowWidgets*> Reuse(int32_t record, Int row);
  void ClearPool();
  void DematerializeAll(bool keepPinned);
  // Rows in [first, last] of the shown rows get widgets; unpinned rows outside a margin lose
  // theirs. True when a row got widgets.
  [[nodiscard]] Result<bool> SyncRows(ShownRange range);
  Rect GetViewInLocal() const;
  Float GetRowHeight() const;
  Float GetHeaderHeight() const;
  void UpdateShownIfNeeded();
  void RebuildColumns();
  [[nodiscard]] Result<Int> ColumnIndex(const Id& column, const char* missing) const;
  // The column whose header cell spans the position, else the column there in the rows.
  [[nodiscard]] Result<Int> HeaderColumnHit(Vector2d globalPosition) const;
  [[nodiscard]] Result<void> BuildHeader();
  void ApplyHeaderFlags();
  std::vector<Float> ColumnOffsets() const;
  Result<void> DrawRowMarks(int32_t record, Float top, Float treeLeft, Float treeWidth);

  TreeRows rows_;
  std::vector<TreeItemWidgetImpl*> items_;  // by record; an item tells the graph when it goes
  std::unordered_map<int32_t, RowWidgets> live_;
  std::vector<RowWidgets> pool_;
  std::vector<Column> columns_;  // in table order
  std::vector<Id> leftIds_;
  std::vector<Id> rightIds_;
  Id treeColumnId_;
  std::unordered_map<Id, Int, IdHasher> columnMap_;
  Ref<TableWidgetImpl> header_;
  std::vector<Id> headerColumns_;
  TABLE_MODE tableMode_[2] = {TABLE_MODE::NONE, TABLE_MODE::NONE};
  CanvasUnitValue lineSpacing_;
  ColorA treeBackground_;
  ColorA alternateBackground_;
  LINE_TIP_MODE lineTipMode_ = LINE_TIP_MODE::NONE;
  MARK_JOINT_MODE jointMode_ = MARK_JOINT_MODE::STRAIGHT;
  int32_t selected_ = TreeRows::kNone;
  bool showLevel0Lines_ = false;
  bool filterMode_ = false;
  bool inverseMode_ = false;
  bool alternateMode_ = false;
  bool headerVisible_ = true;
  bool allowHeaderResizing_ = false;
  bool allowHeaderRearranging_ = false;
  bool hasColumns_ = false;  // SetColumns was called: the map holds the tree column too
  bool shownDirty_ = true;
  bool syncing_ = false;
  LazyObservable<TreeSelectionObservable> selectionChanged_;
};

}  // namespace zarvo
