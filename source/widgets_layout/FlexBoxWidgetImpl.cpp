#include "source/widgets_layout/FlexBoxWidgetImpl.h"

#include <cmath>
#include <new>

#include "host/core/ClassRegistry.h"
#include "host/ui/AppWidget.h"

namespace zarvo {

namespace {
constexpr char kFlexBoxWidgetName[] = "FlexBoxWidget";
constexpr char kInvalidPositionMessage[] = "Invalid table hierarchy.";
constexpr char kElementNotFoundMessage[] = "Element not found";
constexpr char kNegativeCountMessage[] = "count is negative";
const Vector2d kUnscaled{1.0, 1.0};
}  // namespace

FlexBoxWidgetImpl::FlexBoxWidgetImpl() { SetPlacesChildren(true); }

Result<void> FlexBoxWidgetImpl::CopyFrom(const ObjectInterface& source) {
  const auto* other = dynamic_cast<const FlexBoxWidgetImpl*>(&source);
  if (!other) return IllegalArgumentError("CopyFrom needs an instance of the same class");
  // The count and the index describe the source's own children and are not taken over.
  layout_ = other->layout_;
  return Ok();
}

// ---- cells ----------------------------------------------------------------------------------

void FlexBoxWidgetImpl::ForgetCells() {
  count_ = 0;
  index_.clear();
}

Result<void> FlexBoxWidgetImpl::Resize(Int count) {
  if (count < 0) return IllegalArgumentError(kNegativeCountMessage);
  if (count == 0) {
    ForgetCells();
    return Ok();
  }
  // Relative to the stored count, not to the children present: cells forgotten by Resize(0)
  // stay and are not counted again.
  if (count < count_) {
    for (Int removed = count; removed < count_; ++removed) {
      HierarchyObject* last = GetLastChild();
      if (!last) break;
      Ref<HierarchyObject> keep(last);
      keep->Remove();
    }
  } else {
    const Id cellClass(kCellWidgetClassId);
    for (Int created = count_; created < count; ++created) {
      Result<CellWidgetRef> cell = CreateObject<CellWidgetInterface>(cellClass);
      if (!cell) {
        ForgetCells();
        return cell.GetError();
      }
      if (Result<void> laidOut = (*cell)->CreateLayout(); !laidOut) {
        ForgetCells();
        return laidOut.GetError();
      }
      if (Result<void> inserted = InsertChildLast(*cell); !inserted) {
        ForgetCells();
        return inserted.GetError();
      }
    }
  }
  count_ = count;
  return RebuildIndex();
}

Result<void> FlexBoxWidgetImpl::RebuildIndex() {
  index_.clear();
  try {
    for (HierarchyObject* child = GetFirstChild(); child; child = child->GetNext()) {
      WidgetInterface* widget = child->AsWidget();
      index_.emplace_back(widget ? dynamic_cast<CellWidgetInterface*>(widget) : nullptr);
    }
  } catch (const std::bad_alloc&) {
    ForgetCells();
    return OutOfMemoryError();
  }
  return Ok();
}

Result<void> FlexBoxWidgetImpl::Append() { return Resize(GetCount() + 1); }

Result<CellWidgetRef> FlexBoxWidgetImpl::GetCell(Int position) const {
  if (position < 0 || static_cast<size_t>(position) >= index_.size()) {
    return IllegalStateError(kInvalidPositionMessage);
  }
  return index_[static_cast<size_t>(position)];
}

Result<Int> FlexBoxWidgetImpl::GetIndex(const CellWidgetRef& cell) const {
  // An empty reference names no object, so it never matches the entries of non-cell children.
  if (cell) {
    for (size_t position = 0; position < index_.size(); ++position) {
      if (index_[position] == cell) return static_cast<Int>(position);
    }
  }
  return IllegalStateError(kElementNotFoundMessage);
}

// ---- layout ---------------------------------------------------------------------------------

Result<void> FlexBoxWidgetImpl::SetLayout(FLEXBOX_LAYOUT layout) {
  // No early return for an unchanged value: CreateLayout relies on this call to apply the
  // stored layout's inheritance for the first time.
  layout_ = layout;
  RequestSwitchLayout();
  return Ok();
}

FLEXBOX_LAYOUT FlexBoxWidgetImpl::GetEffectiveLayout() const {
  if (GetAcceptR2LMode() && GetR2LMode() == WIDGET_R2L_MODE::RIGHT_TO_LEFT) return MirrorFlexLayout(layout_);
  return layout_;
}

Result<void> FlexBoxWidgetImpl::CreateLayout() {
  ZV_TRY(WidgetBase::CreateLayout());
  SetName(kFlexBoxWidgetName);
  return SetLayout(layout_);
}

Result<void> FlexBoxWidgetImpl::HandleSwitchLayout() {
  ZV_TRY(WidgetBase::HandleSwitchLayout());
  const FlexInheritance inherit = FlexInheritanceOf(GetEffectiveLayout());
  SetInheritParentSize(inherit.width, WIDGET_DIRECTION::HORIZONTAL);
  SetInheritParentSize(inherit.height, WIDGET_DIRECTION::VERTICAL);
  return Ok();
}

void FlexBoxWidgetImpl::HandleChildrenChanged() {
  WidgetBase::HandleChildrenChanged();
  itemsStale_ = true;
  placementCurrent_ = false;
}

Result<void> FlexBoxWidgetImpl::CollectItems() {
  items_.clear();
  freeItems_.clear();
  try {
    for (HierarchyObject* child = GetFirstChild(); child; child = child->GetNext()) {
      WidgetInterface* widget = child->AsWidget();
      const bool isCell = widget && dynamic_cast<CellWidgetInterface*>(widget);
      if (!isCell) freeItems_.push_back(static_cast<uint32_t>(items_.size()));
      items_.push_back({widget ? widget->GetBase() : nullptr, isCell});
    }
    sizes_.resize(items_.size());
    positions_.resize(items_.size());
    nextPositions_.resize(items_.size());
    lines_.resize(items_.size());
  } catch (const std::bad_alloc&) {
    items_.clear();
    freeItems_.clear();
    return OutOfMemoryError();
  }
  itemsStale_ = false;
  cellsMatchScratch_ = false;
  return Ok();
}

Result<void> FlexBoxWidgetImpl::LayoutPass2() {
  ZV_TRY(WidgetBase::LayoutPass2());
  placementCurrent_ = false;
  const Vector2d available = GetLocalPixSize();
  const FLEXBOX_LAYOUT layout = GetEffectiveLayout();
  if (itemsStale_) ZV_TRY(CollectItems());

  const size_t count = items_.size();
  // A cell that changed size or was moved by someone else makes the scratch stale: every
  // cell is read and placed again.
  const bool refresh = !cellsMatchScratch_ || Has(kChildGeometryChanged);
  // Culling trusts the placement only when every cell's frame is exactly what was placed.
  bool framesMatch = true;
  if (refresh) {
    for (size_t i = 0; i < count; ++i) {
      const Item& item = items_[i];
      if (item.isCell) {
        sizes_[i] = item.widget->GetLocalPixSize();
        framesMatch = framesMatch && item.widget->GetLocalScale() == kUnscaled;
      } else {
        sizes_[i] = Vector2d{};
      }
    }
  }
  // Otherwise the cells are as the last placement left them, which matched.
  const FlexPlacementResult placed = PlaceFlexItems(layout, available, sizes_, nextPositions_, lines_);
  for (size_t i = 0; i < count; ++i) {
    const Vector2d position = nextPositions_[i];
    // Unmoved cells stay untouched (the item list is read only for what moved).
    if (!refresh && position == positions_[i]) continue;
    const Item& item = items_[i];
    if (!item.isCell) continue;
    // The host refuses positions that are not finite, so such a cell stays where it was.
    framesMatch = framesMatch && std::isfinite(position.x) && std::isfinite(position.y);
    item.widget->SetLocalPosition(position);
  }
  positions_.swap(nextPositions_);
  cellsMatchScratch_ = framesMatch;
  lineCount_ = placed.lineCount;
  placedLayout_ = layout;
  placementCurrent_ = framesMatch;
  return SetLocalSize(placed.contentSize.x, placed.contentSize.y);
}

bool FlexBoxWidgetImpl::CanCull() const { return placementCurrent_ && !itemsStale_ && !Has(kLayoutDirty); }

void FlexBoxWidgetImpl::VisitChildrenIn(const Rect& localArea, bool topmostFirst,
                                        FunctionRef<bool(WidgetInterface*)> visit) {
  if (!CanCull()) {
    WidgetBase::VisitChildrenIn(localArea, topmostFirst, visit);
    return;
  }
  // Children that are not cells were not placed, so they are visited wherever they are, merged
  // into the cells' hierarchy order.
  size_t nextFree = topmostFirst ? freeItems_.size() : 0;
  // Visits the free children that come before the item at `index` in visiting order; with
  // `index` past the end, all that are left.
  auto visitFreeBefore = [&](size_t index) {
    if (topmostFirst) {
      for (; nextFree > 0 && (index >= items_.size() || freeItems_[nextFree - 1] > index); --nextFree) {
        WidgetInterface* widget = items_[freeItems_[nextFree - 1]].widget;
        if (widget && !visit(widget)) return false;
      }
    } else {
      for (; nextFree < freeItems_.size() && freeItems_[nextFree] < index; ++nextFree) {
        WidgetInterface* widget = items_[freeItems_[nextFree]].widget;
        if (widget && !visit(widget)) return false;
      }
    }
    return true;
  };
  const bool finished = VisitFlexItemsIn(
      placedLayout_, std::span<const FlexLine>(lines_.data(), lineCount_), positions_, sizes_,
      localArea.Inflate(kDrawMargin), topmostFirst, [&](size_t index) {
        const Item& item = items_[index];
        if (!item.isCell) return true;
        return visitFreeBefore(index) && visit(item.widget);
      });
  if (finished) (void)visitFreeBefore(items_.size());
}

}  // namespace zarvo
