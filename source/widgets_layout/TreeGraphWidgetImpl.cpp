#include "source/widgets_layout/TreeGraphWidgetImpl.h"

#include <algorithm>
#include <atomic>
#include <string>

#include "host/core/ClassRegistry.h"
#include "host/core/ConfigVariable.h"
#include "host/ui/AppWidget.h"
#include "host/ui/AppWidgetInterface.h"
#include "host/ui/CanvasInterface.h"
#include "host/ui/EventKeys.h"
#include "host/ui/StyleSheet.h"
#include "source/interfaces/HeaderCellWidgetInterface.h"
#include "source/widgets_layout/CellWidgetImpl.h"
#include "source/widgets_layout/HeaderCellWidgetImpl.h"
#include "source/widgets_layout/TableWidgetImpl.h"
#include "source/widgets_layout/TreeItemWidgetImpl.h"

namespace zarvo {

namespace {
// The same switch the table reads: every cell the tree graph makes shows its bounds with it.
ConfigBool g_mvp_show_cells("g_mvp_show_cells", "Show the cell boundaries.", false);

constexpr char kInvalidItem[] = "Invalid treeitem";
constexpr char kIllegalRow[] = "illegal row index";
constexpr char kColumnNotFound[] = "Column id not found";
constexpr char kColumnNotFoundInMap[] = "_Column ID not found";
constexpr char kNoColumnHit[] = "No column hit";
constexpr char kNoHeaderCell[] = "No header cell widget";
constexpr char kHitOutside[] = "Global hit position is not inside the table.";

constexpr CanvasUnitValue kDefaultLineSpacing = CanvasUnitValue::Rem(1.5);
constexpr Float kLineWidth = 1.0;
constexpr Float kDotRadius = 2.0;
// The share of a joint's corner that a curved joint rounds off.
constexpr Float kCurveHandle = 0.55191502449;
// Rows kept with widgets beyond the view (each side) before they are given up, so that a
// small scroll back makes none again.
constexpr Int kKeptRowsBeyondView = 8;

constexpr Float kByte = 1.0 / 255.0;
constexpr ColorA Grey(Float v) { return {v, v, v, 1.0}; }

const StyleKey<ColorA> kTreeBackgroundColor =
    StyleSheetService::Declare<ColorA>("net.zarvo.mvp.stylesheet.treegraph.background_color", Grey(52 * kByte));
const StyleKey<ColorA> kTreeAlternateColor =
    StyleSheetService::Declare<ColorA>("net.zarvo.mvp.stylesheet.treegraph.alternate_background_color", Grey(60 * kByte));
const StyleKey<ColorA> kTreeLineColor =
    StyleSheetService::Declare<ColorA>("net.zarvo.mvp.stylesheet.treegraph.line_color", Grey(130 * kByte));
const StyleKey<ColorA> kTreeSelectionColor = StyleSheetService::Declare<ColorA>(
    "net.zarvo.mvp.stylesheet.treegraph.selection_color", ColorA{0.20, 0.38, 0.62, 1.0});

std::string Forbidden(const char* instead) { return std::string("Forbidden function. Use ") + instead + "() instead"; }

// Ids of tree columns, one per graph, so that two graphs' columns never mix.
Id NewTreeColumnId() {
  static std::atomic<uint64_t> next{1};
  return Id("net.zarvo.mvp.treegraph.treecolumn." + std::to_string(next.fetch_add(1)));
}

// Sizes a cell to exactly the given pixels, whatever its size modes.
Result<void> SizeCell(WidgetInterface& cell, Float width, Float height) {
  const WIDGET_SIZE modeX = cell.GetSizeMode(WIDGET_DIRECTION::HORIZONTAL);
  const WIDGET_SIZE modeY = cell.GetSizeMode(WIDGET_DIRECTION::VERTICAL);
  cell.SetSizeMode(WIDGET_SIZE::NONE, WIDGET_DIRECTION::HORIZONTAL);
  cell.SetSizeMode(WIDGET_SIZE::NONE, WIDGET_DIRECTION::VERTICAL);
  const Result<void> sized = cell.SetLocalSize(width, height);
  cell.SetSizeMode(modeX, WIDGET_DIRECTION::HORIZONTAL);
  cell.SetSizeMode(modeY, WIDGET_DIRECTION::VERTICAL);
  return sized;
}
}  // namespace

TreeGraphWidgetImpl::TreeGraphWidgetImpl()
    : lineSpacing_(kDefaultLineSpacing),
      treeBackground_(kTreeBackgroundColor.defaultValue),
      alternateBackground_(kTreeAlternateColor.defaultValue) {}

TreeGraphWidgetImpl::~TreeGraphWidgetImpl() {
  for (TreeItemWidgetImpl* item : items_) {
    if (item) item->Unbind();
  }
}

// ---- records and items ----------------------------------------------------------------------

Result<int32_t> TreeGraphWidgetImpl::RecordOf(const TreeItemWidgetRef& item) const {
  auto* impl = dynamic_cast<TreeItemWidgetImpl*>(item.Get());
  if (!impl || impl->GetGraph() != this || !rows_.IsLive(impl->GetRecord())) return IllegalStateError(kInvalidItem);
  return impl->GetRecord();
}

Result<int32_t> TreeGraphWidgetImpl::RecordOrNone(const TreeItemWidgetRef& item) const {
  if (!item) return TreeRows::kNone;
  return RecordOf(item);
}

Result<int32_t> TreeGraphWidgetImpl::RecordAt(Int row) const {
  if (row < 0 || row >= rows_.Count()) return IllegalStateError(kIllegalRow);
  return rows_.IdAt(row);
}

Result<TreeItemWidgetRef> TreeGraphWidgetImpl::ItemOf(int32_t record) {
  if (!rows_.IsLive(record)) return IllegalStateError(kInvalidItem);
  if (static_cast<size_t>(record) >= items_.size()) items_.resize(static_cast<size_t>(record) + 1, nullptr);
  if (TreeItemWidgetImpl* item = items_[record]) return TreeItemWidgetRef(item);
  static const Id itemClass(kTreeItemWidgetClassId);
  ZV_TRY_ASSIGN(TreeItemWidgetRef item, CreateObject<TreeItemWidgetInterface>(itemClass));
  auto* impl = dynamic_cast<TreeItemWidgetImpl*>(item.Get());
  if (!impl) return IllegalStateError(kInvalidItem);
  impl->Bind(this, record);
  items_[record] = impl;
  return item;
}

void TreeGraphWidgetImpl::ForgetItem(int32_t record, const TreeItemWidgetImpl* item) {
  if (record >= 0 && static_cast<size_t>(record) < items_.size() && items_[record] == item) items_[record] = nullptr;
}

void TreeGraphWidgetImpl::PinRecord(int32_t record) {
  if (rows_.IsLive(record)) rows_.Get(record).Set(TreeRow::kPinned, true);
}

Result<TreeItemWidgetRef> TreeGraphWidgetImpl::Created(Result<int32_t> record) {
  ZV_TRY(record);
  ZV_TRY(CheckTriangleAndVisibility());
  return ItemOf(*record);
}

Result<TreeItemWidgetRef> TreeGraphWidgetImpl::CreateTreeItemBefore(const TreeItemWidgetRef& reference) {
  ZV_TRY_ASSIGN(int32_t at, RecordOrNone(reference));
  return Created(rows_.InsertBefore(at));
}

Result<TreeItemWidgetRef> TreeGraphWidgetImpl::CreateTreeItemAfter(const TreeItemWidgetRef& reference) {
  ZV_TRY_ASSIGN(int32_t at, RecordOrNone(reference));
  return Created(rows_.InsertAfter(at));
}

Result<TreeItemWidgetRef> TreeGraphWidgetImpl::CreateTreeItemAsFirstChildOf(const TreeItemWidgetRef& reference) {
  ZV_TRY_ASSIGN(int32_t at, RecordOrNone(reference));
  return Created(rows_.InsertFirstChild(at));
}

Result<void> TreeGraphWidgetImpl::MoveItem(const TreeItemWidgetRef& item, const TreeItemWidgetRef& reference,
                                           TREE_INSERT_MODE mode) {
  ZV_TRY_ASSIGN(int32_t moved, RecordOf(item));
  ZV_TRY_ASSIGN(int32_t at, RecordOrNone(reference));
  ZV_TRY(rows_.Move(moved, at, mode));
  // The moved subtree's levels changed: its widgets are made again where they show.
  const Int end = rows_.SubtreeEnd(moved);
  for (Int row = rows_.RowOf(moved); row < end; ++row) {
    const int32_t record = rows_.IdAt(row);
    if (static_cast<size_t>(record) < items_.size() && items_[record]) ZV_TRY(items_[record]->UpdateLevel());
  }
  return CheckTriangleAndVisibility();
}

Result<void> TreeGraphWidgetImpl::DeleteRow(Int y) {
  ZV_TRY_ASSIGN(int32_t record, RecordAt(y));
  const std::vector<int32_t> gone = rows_.Erase(record);
  for (int32_t id : gone) {
    Dematerialize(id);
    if (static_cast<size_t>(id) < items_.size() && items_[id]) {
      items_[id]->Unbind();
      items_[id] = nullptr;
    }
    if (id == selected_) selected_ = TreeRows::kNone;
  }
  return CheckTriangleAndVisibility();
}

Result<TreeItemWidgetRef> TreeGraphWidgetImpl::GetTreeItem(Int row) {
  ZV_TRY_ASSIGN(int32_t record, RecordAt(row));
  return ItemOf(record);
}

Result<TreeItemWidgetRef> TreeGraphWidgetImpl::GetFirstTreeItem() { return GetTreeItem(0); }

Result<void> TreeGraphWidgetImpl::CheckTriangleAndVisibility() {
  shownDirty_ = true;
  RequestLayout();
  RequestRedraw();
  return Ok();
}

void TreeGraphWidgetImpl::UpdateShownIfNeeded() {
  if (!shownDirty_) return;
  shownDirty_ = false;
  rows_.UpdateShown(filterMode_);
  std::vector<int32_t> hidden;
  for (auto& [record, widgets] : live_) {
    const TreeRow& row = rows_.Get(record);
    if (row.shown < 0 && !row.Has(TreeRow::kPinned)) hidden.push_back(record);
    if (static_cast<size_t>(record) < items_.size() && items_[record]) {
      items_[record]->ShowTriangle(row.firstChild != TreeRows::kNone);
    }
  }
  for (int32_t record : hidden) Dematerialize(record, true);
}

// ---- columns --------------------------------------------------------------------------------

void TreeGraphWidgetImpl::RebuildColumns() {
  std::vector<Column> old = std::move(columns_);
  columns_.clear();
  columnMap_.clear();
  const auto add = [&](const Id& id) {
    Column column;
    column.id = id;
    for (Column& before : old) {
      if (before.id == id) column = std::move(before);
    }
    columnMap_[id] = static_cast<Int>(columns_.size());
    columns_.push_back(std::move(column));
  };
  if (leftIds_.empty() && rightIds_.empty() && old.size() <= 1 && columnMap_.empty() && !hasColumns_) {
    Column column;
    column.id = treeColumnId_;
    if (!old.empty()) column = std::move(old.front());
    columns_.push_back(std::move(column));
    columnMap_.clear();
    return;
  }
  for (const Id& id : leftIds_) add(id);
  add(treeColumnId_);
  for (const Id& id : rightIds_) add(id);
}

Result<Int> TreeGraphWidgetImpl::ColumnIndex(const Id& column, const char* missing) const {
  if (columnMap_.empty()) return Int{0};
  auto found = columnMap_.find(column);
  if (found == columnMap_.end()) return IllegalStateError(missing);
  return found->second;
}

Result<void> TreeGraphWidgetImpl::SetColumns(const std::vector<Id>& left, const std::vector<Id>& right) {
  DematerializeAll(false);
  leftIds_ = left;
  rightIds_ = right;
  hasColumns_ = true;
  RebuildColumns();
  if (header_) ZV_TRY(BuildHeader());
  RequestLayout();
  return Ok();
}

Result<void> TreeGraphWidgetImpl::SetColumnVisibility(const Id& column, Bool visible) {
  if (column == treeColumnId_) return IllegalArgumentError("Changing the main tree column visibility is forbidden");
  auto found = columnMap_.find(column);
  if (found == columnMap_.end()) return IllegalStateError(kColumnNotFound);
  Column& entry = columns_[static_cast<size_t>(found->second)];
  if (entry.visible == visible) return Ok();
  entry.visible = visible;
  ZV_TRY_ASSIGN(Int treeIndex, ColumnIndex(treeColumnId_, kColumnNotFoundInMap));
  // Folded and filtered rows stay hidden: a cell shows only where its row's tree cell does.
  for (auto& [record, widgets] : live_) {
    const CellWidgetRef& treeCell = widgets.cells[static_cast<size_t>(treeIndex)];
    widgets.cells[static_cast<size_t>(found->second)]->SetLocalVisibility(visible && treeCell->GetLocalVisibility());
  }
  if (header_) ZV_TRY(BuildHeader());
  RequestLayout();
  return Ok();
}

Result<Bool> TreeGraphWidgetImpl::GetColumnVisibility(const Id& column) const {
  if (column == treeColumnId_) return true;
  auto found = columnMap_.find(column);
  if (found == columnMap_.end()) return IllegalStateError(kColumnNotFound);
  return columns_[static_cast<size_t>(found->second)].visible;
}

Result<void> TreeGraphWidgetImpl::DeleteColumnFromId(const Id& column) {
  if (column == treeColumnId_) return IllegalArgumentError("The main tree column cannot be deleted");
  auto found = columnMap_.find(column);
  if (found == columnMap_.end()) return IllegalArgumentError(kColumnNotFound);
  const size_t index = static_cast<size_t>(found->second);
  auto erase = [&](std::vector<Id>& ids) {
    auto at = std::find(ids.begin(), ids.end(), column);
    if (at == ids.end()) return false;
    ids.erase(at);
    return true;
  };
  if (!erase(leftIds_) && !erase(rightIds_)) return IllegalStateError("Column id not found in original arrays");
  for (auto& [record, widgets] : live_) {
    if (index < widgets.cells.size()) {
      widgets.cells[index]->Remove();
      widgets.cells.erase(widgets.cells.begin() + static_cast<std::ptrdiff_t>(index));
    }
  }
  const size_t before = columns_.size();
  RebuildColumns();
  if (columns_.size() + 1 != before) return IllegalStateError("Wrong columns map size");
  if (columnMap_.size() != columns_.size()) return IllegalStateError("Corrupted column map");
  if (header_) ZV_TRY(BuildHeader());
  RequestLayout();
  return Ok();
}

Result<void> TreeGraphWidgetImpl::SetColumnAdapter(const Id& column, const WidgetAdapterRef& adapter) {
  ZV_TRY_ASSIGN(Int index, ColumnIndex(column, kColumnNotFound));
  columns_[static_cast<size_t>(index)].adapter = adapter;
  DematerializeAll(true);
  RequestLayout();
  return Ok();
}

// ---- the table's operations -----------------------------------------------------------------

Result<void> TreeGraphWidgetImpl::Resize(Int, Int) { return IllegalStateError(Forbidden("SetColumns")); }
Result<void> TreeGraphWidgetImpl::AppendX() { return IllegalStateError(Forbidden("AppendXWithId")); }
Result<void> TreeGraphWidgetImpl::AppendY() { return IllegalStateError(Forbidden("CreateTreeItemAfter")); }
Result<void> TreeGraphWidgetImpl::InsertColumnBeforeX(Int) {
  return IllegalStateError(Forbidden("InsertColumnBeforeColumnId"));
}
Result<void> TreeGraphWidgetImpl::InsertColumnAfterX(Int) {
  return IllegalStateError(Forbidden("InsertColumnAfterColumnId"));
}
Result<void> TreeGraphWidgetImpl::DeleteColumn(Int) { return IllegalStateError(Forbidden("DeleteColumnFromId")); }
Result<void> TreeGraphWidgetImpl::MoveRows(Int, Int, Int) { return IllegalStateError(Forbidden("MoveItem")); }

Result<void> TreeGraphWidgetImpl::InsertRowBeforeY(Int y) {
  ZV_TRY_ASSIGN(TreeItemWidgetRef item, GetTreeItem(y));
  ZV_TRY_ASSIGN(TreeItemWidgetRef made, CreateTreeItemBefore(item));
  (void)made;
  return Ok();
}

Result<void> TreeGraphWidgetImpl::InsertRowAfterY(Int y) {
  ZV_TRY_ASSIGN(TreeItemWidgetRef item, GetTreeItem(y));
  ZV_TRY_ASSIGN(TreeItemWidgetRef made, CreateTreeItemAfter(item));
  (void)made;
  return Ok();
}

Result<void> TreeGraphWidgetImpl::MoveColumns(Int first, Int last, Int insertAfter) {
  const Int count = GetCountX();
  if (count == 0 || first < 0 || first >= count || last >= count) return IllegalStateError("Specified column not existing.");
  if (last < first) return IllegalStateError("Illegal end column.");
  if (insertAfter >= count || insertAfter < -1) return IllegalStateError("Specified insertAfterColumn not existing.");
  if (insertAfter == first || (insertAfter == -1 && first == 0)) {
    return IllegalStateError("Cannot insert column after myself");
  }
  if (columnMap_.empty()) return Ok();
  std::vector<Id> order;
  for (const Column& column : columns_) order.push_back(column.id);
  std::vector<Id> moved(order.begin() + first, order.begin() + last + 1);
  const Id anchor = insertAfter >= 0 ? order[static_cast<size_t>(insertAfter)] : Id();
  order.erase(order.begin() + first, order.begin() + last + 1);
  auto at = insertAfter >= 0 ? std::find(order.begin(), order.end(), anchor) + 1 : order.begin();
  if (insertAfter >= 0 && at == order.begin()) at = order.begin() + std::min<Int>(first, static_cast<Int>(order.size()));
  order.insert(at, moved.begin(), moved.end());
  leftIds_.clear();
  rightIds_.clear();
  bool right = false;
  for (const Id& id : order) {
    if (id == treeColumnId_) {
      right = true;
    } else {
      (right ? rightIds_ : leftIds_).push_back(id);
    }
  }
  DematerializeAll(false);
  RebuildColumns();
  if (header_) ZV_TRY(BuildHeader());
  RequestLayout();
  return Ok();
}

Result<CellWidgetRef> TreeGraphWidgetImpl::GetCell(Int x, Int y) const {
  if (x < 0 || x >= GetCountX()) return IllegalStateError("Invalid table hierarchy.");
  ZV_TRY_ASSIGN(int32_t record, RecordAt(y));
  auto* self = const_cast<TreeGraphWidgetImpl*>(this);
  ZV_TRY_ASSIGN(RowWidgets * widgets, self->Materialize(record));
  self->PinRecord(record);
  return widgets->cells[static_cast<size_t>(x)];
}

Result<CellWidgetRef> TreeGraphWidgetImpl::GetCell(Int index) const {
  const Int columns = std::max<Int>(GetCountX(), 1);
  return GetCell(index % columns, index / columns);
}

Result<CellWidgetRef> TreeGraphWidgetImpl::GetCellFromId(const Id& column, Int row) {
  ZV_TRY_ASSIGN(Int index, ColumnIndex(column, kColumnNotFoundInMap));
  return GetCell(index, row);
}

Result<Int> TreeGraphWidgetImpl::GetX(const CellWidgetRef& cell) const {
  for (const auto& [record, widgets] : live_) {
    for (size_t x = 0; x < widgets.cells.size(); ++x) {
      if (widgets.cells[x] == cell) return static_cast<Int>(x);
    }
  }
  return IllegalStateError("Element not found");
}

Result<Int> TreeGraphWidgetImpl::GetY(const CellWidgetRef& cell) const {
  for (const auto& [record, widgets] : live_) {
    for (const CellWidgetRef& candidate : widgets.cells) {
      if (candidate == cell) return const_cast<TreeRows&>(rows_).RowOf(record);
    }
  }
  return IllegalStateError("Element not found");
}

void TreeGraphWidgetImpl::SetTableMode(TABLE_MODE mode, WIDGET_DIRECTION direction) {
  tableMode_[DirectionIndex(direction)] = mode;
}

std::vector<Float> TreeGraphWidgetImpl::ColumnOffsets() const {
  // Left to right on screen; mirrored in inverse mode.
  std::vector<Float> offsets(columns_.size() + 1, 0.0);
  Float x = 0.0;
  for (size_t k = 0; k < columns_.size(); ++k) {
    const size_t c = inverseMode_ ? columns_.size() - 1 - k : k;
    offsets[c] = x;
    x += columns_[c].visible ? columns_[c].Width() : 0.0;
  }
  offsets.back() = x;
  return offsets;
}

Result<Int> TreeGraphWidgetImpl::GetColumnHit(Vector2d globalPosition) const {
  const Vector2d local = GlobalToLocalPosition(globalPosition);
  const std::vector<Float> offsets = ColumnOffsets();
  for (size_t c = 0; c < columns_.size(); ++c) {
    if (!columns_[c].visible) continue;
    if (local.x >= offsets[c] && local.x < offsets[c] + columns_[c].Width()) return static_cast<Int>(c);
  }
  return IllegalStateError(kNoColumnHit);
}

Result<Int> TreeGraphWidgetImpl::GetRowHit(Vector2d globalPosition) const {
  const Vector2d local = GlobalToLocalPosition(globalPosition);
  const Int shown = static_cast<Int>(rows_.Shown().size());
  const ShownRange range = ShownRowsIn(local.y, local.y + 1e-9, GetHeaderHeight(), GetRowHeight(), shown);
  if (range.IsEmpty() || local.x < 0.0 || local.x >= GetLocalPixSize().x) return IllegalStateError(kHitOutside);
  return static_cast<Int>(rows_.Get(rows_.Shown()[static_cast<size_t>(range.first)]).row);
}

// ---- modes ----------------------------------------------------------------------------------

Result<void> TreeGraphWidgetImpl::SetInverseMode(Bool inverse) {
  if (inverse == inverseMode_) return Ok();
  inverseMode_ = inverse;
  for (TreeItemWidgetImpl* item : items_) {
    if (item) ZV_TRY(item->SetInverse(inverse));
  }
  if (header_) {
    for (HierarchyObject* child = header_->GetFirstChild(); child; child = child->GetNext()) {
      if (auto* cell = dynamic_cast<HeaderCellWidgetInterface*>(child)) ZV_TRY(cell->SetInverse(inverse));
    }
  }
  RequestLayout();
  return Ok();
}

Result<void> TreeGraphWidgetImpl::SetLineSpacing(CanvasUnitValue spacing) {
  if (!(spacing.value > 0.0)) return IllegalArgumentError("A line spacing must be positive");
  if (spacing == lineSpacing_) return Ok();
  lineSpacing_ = spacing;
  RequestLayout();
  return Ok();
}

void TreeGraphWidgetImpl::SetLOD(Int lod) {
  WidgetBase::SetLOD(lod);
  RequestRedraw();
}

Float TreeGraphWidgetImpl::GetRowHeight() const { return std::max(1.0, ToPixels(lineSpacing_)); }

Float TreeGraphWidgetImpl::GetIndentPixels() const { return ToPixels(kTreeLevelIndent); }

Float TreeGraphWidgetImpl::GetHeaderHeight() const {
  return header_ && headerVisible_ ? header_->GetLocalPixSize().y : 0.0;
}

// ---- header row -----------------------------------------------------------------------------

Result<void> TreeGraphWidgetImpl::BuildHeader() {
  // A column keeps its header cell (its title, its user's width) when the columns change.
  std::unordered_map<Id, Ref<HierarchyObject>, IdHasher> kept;
  {
    size_t h = 0;
    for (HierarchyObject* child = header_->GetFirstChild(); child && h < headerColumns_.size();
         child = child->GetNext(), ++h) {
      if (dynamic_cast<HeaderCellWidgetInterface*>(child)) kept.emplace(headerColumns_[h], Ref<HierarchyObject>(child));
    }
  }
  // A table grows from the size it stores, not from its children: emptied by hand, it is
  // told so, or a resize to the same grid would leave it without cells.
  header_->RemoveAllChildren();
  ZV_TRY(header_->Resize(0, 0));
  headerColumns_.clear();
  for (const Column& column : columns_) {
    if (column.visible) headerColumns_.push_back(column.id);
  }
  static const Id headerClass(kHeaderCellWidgetClassId);
  ZV_TRY(header_->Resize(static_cast<Int>(headerColumns_.size()), 1));
  // The table made plain cells; header cells take their places.
  std::vector<Ref<HierarchyObject>> plain;
  for (HierarchyObject* child = header_->GetFirstChild(); child; child = child->GetNext()) plain.emplace_back(child);
  for (size_t h = 0; h < plain.size(); ++h) {
    const Ref<HierarchyObject>& cell = plain[h];
    auto found = kept.find(headerColumns_[h]);
    if (found != kept.end()) {
      ZV_TRY(found->second->InsertAfter(cell.Get()));
    } else {
      ZV_TRY_ASSIGN(HeaderCellWidgetRef headerCell, CreateObject<HeaderCellWidgetInterface>(headerClass));
      ZV_TRY(headerCell->CreateLayout());
      headerCell->SetBorderVisibility(true);
      ZV_TRY(headerCell->InsertAfter(cell.Get()));
    }
    cell->Remove();
  }
  ZV_TRY(header_->UpdateInternalCellMap());
  ApplyHeaderFlags();
  RequestLayout();
  return Ok();
}

void TreeGraphWidgetImpl::ApplyHeaderFlags() {
  if (!header_) return;
  for (HierarchyObject* child = header_->GetFirstChild(); child; child = child->GetNext()) {
    if (auto* cell = dynamic_cast<HeaderCellWidgetInterface*>(child)) {
      cell->SetAllowResizing(allowHeaderResizing_);
      cell->SetAllowRearranging(allowHeaderRearranging_);
      (void)cell->SetInverse(inverseMode_);
    }
  }
}

Result<void> TreeGraphWidgetImpl::AddHeaderRow() {
  if (header_) return Ok();
  static const Id tableClass(kTableWidgetClassId);
  ZV_TRY_ASSIGN(TableWidgetRef table, CreateObject<TableWidgetInterface>(tableClass));
  ZV_TRY(table->CreateLayout());
  header_ = Ref<TableWidgetImpl>(dynamic_cast<TableWidgetImpl*>(table.Get()));
  if (!header_) return IllegalStateError(kNoHeaderCell);
  header_->SetName("TreeGraph header row");
  // Sized to the graph's width, it widens the tree column's header cell with its column.
  header_->SetTableMode(TABLE_MODE::ENLARGE, WIDGET_DIRECTION::HORIZONTAL);
  header_->SetLocalVisibility(headerVisible_);
  const Result<void> built = BuildHeader();
  if (!built.IsOk()) {
    header_.Reset();
    return built;
  }
  return InsertChildFirst(header_);
}

Result<void> TreeGraphWidgetImpl::DeleteHeaderRow() {
  if (!header_) return Ok();
  header_->Remove();
  header_.Reset();
  headerColumns_.clear();
  RequestLayout();
  return Ok();
}

Result<void> TreeGraphWidgetImpl::SetHeaderRowVisibility(Bool visible) {
  if (visible == headerVisible_) return Ok();
  headerVisible_ = visible;
  if (header_) header_->SetLocalVisibility(visible);
  RequestLayout();
  return Ok();
}

Result<TextWidgetRef> TreeGraphWidgetImpl::GetHeaderTextWidget(const Id& column) const {
  if (!header_) return IllegalStateError(kNoHeaderCell);
  const Id wanted = columnMap_.empty() ? treeColumnId_ : column;
  if (!columnMap_.empty() && columnMap_.find(column) == columnMap_.end()) return IllegalStateError(kColumnNotFound);
  auto at = std::find(headerColumns_.begin(), headerColumns_.end(), wanted);
  if (at == headerColumns_.end()) return IllegalStateError(kNoHeaderCell);
  ZV_TRY_ASSIGN(CellWidgetRef cell, header_->GetCell(at - headerColumns_.begin(), 0));
  auto* headerCell = dynamic_cast<HeaderCellWidgetInterface*>(cell.Get());
  if (!headerCell) return IllegalStateError(kNoHeaderCell);
  return headerCell->GetTextWidget();
}

void TreeGraphWidgetImpl::SetAllowHeaderResizing(Bool allow) {
  allowHeaderResizing_ = allow;
  ApplyHeaderFlags();
}

void TreeGraphWidgetImpl::SetAllowHeaderRearranging(Bool allow) {
  allowHeaderRearranging_ = allow;
  ApplyHeaderFlags();
}

Result<Int> TreeGraphWidgetImpl::HeaderColumnHit(Vector2d globalPosition) const {
  // The user aims at the titles, whose widths the header row sets on its own.
  for (size_t i = 0; header_ && i < headerColumns_.size(); ++i) {
    Result<CellWidgetRef> cell = header_->GetCell(static_cast<Int>(i), 0);
    if (!cell.IsOk() || !*cell) continue;
    const Rect frame = (*cell)->GetGlobalFrame();
    if (globalPosition.x >= frame.left && globalPosition.x < frame.right) {
      return ColumnIndex(headerColumns_[i], kColumnNotFound);
    }
  }
  return GetColumnHit(globalPosition);
}

Result<bool> TreeGraphWidgetImpl::HandleDragAndDrop(const DataDictionary& event) {
  // A header cell dropped on the graph moves its column next to the column under the drop.
  static const Id key(kHeaderCellDragAndDropKey);
  Result<Int> dragged = event.GetRequired<Int>(key);
  if (!dragged.IsOk() || !header_) return false;
  EventReader reader(&event);
  ZV_TRY_ASSIGN(EVENT type, reader.GetType());
  if (type == EVENT::DND_LEAVE) return true;
  ZV_TRY_ASSIGN(Vector2d position, reader.GetPosition());
  Result<Int> hit = HeaderColumnHit(position);
  const Int from = *dragged;
  if (!hit.IsOk() || from < 0 || from >= static_cast<Int>(headerColumns_.size())) return false;
  const Int target = *hit;
  // Entering and moving over the graph only ask whether it takes the column; the drop moves it:
  // the move rebuilds the header row, which holds the cell being dragged.
  if (type != EVENT::DND_DROP) return true;
  ZV_TRY_ASSIGN(Int source, ColumnIndex(headerColumns_[static_cast<size_t>(from)], kColumnNotFound));
  if (source == target) return true;
  ZV_TRY(MoveColumns(source, source, source < target ? target : target - 1));
  return true;
}

// ---- row widgets ----------------------------------------------------------------------------

Result<TreeGraphWidgetImpl::RowWidgets*> TreeGraphWidgetImpl::Materialize(int32_t record) {
  if (auto found = live_.find(record); found != live_.end()) return &found->second;
  static const Id cellClass(kCellWidgetClassId);
  if (static_cast<size_t>(record) >= items_.size()) items_.resize(static_cast<size_t>(record) + 1, nullptr);
  if (!pool_.empty() && !items_[record]) return Reuse(record, rows_.RowOf(record));
  ZV_TRY_ASSIGN(TreeItemWidgetRef item, ItemOf(record));
  auto* itemImpl = static_cast<TreeItemWidgetImpl*>(dynamic_cast<TreeItemWidgetImpl*>(item.Get()));
  if (!itemImpl->IsLayoutCreated()) {
    ZV_TRY(itemImpl->CreateLayout());
    itemImpl->MarkLayoutCreated();
  }
  const Int row = rows_.RowOf(record);
  const bool shown = rows_.Get(record).shown >= 0;
  RowWidgets widgets;
  widgets.cells.reserve(columns_.size());
  for (size_t c = 0; c < columns_.size(); ++c) {
    ZV_TRY_ASSIGN(CellWidgetRef cell, CreateObject<CellWidgetInterface>(cellClass));
    ZV_TRY(cell->CreateLayout());
    cell->SetBorderVisibility(g_mvp_show_cells.Get());
    cell->SetAlignment(ALIGNMENT_MODE::CENTER, WIDGET_DIRECTION::VERTICAL);
    cell->SetLocalVisibility(shown && columns_[c].visible);
    const bool tree = columns_[c].id == treeColumnId_ || columns_.size() == 1;
    if (tree) ZV_TRY(cell->InsertChildLast(item));
    if (const WidgetAdapterRef& adapter = columns_[c].adapter) {
      CellWidgetInterface* target = cell.Get();
      if (tree) target = itemImpl->PeekCustomCell();
      if (target && !target->GetFirstChild()) {
        ZV_TRY_ASSIGN(WidgetRef content, adapter->GetItemWidget(row, WidgetRef(target)));
        if (content && !content->GetParent()) ZV_TRY(target->InsertChildLast(content));
      }
    }
    ZV_TRY(InsertChildLast(cell));
    widgets.cells.push_back(std::move(cell));
  }
  itemImpl->ShowTriangle(rows_.Get(record).firstChild != TreeRows::kNone);
  widgets.item = itemImpl;
  return &live_.emplace(record, std::move(widgets)).first->second;
}

Result<TreeGraphWidgetImpl::RowWidgets*> TreeGraphWidgetImpl::Reuse(int32_t record, Int row) {
  RowWidgets widgets = std::move(pool_.back());
  pool_.pop_back();
  TreeItemWidgetImpl* item = widgets.item;
  // Nobody but the row held the item, so no one can tell it now stands for another record.
  item->Bind(this, record);
  items_[record] = item;
  const bool shown = rows_.Get(record).shown >= 0;
  for (size_t c = 0; c < columns_.size() && c < widgets.cells.size(); ++c) {
    CellWidgetInterface* target = widgets.cells[c].Get();
    if (columns_[c].id == treeColumnId_ || columns_.size() == 1) target = item->PeekCustomCell();
    if (!target) continue;
    if (const WidgetAdapterRef& adapter = columns_[c].adapter) {
      target->RemoveAllChildren();
      ZV_TRY_ASSIGN(WidgetRef content, adapter->GetItemWidget(row, WidgetRef(target)));
      if (content && !content->GetParent()) ZV_TRY(target->InsertChildLast(content));
    }
    widgets.cells[c]->SetLocalVisibility(shown && columns_[c].visible);
  }
  item->ShowTriangle(rows_.Get(record).firstChild != TreeRows::kNone);
  return &live_.emplace(record, std::move(widgets)).first->second;
}

void TreeGraphWidgetImpl::Dematerialize(int32_t record, bool recycle) {
  auto found = live_.find(record);
  if (found == live_.end()) return;
  RowWidgets& widgets = found->second;
  TreeItemWidgetImpl* item = static_cast<size_t>(record) < items_.size() ? items_[record] : nullptr;
  // A row whose item only the row holds keeps its widgets for the next row to come into view:
  // hidden, they cost no layout or drawing, and making a row's widgets is most of a scroll.
  if (recycle && item && item->GetRefCount() == 1 && pool_.size() < kMaxPooledRows &&
      widgets.cells.size() == columns_.size()) {
    item->Unbind();
    items_[record] = nullptr;
    for (const CellWidgetRef& cell : widgets.cells) cell->SetLocalVisibility(false);
    widgets.item = item;
    pool_.push_back(std::move(widgets));
  } else {
    for (const CellWidgetRef& cell : widgets.cells) cell->Remove();
  }
  live_.erase(found);
}

void TreeGraphWidgetImpl::ClearPool() {
  for (const RowWidgets& widgets : pool_) {
    for (const CellWidgetRef& cell : widgets.cells) cell->Remove();
  }
  pool_.clear();
}

void TreeGraphWidgetImpl::DematerializeAll(bool keepPinned) {
  ClearPool();
  std::vector<int32_t> records;
  for (const auto& [record, widgets] : live_) {
    if (!keepPinned || !rows_.IsLive(record) || !rows_.Get(record).Has(TreeRow::kPinned)) records.push_back(record);
  }
  for (int32_t record : records) Dematerialize(record);
}

Result<bool> TreeGraphWidgetImpl::SyncRows(ShownRange range) {
  const std::vector<int32_t>& shown = rows_.Shown();
  const Int keepFirst = range.first - kKeptRowsBeyondView;
  const Int keepLast = range.last + kKeptRowsBeyondView;
  std::vector<int32_t> leaving;
  for (const auto& [record, widgets] : live_) {
    const TreeRow& row = rows_.Get(record);
    if (row.Has(TreeRow::kPinned)) continue;
    if (row.shown < keepFirst || row.shown > keepLast) leaving.push_back(record);
  }
  for (int32_t record : leaving) Dematerialize(record, true);
  bool made = false;
  for (Int s = range.first; s <= range.last; ++s) {
    const int32_t record = shown[static_cast<size_t>(s)];
    if (live_.count(record)) continue;
    ZV_TRY_ASSIGN(RowWidgets * widgets, Materialize(record));
    (void)widgets;
    made = true;
  }
  return made;
}

Rect TreeGraphWidgetImpl::GetViewInLocal() const {
  // The nearest clipping ancestor (a scroll area's content cell) shows part of the graph;
  // without one, the window does.
  const WidgetInterface* view = nullptr;
  for (const WidgetInterface* up = GetParentWidget(); up; up = up->GetParentWidget()) {
    view = up;
    if (up->GetClipping()) break;
  }
  if (!view) return Rect();
  return GetGlobalInverseMatrix().TransformRect(view->GetGlobalFrame());
}

// ---- layout ---------------------------------------------------------------------------------

Result<void> TreeGraphWidgetImpl::CreateLayout() {
  ZV_TRY(WidgetBase::CreateLayout());
  treeColumnId_ = NewTreeColumnId();
  SetName("TreeGraphWidget");
  SetAcceptFocus(true);
  SetPlacesChildren(true);
  treeBackground_ = ReadStyle(*this, kTreeBackgroundColor);
  alternateBackground_ = ReadStyle(*this, kTreeAlternateColor);
  RebuildColumns();
  return Ok();
}

Result<void> TreeGraphWidgetImpl::LayoutBegin() {
  UpdateShownIfNeeded();
  if (!GetAppWidget()) return Ok();
  const Rect view = GetViewInLocal();
  const ShownRange range = ShownRowsIn(view.top, view.bottom, GetHeaderHeight(), GetRowHeight(),
                                       static_cast<Int>(rows_.Shown().size()));
  syncing_ = true;
  const Result<bool> synced = SyncRows(range);
  syncing_ = false;
  ZV_TRY(synced);
  return Ok();
}

Result<void> TreeGraphWidgetImpl::LayoutEnd() {
  // A scroll moves the graph without laying it out; the walk still ends here. Rows that came
  // into view get their widgets and are laid out now, before anything is drawn (as the scroll
  // area lays itself out again when its scrollbars come or go).
  if (syncing_ || shownDirty_ || !GetAppWidget()) return Ok();
  const Rect view = GetViewInLocal();
  const Int count = static_cast<Int>(rows_.Shown().size());
  const ShownRange range = ShownRowsIn(view.top, view.bottom, GetHeaderHeight(), GetRowHeight(), count);
  bool missing = false;
  for (Int s = range.first; s <= range.last && !missing; ++s) missing = !live_.count(rows_.Shown()[static_cast<size_t>(s)]);
  if (!missing) return Ok();
  syncing_ = true;
  Result<bool> made = SyncRows(range);
  Result<void> laidOut = Ok();
  if (made.IsOk() && *made) laidOut = GetAppWidget()->ComputePartialLayout(this);
  syncing_ = false;
  ZV_TRY(made);
  return laidOut;
}

Result<void> TreeGraphWidgetImpl::LayoutPass1() {
  UpdateShownIfNeeded();
  Int treeIndex = 0;
  if (!columnMap_.empty()) treeIndex = columnMap_[treeColumnId_];
  const Float treeWidthBefore = columns_[static_cast<size_t>(treeIndex)].Width();
  // Columns are as wide as the widest cell they have shown so far: widths that only grow keep
  // the columns still while rows scroll through.
  for (const auto& [record, widgets] : live_) {
    if (rows_.Get(record).shown < 0) continue;
    for (size_t c = 0; c < widgets.cells.size() && c < columns_.size(); ++c) {
      auto* cell = static_cast<CellWidgetImpl*>(dynamic_cast<CellWidgetImpl*>(widgets.cells[c].Get()));
      if (!cell || !cell->HasMeasuredSize()) continue;
      columns_[c].seenWidth = std::max(columns_[c].seenWidth, cell->GetMeasuredParentLocalSize().x);
    }
  }
  // A tree column its user sized keeps that width: the view beyond the columns stays empty.
  bool treeFixed = false;
  // Once its user sized another column, the tree column no longer gives way to it (the
  // dragged border stays under the pointer); it still grows to fill the view.
  bool userSized = false;
  if (header_) {
    // A header cell its user resized (fixed) sets its column's width; the others are widened
    // to their column's.
    for (size_t h = 0; h < headerColumns_.size(); ++h) {
      auto index = columnMap_.empty() ? Int{0} : columnMap_[headerColumns_[h]];
      Column& column = columns_[static_cast<size_t>(index)];
      Result<CellWidgetRef> cell = header_->GetCell(static_cast<Int>(h), 0);
      if (!cell.IsOk() || !*cell) continue;
      CellWidgetInterface& headerCell = **cell;
      const bool fixed = headerCell.GetSizeMode(WIDGET_DIRECTION::HORIZONTAL) == WIDGET_SIZE::FIXED;
      // The tree column's header cell takes the stretch as its column does, through the
      // header row's own enlarging (a header row as wide as the graph).
      const CELL_STRETCH_MODE stretch = index == treeIndex && !fixed ? CELL_STRETCH_MODE::MAXIMUM
                                                                     : CELL_STRETCH_MODE::MINIMUM;
      if (headerCell.GetStretchMode(WIDGET_DIRECTION::HORIZONTAL) != stretch) {
        headerCell.SetStretchMode(stretch, WIDGET_DIRECTION::HORIZONTAL);
      }
      if (fixed) {
        column.seenWidth = headerCell.GetParentLocalSize().x;
        if (index == treeIndex) treeFixed = true;
        userSized = true;
        continue;
      }
      // What the cell measured, not what it was given: a stretched header cell does not widen
      // its column for good.
      const auto* impl = dynamic_cast<const CellWidgetImpl*>(&headerCell);
      const Float measured = impl && impl->HasMeasuredSize() ? impl->GetMeasuredParentLocalSize().x
                                                             : headerCell.GetParentLocalSize().x;
      column.seenWidth = std::max(column.seenWidth, measured);
      if (headerCell.GetMinSize(WIDGET_DIRECTION::HORIZONTAL).value != column.seenWidth) {
        headerCell.SetSizeMode(WIDGET_SIZE::MIN, WIDGET_DIRECTION::HORIZONTAL);
        headerCell.SetMinSize(CanvasUnitValue::Pix(column.seenWidth), WIDGET_DIRECTION::HORIZONTAL);
      }
    }
    ZV_TRY(header_->LayoutPass1());
  }
  Float width = 0.0;
  for (const Column& column : columns_) width += column.visible ? column.seenWidth : 0.0;
  // The tree column takes what the view has beyond the columns, so that rows span the view.
  const Float viewWidth = GetViewInLocal().right;
  Column& treeColumn = columns_[static_cast<size_t>(treeIndex)];
  const Float kept = userSized ? treeWidthBefore - treeColumn.seenWidth : 0.0;
  treeColumn.stretch = treeFixed ? 0.0 : std::max({0.0, viewWidth - width, kept});
  width += treeColumn.stretch;
  const Float height = GetHeaderHeight() + static_cast<Float>(rows_.Shown().size()) * GetRowHeight();
  return SetLocalSize(width, height);
}

Result<void> TreeGraphWidgetImpl::LayoutPass2() {
  const std::vector<Float> offsets = ColumnOffsets();
  const Float rowHeight = GetRowHeight();
  const Float top = GetHeaderHeight();
  if (header_) {
    // The header row spans the graph, so that its enlarging gives the tree column's header
    // cell the stretch its column has (the graph's parent may give its children no room, as
    // a scroll area does).
    header_->SetLocalPosition({0.0, 0.0});
    const Vector2d headerSize = header_->GetLocalPixSize();
    const Float width = GetLocalPixSize().x;
    if (headerSize.x != width) ZV_TRY(SizeCell(*header_, width, headerSize.y));
  }
  for (auto& [record, widgets] : live_) {
    const TreeRow& row = rows_.Get(record);
    const bool shown = row.shown >= 0;
    for (size_t c = 0; c < widgets.cells.size() && c < columns_.size(); ++c) {
      WidgetInterface& cell = *widgets.cells[c];
      const bool visible = shown && columns_[c].visible;
      if (cell.GetLocalVisibility() != visible) cell.SetLocalVisibility(visible);
      if (!visible) continue;
      ZV_TRY(SizeCell(cell, columns_[c].Width(), rowHeight));
      cell.SetLocalPosition({offsets[c], top + static_cast<Float>(row.shown) * rowHeight});
    }
  }
  return Ok();
}

void TreeGraphWidgetImpl::VisitChildrenIn(const Rect& localArea, bool topmostFirst,
                                          FunctionRef<bool(WidgetInterface*)> visit) {
  const Int count = static_cast<Int>(rows_.Shown().size());
  const Rect area = localArea.Inflate(kDrawMargin);
  ShownRange range = ShownRowsIn(area.top, area.bottom, GetHeaderHeight(), GetRowHeight(), count);
  if (!topmostFirst && !syncing_ && !shownDirty_ && GetAppWidget() && !GetAppWidget()->IsLayoutRunning()) {
    // A scroll moves the graph without laying it out: rows that came into view get their
    // widgets and their layout here, before they are drawn.
    bool missing = false;
    for (Int s = range.first; s <= range.last && !missing; ++s) missing = !live_.count(rows_.Shown()[static_cast<size_t>(s)]);
    if (missing) {
      const Rect view = GetViewInLocal();
      const ShownRange wanted = ShownRowsIn(view.top, view.bottom, GetHeaderHeight(), GetRowHeight(), count);
      syncing_ = true;
      const Result<bool> made = SyncRows(wanted);
      if (made.IsOk() && *made) (void)GetAppWidget()->ComputePartialLayout(this);
      syncing_ = false;
    }
  }
  WidgetInterface* header = header_ && headerVisible_ ? static_cast<WidgetInterface*>(header_.Get()) : nullptr;
  if (header && !topmostFirst && !visit(header)) return;
  if (!range.IsEmpty()) {
    const auto visitRow = [&](Int s) {
      auto found = live_.find(rows_.Shown()[static_cast<size_t>(s)]);
      if (found == live_.end()) return true;
      const std::vector<CellWidgetRef>& cells = found->second.cells;
      if (!topmostFirst) {
        for (const CellWidgetRef& cell : cells) {
          if (!visit(cell.Get())) return false;
        }
      } else {
        for (size_t c = cells.size(); c-- > 0;) {
          if (!visit(cells[c].Get())) return false;
        }
      }
      return true;
    };
    if (!topmostFirst) {
      for (Int s = range.first; s <= range.last; ++s) {
        if (!visitRow(s)) return;
      }
    } else {
      for (Int s = range.last; s >= range.first; --s) {
        if (!visitRow(s)) return;
      }
    }
  }
  if (header && topmostFirst) visit(header);
}

// ---- drawing --------------------------------------------------------------------------------

Result<void> TreeGraphWidgetImpl::DrawBackground() {
  CanvasInterface* canvas = GetCanvas();
  if (!canvas) return Ok();
  const Rect clip = GetGlobalInverseMatrix().TransformRect(canvas->GetClipBounds());
  const Float rowHeight = GetRowHeight();
  const Float top = GetHeaderHeight();
  const Float width = GetLocalPixSize().x;
  const ShownRange range = ShownRowsIn(clip.top, clip.bottom, top, rowHeight, static_cast<Int>(rows_.Shown().size()));
  if (range.IsEmpty()) return Ok();
  const ColorA selection = ReadStyle(*this, kTreeSelectionColor);
  for (Int s = range.first; s <= range.last; ++s) {
    const int32_t record = rows_.Shown()[static_cast<size_t>(s)];
    const ColorA& fill = record == selected_ ? selection
                         : alternateMode_ && (s % 2 == 1) ? alternateBackground_ : treeBackground_;
    if (fill.a <= 0.0) continue;
    ZV_TRY(DrawRectangle(Rect{0.0, top + static_cast<Float>(s) * rowHeight, width, top + static_cast<Float>(s + 1) * rowHeight}, fill));
  }
  Int treeIndex = 0;
  if (!columnMap_.empty()) treeIndex = columnMap_[treeColumnId_];
  const std::vector<Float> offsets = ColumnOffsets();
  const Float treeLeft = offsets[static_cast<size_t>(treeIndex)];
  const Float treeWidth = columns_[static_cast<size_t>(treeIndex)].Width();
  for (Int s = range.first; s <= range.last; ++s) {
    ZV_TRY(DrawRowMarks(rows_.Shown()[static_cast<size_t>(s)], top + static_cast<Float>(s) * rowHeight, treeLeft, treeWidth));
  }
  return Ok();
}

Result<void> TreeGraphWidgetImpl::DrawRowMarks(int32_t record, Float top, Float treeLeft, Float treeWidth) {
  const TreeRow& row = rows_.Get(record);
  const Int extra = showLevel0Lines_ ? 1 : 0;
  TreeMarkInput input;
  input.steps = row.level + extra;
  input.indent = GetIndentPixels();
  input.mirrored = inverseMode_;
  input.width = treeWidth;
  if (input.steps < 1) return Ok();
  input.hasChildren = row.firstChild != TreeRows::kNone;
  const TreeRowMarks marks = ComputeTreeRowMarks(input, [&](Int step) {
    return rows_.ContinuesAtLevel(record, static_cast<int32_t>(step - extra));
  });
  const ColorA color = ReadStyle(*this, kTreeLineColor);
  const Float rowHeight = GetRowHeight();
  const Float middle = top + rowHeight / 2.0;
  const Float bottom = top + rowHeight;
  for (const TreeRowMarks::Mark& mark : marks.marks) {
    const Float x = treeLeft + mark.x;
    if (mark.kind == TreeRowMarks::Kind::kStraight) {
      ZV_TRY(DrawLine({x, top}, {x, bottom}, color, kLineWidth));
      continue;
    }
    const Float stubEnd = treeLeft + marks.stubEnd;
    if (mark.kind == TreeRowMarks::Kind::kStraightAndLevel) ZV_TRY(DrawLine({x, middle}, {x, bottom}, color, kLineWidth));
    if (jointMode_ == MARK_JOINT_MODE::CURVED) {
      const Float radius = std::min(rowHeight / 2.0, std::abs(stubEnd - x)) * 0.6;
      const Float toward = stubEnd > x ? radius : -radius;
      ZV_TRY(DrawLine({x, top}, {x, middle - radius}, color, kLineWidth));
      ZV_TRY(DrawBezier({x, middle - radius}, {x, middle - radius + radius * kCurveHandle},
                        {x + toward - toward * kCurveHandle, middle}, {x + toward, middle}, color, kLineWidth));
      ZV_TRY(DrawLine({x + toward, middle}, {stubEnd, middle}, color, kLineWidth));
    } else {
      ZV_TRY(DrawLine({x, top}, {x, middle}, color, kLineWidth));
      ZV_TRY(DrawLine({x, middle}, {stubEnd, middle}, color, kLineWidth));
    }
    if (lineTipMode_ == LINE_TIP_MODE::DOT && !input.hasChildren) ZV_TRY(DrawCircle({stubEnd, middle}, kDotRadius, color));
  }
  return Ok();
}

// ---- selection and input --------------------------------------------------------------------

Int TreeGraphWidgetImpl::GetSelectedRow() {
  if (!rows_.IsLive(selected_)) return -1;
  return rows_.RowOf(selected_);
}

Result<void> TreeGraphWidgetImpl::SetSelectedRow(Int row) {
  ZV_TRY_ASSIGN(int32_t record, row >= 0 ? RecordAt(row) : Result<int32_t>(TreeRows::kNone));
  if (record == selected_) return Ok();
  selected_ = record;
  RequestRedraw();
  ZV_TRY(FireObservable(selectionChanged_, TreeGraphWidgetRef(this), row));
  return Ok();
}

Result<bool> TreeGraphWidgetImpl::HandleEvent(const DataDictionary* event) {
  EventReader reader(event);
  Result<EVENT> type = reader.GetType();
  if (!type.IsOk()) return false;
  if (*type == EVENT::BUTTON_DOWN) {
    ZV_TRY_ASSIGN(Vector2d position, reader.GetPosition());
    Result<Int> row = GetRowHit(position);
    if (!row.IsOk()) return false;
    ZV_TRY(SetSelectedRow(*row));
    return true;
  }
  if (*type != EVENT::KEYBOARD_KEY_DOWN) return false;
  ZV_TRY_ASSIGN(Int32 key, reader.GetKey());
  UpdateShownIfNeeded();
  const std::vector<int32_t>& shown = rows_.Shown();
  if (shown.empty()) return false;
  const int32_t current = rows_.IsLive(selected_) ? selected_ : TreeRows::kNone;
  const Int at = current == TreeRows::kNone ? -1 : rows_.Get(current).shown;
  const auto selectShown = [&](Int s) -> Result<bool> {
    s = std::clamp<Int>(s, 0, static_cast<Int>(shown.size()) - 1);
    ZV_TRY(SetSelectedRow(rows_.RowOf(shown[static_cast<size_t>(s)])));
    return true;
  };
  switch (key) {
    case KEY::UP:
      return selectShown(at < 0 ? 0 : at - 1);
    case KEY::DOWN:
      return selectShown(at + 1);
    case KEY::LEFT:
    case KEY::RIGHT: {
      if (current == TreeRows::kNone || at < 0) return selectShown(0);
      const TreeRow& row = rows_.Get(current);
      const bool open = row.Has(TreeRow::kOpen);
      const bool hasChildren = row.firstChild != TreeRows::kNone;
      ZV_TRY_ASSIGN(TreeItemWidgetRef item, ItemOf(current));
      if (key == KEY::RIGHT) {
        if (hasChildren && !open) ZV_TRY(item->SetOpen(true));
        else if (hasChildren) ZV_TRY(SetSelectedRow(rows_.RowOf(row.firstChild)));
        return true;
      }
      if (hasChildren && open) ZV_TRY(item->SetOpen(false));
      else if (row.parent != TreeRows::kNone) ZV_TRY(SetSelectedRow(rows_.RowOf(row.parent)));
      return true;
    }
    default:
      return false;
  }
}

}  // namespace zarvo
