#include "source/widgets_layout/TableWidgetImpl.h"

#include <span>

#include <algorithm>
#include <new>

#include "host/core/ClassRegistry.h"
#include "host/core/ConfigVariable.h"
#include "host/core/Prefetch.h"
#include "host/ui/AppWidget.h"
#include "source/widgets_layout/CanvasUnitMath.h"
#include "source/widgets_layout/CellWidgetImpl.h"

namespace zarvo {

namespace {
ConfigBool g_mvp_show_cells("g_mvp_show_cells", "Show the cell boundaries.", false);
// Registered for the tools that list the switches; no widget of the layout family reads it.
ConfigBool g_mvp_mouse_hover_highlighting("g_mvp_mouse_hover_highlighting",
                                          "Highlight the widget area when hoovering.", false);

constexpr char kInvalidHierarchy[] = "Invalid table hierarchy.";
constexpr char kNoColumn[] = "Specified column not existing.";
constexpr char kNoRow[] = "Specified row not existing.";
constexpr char kNotFound[] = "Element not found";
constexpr char kHitOutside[] = "Global hit position is not inside the table.";
constexpr char kNegativeSize[] = "Table size is negative";

// More cells than this cannot be held (nor made in any useful time); such a size is reported
// as running out of memory rather than overflowing the count.
constexpr Int kMaxTableCells = Int{1} << 26;

constexpr int kColumns = 0;
constexpr int kRows = 1;
constexpr WIDGET_DIRECTION kDirections[2] = {WIDGET_DIRECTION::HORIZONTAL, WIDGET_DIRECTION::VERTICAL};

const Id& CellClassId() {
  static const Id id(kCellWidgetClassId);
  return id;
}

// The cells of a large table come from memory, one per step of the sweeps below: each sweep
// asks for the cell a few steps ahead. `bytes` covers the fields the sweep reads.
constexpr size_t kCellsAhead = 6;
constexpr size_t kSampledBytes = 5 * kCacheLineBytes;  // the base's fields and a cell's measure
constexpr size_t kPlacedBytes = 3 * kCacheLineBytes;   // the base's geometry
template <class Entry>
void PrefetchCell(const Entry* entries, size_t index, size_t count, size_t bytes) {
  if (index + kCellsAhead < count) PrefetchBytes(entries[index + kCellsAhead].widget, bytes);
}

// A cell without size limits or preferred stretch, as its sample gives it.
LineSample PlainSample(Float size, uint8_t stretch) {
  LineSample sample;
  sample.size = size;
  sample.stretch = static_cast<LineStretch>(stretch);
  return sample;
}

// Templated on the cell's type so that the module's own cells are asked without virtual calls.
template <class Cell>
LineSample SampleCell(const WidgetBase& widget, const Cell& cell, WIDGET_DIRECTION direction, Float size,
                      Float remBase) {
  LineSample sample;
  sample.size = size;
  const WIDGET_SIZE mode = widget.GetSizeMode(direction);
  if (mode == WIDGET_SIZE::MIN || mode == WIDGET_SIZE::MIN_MAX) {
    sample.hasMinimum = true;
    sample.minimum = CanvasUnitToPixels(widget.GetMinSize(direction), remBase);
  }
  if (mode == WIDGET_SIZE::MAX || mode == WIDGET_SIZE::MIN_MAX) {
    sample.hasMaximum = true;
    sample.maximum = CanvasUnitToPixels(widget.GetMaxSize(direction), remBase);
  }
  sample.stretch = static_cast<LineStretch>(cell.GetStretchMode(direction));
  if (sample.stretch == LineStretch::kPreferred) sample.preferred = cell.GetPreferredSize(direction);
  return sample;
}
}  // namespace

TableWidgetImpl::TableWidgetImpl() { SetPlacesChildren(true); }

TableWidgetImpl::~TableWidgetImpl() { LinkSamples(false); }

void TableWidgetImpl::LinkSamples(bool samples) {
  for (size_t i = 0; i < map_.size(); ++i) {
    if (CellWidgetImpl* impl = map_[i].impl) impl->SetTableSample(samples ? &samples_[i] : nullptr);
  }
}

Result<void> TableWidgetImpl::CreateLayout() {
  ZV_TRY(WidgetBase::CreateLayout());
  SetName("TableWidget");
  SetAcceptTabFocus(false);
  return Ok();
}

void TableWidgetImpl::HandleChildrenChanged() {
  mapMatchesChildren_ = false;
  placementCurrent_ = false;
  WidgetBase::HandleChildrenChanged();
}

// ---- the cell map -----------------------------------------------------------------------------

const TableWidgetImpl::MapEntry* TableWidgetImpl::FindEntry(Int x, Int y) const {
  if (x < 0 || y < 0) return nullptr;
  Int index;
  if (countX_ == 0) {
    // Without columns the walk never wraps: every child stands in row 0.
    if (y != 0) return nullptr;
    index = x;
  } else {
    if (x >= countX_ || y > (static_cast<Int>(map_.size()) - x) / countX_) return nullptr;
    index = x + y * countX_;
  }
  if (index >= static_cast<Int>(map_.size())) return nullptr;
  return &map_[static_cast<size_t>(index)];
}

HierarchyObject* TableWidgetImpl::FindChild(Int x, Int y) const {
  const MapEntry* entry = FindEntry(x, y);
  if (!entry || entry->object->GetParent() != this) return nullptr;
  return entry->object.Get();
}

Result<void> TableWidgetImpl::UpdateInternalCellMap() {
  LinkSamples(false);
  map_.clear();
  placementCurrent_ = false;
  bool onlyCells = true;
  try {
    // Exactly as many entries as children: a grown vector would keep up to twice the room.
    size_t children = 0;
    for (HierarchyObject* child = GetFirstChild(); child; child = child->GetNext()) ++children;
    if (map_.capacity() > children * 2) std::vector<MapEntry>().swap(map_);
    map_.reserve(children);
    for (HierarchyObject* child = GetFirstChild(); child; child = child->GetNext()) {
      MapEntry& entry = map_.emplace_back();
      entry.object = Ref<HierarchyObject>(child);
      if (WidgetInterface* widget = child->AsWidget()) {
        // The module's own cells are the rule; one cast finds them.
        if (CellWidgetImpl* impl = dynamic_cast<CellWidgetImpl*>(widget)) {
          entry.impl = impl;
          entry.cell = impl;
        } else {
          entry.cell = dynamic_cast<CellWidgetInterface*>(widget);
        }
        if (entry.cell) entry.widget = widget->GetBase();
      }
      onlyCells = onlyCells && entry.cell;
    }
  } catch (const std::bad_alloc&) {
    map_.clear();
    return OutOfMemoryError();
  }
  try {
    samples_.assign(map_.size(), CellSample());
  } catch (const std::bad_alloc&) {
    map_.clear();
    return OutOfMemoryError();
  }
  LinkSamples(true);
  mapMatchesChildren_ = true;
  onlyGridCells_ = onlyCells && static_cast<Int>(map_.size()) == countX_ * countY_;
  RequestLayout();
  return Ok();
}

void TableWidgetImpl::Clear() {
  countX_ = 0;
  countY_ = 0;
  for (int d = 0; d < 2; ++d) {
    lines_[d].clear();
    sizes_[d].clear();
    offsets_[d].clear();
  }
  LinkSamples(false);
  map_.clear();
  samples_.clear();
  onlyGridCells_ = false;
  placementCurrent_ = false;
  RequestLayout();
}

Result<CellWidgetRef> TableWidgetImpl::MakeCell() const {
  ZV_TRY_ASSIGN(CellWidgetRef cell, CreateObject<CellWidgetInterface>(CellClassId()));
  ZV_TRY(cell->CreateLayout());
  cell->SetBorderVisibility(g_mvp_show_cells.Get());
  return cell;
}

Result<void> TableWidgetImpl::Resize(Int x, Int y) {
  if (x < 0 || y < 0) {
    Clear();
    return IllegalArgumentError(kNegativeSize);
  }
  if (x == 0 || y == 0) {
    Clear();
    return Ok();
  }
  if (x > kMaxTableCells / y) {
    Clear();
    return OutOfMemoryError();
  }
  const Int before = countX_ * countY_;
  const Int after = x * y;
  for (Int i = before; i < after; ++i) {
    Result<CellWidgetRef> cell = MakeCell();
    if (!cell.IsOk()) {
      Clear();
      return cell.GetError();
    }
    if (Result<void> inserted = InsertChildLast(*cell); !inserted.IsOk()) {
      Clear();
      return inserted.GetError();
    }
  }
  for (Int i = after; i < before; ++i) {
    HierarchyObject* last = GetLastChild();
    if (!last) break;
    last->Remove();
  }
  try {
    lines_[kColumns].resize(static_cast<size_t>(x));
    lines_[kRows].resize(static_cast<size_t>(y));
  } catch (const std::bad_alloc&) {
    Clear();
    return OutOfMemoryError();
  }
  countX_ = x;
  countY_ = y;
  if (Result<void> mapped = UpdateInternalCellMap(); !mapped.IsOk()) {
    Clear();
    return mapped;
  }
  return Ok();
}

Result<void> TableWidgetImpl::AppendX() { return Resize(countX_ + 1, std::max<Int>(countY_, 1)); }

Result<void> TableWidgetImpl::AppendY() { return Resize(std::max<Int>(countX_, 1), countY_ + 1); }

Result<void> TableWidgetImpl::InsertColumn(Int x, bool after) {
  if (countX_ == 0 || x < 0 || x >= countX_) return IllegalStateError(kNoColumn);
  std::vector<Ref<HierarchyObject>>& anchors = scratch_;
  anchors.clear();
  for (Int y = 0; y < countY_; ++y) {
    HierarchyObject* anchor = FindChild(x, y);
    if (!anchor) return IllegalStateError(kInvalidHierarchy);
    anchors.emplace_back(anchor);
  }
  // Every cell is made before any is inserted, so that a failure leaves the grid as it was.
  std::vector<CellWidgetRef> cells;
  cells.reserve(anchors.size());
  for (size_t i = 0; i < anchors.size(); ++i) {
    ZV_TRY_ASSIGN(CellWidgetRef cell, MakeCell());
    cells.push_back(std::move(cell));
  }
  for (size_t i = 0; i < anchors.size(); ++i) {
    ZV_TRY(after ? cells[i]->InsertAfter(anchors[i].Get()) : cells[i]->InsertBefore(anchors[i].Get()));
  }
  anchors.clear();
  lines_[kColumns].emplace_back();
  ++countX_;
  return UpdateInternalCellMap();
}

Result<void> TableWidgetImpl::InsertRow(Int y, bool after) {
  if (countY_ == 0 || y < 0 || y >= countY_) return IllegalStateError(kNoRow);
  HierarchyObject* anchor = FindChild(after ? countX_ - 1 : 0, y);
  if (!anchor) return IllegalStateError(kInvalidHierarchy);
  Ref<HierarchyObject> keepAnchor(anchor);
  std::vector<CellWidgetRef> cells;
  cells.reserve(static_cast<size_t>(countX_));
  for (Int x = 0; x < countX_; ++x) {
    ZV_TRY_ASSIGN(CellWidgetRef cell, MakeCell());
    cells.push_back(std::move(cell));
  }
  // Before the row's first cell each new one goes in front of the anchor; after its last cell
  // each follows the one inserted before it. Either way they keep their order.
  HierarchyObject* previous = anchor;
  for (const CellWidgetRef& cell : cells) {
    if (after) {
      ZV_TRY(cell->InsertAfter(previous));
      previous = cell.Get();
    } else {
      ZV_TRY(cell->InsertBefore(anchor));
    }
  }
  lines_[kRows].emplace_back();
  ++countY_;
  return UpdateInternalCellMap();
}

Result<void> TableWidgetImpl::DeleteColumn(Int x) {
  if (countX_ == 0 || x < 0 || x >= countX_) return IllegalStateError(kNoColumn);
  return DeleteLine(kColumns, x);
}

Result<void> TableWidgetImpl::DeleteRow(Int y) {
  if (countY_ == 0 || y < 0 || y >= countY_) return IllegalStateError(kNoRow);
  return DeleteLine(kRows, y);
}

Result<void> TableWidgetImpl::DeleteLine(int direction, Int index) {
  const bool column = direction == kColumns;
  std::vector<Ref<HierarchyObject>>& doomed = scratch_;
  doomed.clear();
  // Every cell of the line is found before any is removed, so a broken map changes nothing.
  const Int across = column ? countY_ : countX_;
  for (Int i = 0; i < across; ++i) {
    HierarchyObject* child = column ? FindChild(index, i) : FindChild(i, index);
    if (!child) {
      doomed.clear();
      return IllegalStateError(kInvalidHierarchy);
    }
    doomed.emplace_back(child);
  }
  for (const Ref<HierarchyObject>& child : doomed) child->Remove();
  doomed.clear();
  lines_[direction].pop_back();
  --(column ? countX_ : countY_);
  return UpdateInternalCellMap();
}

namespace {
// What a refused move of columns or rows says, in the order the checks run.
struct MoveMessages {
  const char* noLine;
  const char* badEnd;
  const char* badTarget;
  const char* ontoItself;
};
constexpr MoveMessages kColumnMoveMessages{kNoColumn, "Illegal end column.",
                                           "Specified insertAfterColumn not existing.",
                                           "Cannot insert column after myself"};
constexpr MoveMessages kRowMoveMessages{kNoRow, "Illegal end row.", "Specified insertAfterRow not existing.",
                                        "Cannot insert row after myself"};

// The checks of a move of lines [first, last] behind line `insertAfter` (-1: to the front) among
// `count`; true when the block would land behind one of its own lines, where it stays.
Result<bool> CheckLineMove(Int count, Int first, Int last, Int insertAfter, const MoveMessages& messages) {
  if (count == 0 || first < 0 || last < 0 || first >= count || last >= count) {
    return IllegalStateError(messages.noLine);
  }
  if (last < first) return IllegalStateError(messages.badEnd);
  if (insertAfter >= count || insertAfter < -1) return IllegalStateError(messages.badTarget);
  if (insertAfter == first || (insertAfter == -1 && first == 0)) return IllegalStateError(messages.ontoItself);
  return insertAfter > first && insertAfter <= last;
}

// Moves `block` in its order in front of `anchor`, or behind it.
Result<void> PlaceBlock(std::span<const Ref<HierarchyObject>> block, HierarchyObject* anchor, bool inFront) {
  HierarchyObject* previous = anchor;
  for (const Ref<HierarchyObject>& child : block) {
    if (inFront) {
      ZV_TRY(child->InsertBefore(anchor));
    } else {
      ZV_TRY(child->InsertAfter(previous));
      previous = child.Get();
    }
  }
  return Ok();
}
}  // namespace

Result<void> TableWidgetImpl::MoveColumns(Int first, Int last, Int insertAfter) {
  ZV_TRY_ASSIGN(const bool staysPut, CheckLineMove(countX_, first, last, insertAfter, kColumnMoveMessages));
  if (staysPut) return Ok();
  const Int width = last - first + 1;
  std::vector<Ref<HierarchyObject>>& moved = scratch_;
  moved.clear();
  // Per row: the anchor, then the block's cells. All are looked up before anything moves.
  for (Int y = 0; y < countY_; ++y) {
    HierarchyObject* anchor = FindChild(insertAfter < 0 ? 0 : insertAfter, y);
    if (!anchor) {
      moved.clear();
      return IllegalStateError(kInvalidHierarchy);
    }
    moved.emplace_back(anchor);
    for (Int x = first; x <= last; ++x) {
      HierarchyObject* child = FindChild(x, y);
      if (!child) {
        moved.clear();
        return IllegalStateError(kInvalidHierarchy);
      }
      moved.emplace_back(child);
    }
  }
  const size_t stride = static_cast<size_t>(width) + 1;
  for (size_t row = 0; row * stride < moved.size(); ++row) {
    const std::span<const Ref<HierarchyObject>> block(moved.data() + row * stride + 1, stride - 1);
    ZV_TRY(PlaceBlock(block, moved[row * stride].Get(), insertAfter < 0));
  }
  moved.clear();
  return UpdateInternalCellMap();
}

Result<void> TableWidgetImpl::MoveRows(Int first, Int last, Int insertAfter) {
  ZV_TRY_ASSIGN(const bool staysPut, CheckLineMove(countY_, first, last, insertAfter, kRowMoveMessages));
  if (staysPut) return Ok();
  // Whole rows move: behind the last cell of row insertAfter, or in front of cell (0, 0).
  HierarchyObject* anchor = insertAfter < 0 ? FindChild(0, 0) : FindChild(countX_ - 1, insertAfter);
  if (!anchor) return IllegalStateError(kInvalidHierarchy);
  std::vector<Ref<HierarchyObject>>& moved = scratch_;
  moved.clear();
  for (Int y = first; y <= last; ++y) {
    for (Int x = 0; x < countX_; ++x) {
      HierarchyObject* child = FindChild(x, y);
      if (!child) {
        moved.clear();
        return IllegalStateError(kInvalidHierarchy);
      }
      moved.emplace_back(child);
    }
  }
  ZV_TRY(PlaceBlock(moved, anchor, insertAfter < 0));
  moved.clear();
  return UpdateInternalCellMap();
}

Result<CellWidgetRef> TableWidgetImpl::GetCell(Int x, Int y) const {
  const MapEntry* entry = FindEntry(x, y);
  if (!entry) return IllegalStateError(kInvalidHierarchy);
  return CellWidgetRef(entry->cell);
}

Result<CellWidgetRef> TableWidgetImpl::GetCell(Int index) const {
  if (countX_ == 0) return GetCell(index, 0);
  return GetCell(index % countX_, index / countX_);
}

Result<Int> TableWidgetImpl::IndexOf(const CellWidgetRef& cell) const {
  if (const ObjectInterface* identity = cell.Identity()) {
    for (size_t i = 0; i < map_.size(); ++i) {
      if (map_[i].cell && static_cast<const ObjectInterface*>(map_[i].cell) == identity) return static_cast<Int>(i);
    }
  }
  return IllegalStateError(kNotFound);
}

Result<Int> TableWidgetImpl::GetX(const CellWidgetRef& cell) const {
  ZV_TRY_ASSIGN(const Int index, IndexOf(cell));
  return countX_ == 0 ? index : index % countX_;
}

Result<Int> TableWidgetImpl::GetY(const CellWidgetRef& cell) const {
  ZV_TRY_ASSIGN(const Int index, IndexOf(cell));
  return countX_ == 0 ? Int{0} : index / countX_;
}

void TableWidgetImpl::SetTableMode(TABLE_MODE mode, WIDGET_DIRECTION direction) {
  TABLE_MODE& stored = tableMode_[DirectionIndex(direction)];
  if (stored == mode) return;
  stored = mode;
  const TABLE_MODE fitting = TABLE_MODE::SQUEEZE | TABLE_MODE::ENLARGE;
  SetFollowsParentRoom(HasTableMode(tableMode_[kColumns], fitting) || HasTableMode(tableMode_[kRows], fitting));
  RequestLayout();
}

Result<Int> TableWidgetImpl::GetColumnHit(Vector2d globalPosition) const {
  if (countX_ != 0 && GetGlobalFrame().Contains(globalPosition)) {
    for (Int x = 0; x < countX_; ++x) {
      ZV_TRY_ASSIGN(CellWidgetRef cell, GetCell(x, 0));
      if (!cell) continue;
      const Rect frame = cell->GetGlobalFrame();
      if (frame.left <= globalPosition.x && globalPosition.x < frame.right) return x;
    }
  }
  return IllegalStateError(kHitOutside);
}

Result<Int> TableWidgetImpl::GetRowHit(Vector2d globalPosition) const {
  if (countY_ != 0 && GetGlobalFrame().Contains(globalPosition)) {
    for (Int y = 0; y < countY_; ++y) {
      ZV_TRY_ASSIGN(CellWidgetRef cell, GetCell(0, y));
      if (!cell) continue;
      const Rect frame = cell->GetGlobalFrame();
      if (frame.top <= globalPosition.y && globalPosition.y < frame.bottom) return y;
    }
  }
  return IllegalStateError(kHitOutside);
}

// ---- layout -------------------------------------------------------------------------------

Result<void> TableWidgetImpl::LayoutPass1() {
  const size_t columns = static_cast<size_t>(countX_);
  const size_t rows = static_cast<size_t>(countY_);
  lines_[kColumns].resize(columns);
  lines_[kRows].resize(rows);
  for (TableLine& line : lines_[kColumns]) line.Reset();
  for (TableLine& line : lines_[kRows]) line.Reset();
  if (map_.size() < columns * rows) return IllegalStateError(kInvalidHierarchy);
  const Float remBase = GetRemBase();
  const uint32_t stamp = GetLayoutStamp();
  const CellSample* samples = samples_.size() == map_.size() ? samples_.data() : nullptr;
  const MapEntry* entry = map_.data();
  for (size_t y = 0; y < rows; ++y) {
    TableLine& row = lines_[kRows][y];
    for (size_t x = 0; x < columns; ++x, ++entry) {
      // A cell measured in this round has said what it measured; only the others are read.
      const size_t index = y * columns + x;
      if (samples && samples[index].stamp == stamp && samples[index].plain) {
        const CellSample& sample = samples[index];
        if (!sample.counts) continue;
        AddLineSample(lines_[kColumns][x], PlainSample(sample.width, sample.stretch[0]));
        AddLineSample(row, PlainSample(sample.height, sample.stretch[1]));
        continue;
      }
      PrefetchCell(map_.data(), index, map_.size(), kSampledBytes);
      WidgetBase* widget = entry->widget;
      if (!widget || !widget->GetLocalVisibility() || !widget->FirstChildBase()) continue;
      const CellWidgetImpl* impl = entry->impl;
      const Vector2d size = impl && impl->HasMeasuredSize() ? impl->GetMeasuredParentLocalSize()
                                                            : widget->GetParentLocalSize();
      if (impl) {
        AddLineSample(lines_[kColumns][x], SampleCell(*widget, *impl, kDirections[0], size.x, remBase));
        AddLineSample(row, SampleCell(*widget, *impl, kDirections[1], size.y, remBase));
      } else {
        AddLineSample(lines_[kColumns][x], SampleCell(*widget, *entry->cell, kDirections[0], size.x, remBase));
        AddLineSample(row, SampleCell(*widget, *entry->cell, kDirections[1], size.y, remBase));
      }
    }
  }
  return SetLocalSize(SumClampedSizes(lines_[kColumns]), SumClampedSizes(lines_[kRows]));
}

Result<void> TableWidgetImpl::ReadParentRoom(Vector2d& extra) const {
  extra = {0.0, 0.0};
  WidgetInterface* parent = GetParentWidget();
  if (!parent) return Ok();
  const Vector2d own = GetParentLocalSize();
  const Vector2d position = GetLocalPosition();
  const Vector2d room = parent->GetLocalPixSize();
  extra = {room.x - position.x - own.x, room.y - position.y - own.y};
  if (const auto* cell = dynamic_cast<const CellWidgetInterface*>(parent)) {
    extra.x -= parent->ToPixels(cell->GetRightPadding());
    extra.y -= parent->ToPixels(cell->GetBottomPadding());
  }
  if (parent->GetSizeMode(WIDGET_DIRECTION::HORIZONTAL) == WIDGET_SIZE::INFINITE) extra.x = 0.0;
  if (parent->GetSizeMode(WIDGET_DIRECTION::VERTICAL) == WIDGET_SIZE::INFINITE) extra.y = 0.0;
  return Ok();
}

Result<void> TableWidgetImpl::LayoutPass2() {
  placementCurrent_ = false;
  const size_t columns = static_cast<size_t>(countX_);
  const size_t rows = static_cast<size_t>(countY_);
  // Pass 1 sized the lines for this grid; a grid changed since is measured first.
  if (lines_[kColumns].size() != columns || lines_[kRows].size() != rows) ZV_TRY(TableWidgetImpl::LayoutPass1());

  Vector2d extra;
  ZV_TRY(ReadParentRoom(extra));
  Vector2d size = GetLocalPixSize();
  const TABLE_MODE horizontal = tableMode_[kColumns];
  const TABLE_MODE vertical = tableMode_[kRows];
  const TABLE_MODE fitting = TABLE_MODE::SQUEEZE | TABLE_MODE::ENLARGE;
  if (HasTableMode(horizontal, fitting)) size.x += extra.x;
  if (HasTableMode(vertical, fitting)) size.y += extra.y;
  ZV_TRY(SetLocalSize(size.x, size.y));
  size = GetLocalPixSize();

  sizes_[kColumns].resize(columns);
  sizes_[kRows].resize(rows);
  DistributeLines(lines_[kColumns], size.x, HasTableMode(horizontal, TABLE_MODE::SQUEEZE),
                  HasTableMode(horizontal, TABLE_MODE::ENLARGE), sizes_[kColumns]);
  DistributeLines(lines_[kRows], size.y, HasTableMode(vertical, TABLE_MODE::SQUEEZE),
                  HasTableMode(vertical, TABLE_MODE::ENLARGE), sizes_[kRows]);
  if (map_.size() < columns * rows) return IllegalStateError(kInvalidHierarchy);

  // Columns stand left to right on screen in visiting order, the last first when mirrored.
  const bool mirrored = IsMirrored();
  offsets_[kColumns].resize(columns + 1);
  offsets_[kRows].resize(rows + 1);
  Float* columnOffsets = offsets_[kColumns].data();
  columnOffsets[0] = 0.0;
  for (size_t k = 0; k < columns; ++k) {
    columnOffsets[k + 1] = columnOffsets[k] + sizes_[kColumns][mirrored ? columns - 1 - k : k];
  }
  ComputeLineOffsets(sizes_[kRows], offsets_[kRows]);

  // One walk in hierarchy order sizes and places every visible cell. A cell that is not
  // visible does not take up its row: the cells below it in its column move up, so every
  // column keeps its own running Y.
  columnY_.assign(columns, 0.0);
  bool shifted = false;
  bool unscaled = true;
  const MapEntry* entry = map_.data();
  for (size_t y = 0; y < rows; ++y) {
    const Float height = sizes_[kRows][y];
    for (size_t x = 0; x < columns; ++x, ++entry) {
      PrefetchCell(map_.data(), y * columns + x, map_.size(), kPlacedBytes);
      WidgetBase* widget = entry->widget;
      if (!widget) continue;
      if (!widget->GetLocalVisibility()) {
        shifted = true;
        continue;
      }
      // The cell takes the line sizes as they are; its own limits were the lines' already.
      const WIDGET_SIZE modeX = widget->GetSizeMode(WIDGET_DIRECTION::HORIZONTAL);
      const WIDGET_SIZE modeY = widget->GetSizeMode(WIDGET_DIRECTION::VERTICAL);
      if (modeX != WIDGET_SIZE::NONE) widget->SetSizeMode(WIDGET_SIZE::NONE, WIDGET_DIRECTION::HORIZONTAL);
      if (modeY != WIDGET_SIZE::NONE) widget->SetSizeMode(WIDGET_SIZE::NONE, WIDGET_DIRECTION::VERTICAL);
      const Result<void> sized = widget->SetLocalSize(sizes_[kColumns][x], height);
      if (modeX != WIDGET_SIZE::NONE) widget->SetSizeMode(modeX, WIDGET_DIRECTION::HORIZONTAL);
      if (modeY != WIDGET_SIZE::NONE) widget->SetSizeMode(modeY, WIDGET_DIRECTION::VERTICAL);
      ZV_TRY(sized);
      widget->SetLocalPosition({columnOffsets[mirrored ? columns - 1 - x : x], columnY_[x]});
      columnY_[x] += height;
      unscaled = unscaled && widget->GetLocalScale() == Vector2d{1.0, 1.0};
    }
  }
  rowsShifted_ = shifted;
  columnsMirrored_ = mirrored;
  placementCurrent_ = mapMatchesChildren_ && onlyGridCells_ && unscaled;
  return Ok();
}

void TableWidgetImpl::VisitChildrenIn(const Rect& localArea, bool topmostFirst,
                                      FunctionRef<bool(WidgetInterface*)> visit) {
  if (!placementCurrent_ || !mapMatchesChildren_ || countX_ == 0 || countY_ == 0) {
    WidgetBase::VisitChildrenIn(localArea, topmostFirst, visit);
    return;
  }
  // Borders and focus rings may reach a little outside a cell.
  const Rect area = localArea.Inflate(kDrawMargin);
  const LineRange visual = FindLinesIn(offsets_[kColumns], area.left, area.right);
  if (visual.IsEmpty()) return;
  const size_t columns = static_cast<size_t>(countX_);
  const size_t firstX = columnsMirrored_ ? columns - 1 - visual.last : visual.first;
  const size_t lastX = columnsMirrored_ ? columns - 1 - visual.first : visual.last;
  LineRange rows{0, static_cast<size_t>(countY_) - 1};
  if (!rowsShifted_) rows = FindLinesIn(offsets_[kRows], area.top, area.bottom);
  if (rows.IsEmpty()) return;
  if (!topmostFirst) {
    for (size_t y = rows.first; y <= rows.last; ++y) {
      const MapEntry* row = map_.data() + y * columns;
      for (size_t x = firstX; x <= lastX; ++x) {
        if (!visit(row[x].widget)) return;
      }
    }
  } else {
    for (size_t y = rows.last + 1; y-- > rows.first;) {
      const MapEntry* row = map_.data() + y * columns;
      for (size_t x = lastX + 1; x-- > firstX;) {
        if (!visit(row[x].widget)) return;
      }
    }
  }
}

}  // namespace zarvo
