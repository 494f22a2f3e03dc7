#include "source/widgets_tabs/QuickTabWidgetImpl.h"

#include <algorithm>
#include <cassert>
#include <new>

#include "host/core/ClassRegistry.h"
#include "host/ui/EventKeys.h"
#include "source/widgets_menu/ItemButtons.h"
#include "source/widgets_menu/ItemIds.h"

namespace zarvo {

Result<void> QuickTabWidgetImpl::InitComponent() {
  ZV_TRY(FlexBoxWidgetImpl::InitComponent());
  ZV_TRY_ASSIGN(pattern_, CreateObject<QuickTabSelectionPatternInterface>(Id(kQuickTabSelectionClassId)));
  pattern_->SetQuickTabWidget(QuickTabWidgetRef(this));
  return Ok();
}

void QuickTabWidgetImpl::FreeComponent() {
  FreeObservables({selectionChanged_.Peek()});
  FlexBoxWidgetImpl::FreeComponent();
}

Result<void> QuickTabWidgetImpl::CopyFrom(const ObjectInterface& source) {
  const auto* other = dynamic_cast<const QuickTabWidgetImpl*>(&source);
  if (!other) return IllegalArgumentError("CopyFrom needs an instance of the same class");
  ZV_TRY(FlexBoxWidgetImpl::CopyFrom(source));
  selectionChanged_.ShareFrom(other->selectionChanged_, *other, "ObservableSelectionChanged");
  try {
    itemIds_ = other->itemIds_;
  } catch (const std::bad_alloc&) {
    return OutOfMemoryError();
  }
  rebuild_ = other->rebuild_;
  adapter_ = other->adapter_;
  mode_ = other->mode_;
  pattern_ = other->pattern_;
  return Ok();
}

Result<void> QuickTabWidgetImpl::SetItem(Int id, Bool select, Bool exclusive) {
  const Int index = GetIndexFromItemId(id);
  if (!adapter_ || index < 0 || index >= adapter_->GetCount()) {
    return IllegalArgumentError("index exceeds number of items");
  }
  ZV_TRY_ASSIGN(QuickTabItemRef item, CreateObject<QuickTabItemInterface>(Id(kQuickTabItemClassId)));
  item->SetId(id);
  SELECTION_MODE mode = SELECTION_MODE::SUBTRACT;
  if (select) {
    mode = exclusive || mode_ == QUICKTAB_SELECT_MODE::SINGLE ? SELECTION_MODE::NEW : SELECTION_MODE::ADD;
  }
  ZV_TRY(pattern_->SelectItem(item, mode));
  ZV_TRY(HighlightTabs());
  RequestRedraw();
  ZV_TRY(FireObservable(selectionChanged_, QuickTabWidgetRef(this)));
  return Ok();
}

Bool QuickTabWidgetImpl::GetItem(Int id) const { return pattern_ && pattern_->IsSelected(id); }

Result<void> QuickTabWidgetImpl::SetAdapter(const QuickTabWidgetAdapterRef& adapter) {
  ZV_TRY_ASSIGN(const std::vector<Int> ids, IndexItemIds(adapter ? adapter->GetCount() : 0));
  return SetAdapter(adapter, ids);
}

Result<void> QuickTabWidgetImpl::SetAdapter(const QuickTabWidgetAdapterRef& adapter, const std::vector<Int>& itemIds) {
  ZV_TRY(StoreItemIds(itemIds, itemIds_));
  adapter_ = adapter;
  rebuild_ = true;
  RequestSwitchLayout();
  return Ok();
}

void QuickTabWidgetImpl::SetSelectMode(QUICKTAB_SELECT_MODE mode) {
  if (mode == mode_) return;
  // The selection stays as it is; the mode rules the changes to come.
  mode_ = mode;
}

Int QuickTabWidgetImpl::GetItemIdFromIndex(Int index) const {
  assert(index >= 0 && index < static_cast<Int>(itemIds_.size()) && "an item index within the list");
  return itemIds_[static_cast<size_t>(index)];
}

Int QuickTabWidgetImpl::GetIndexFromItemId(Int id) const {
  const auto found = std::find(itemIds_.begin(), itemIds_.end(), id);
  return found == itemIds_.end() ? -1 : static_cast<Int>(found - itemIds_.begin());
}

Int QuickTabWidgetImpl::GetTabCount() const {
  if (!adapter_) return 0;
  return std::min<Int>(adapter_->GetCount(), static_cast<Int>(itemIds_.size()));
}

Result<void> QuickTabWidgetImpl::CreateLayout() {
  ZV_TRY(FlexBoxWidgetImpl::CreateLayout());
  SetName(kQuickTabWidgetName);
  return Ok();
}

Result<void> QuickTabWidgetImpl::HandleSwitchLayout() {
  ZV_TRY(FlexBoxWidgetImpl::HandleSwitchLayout());
  if (!rebuild_) return Ok();
  ZV_TRY(RebuildTabs());
  rebuild_ = false;
  return Ok();
}

Result<void> QuickTabWidgetImpl::RebuildTabs() {
  RemoveAllChildren();
  ZV_TRY(Resize(0));
  const Int count = GetTabCount();
  ZV_TRY(Resize(count));
  for (Int i = 0; i < count; ++i) {
    ZV_TRY_ASSIGN(CellWidgetRef cell, GetCell(i));
    if (!cell) return IllegalStateError("Missing widget link");
    ZV_TRY_ASSIGN(WidgetRef tab, adapter_->GetItemWidget(i, cell));
    tab->SetFocusVisibility(false);
    MakeInert(*tab);
    ZV_TRY(cell->InsertChildLast(tab));
  }
  RequestLayout();
  return HighlightTabs();
}

Result<void> QuickTabWidgetImpl::HighlightTabs() {
  const Int count = std::min(GetTabCount(), GetCount());
  for (Int i = 0; i < count; ++i) {
    ZV_TRY(adapter_->HighlightItem(i, GetItem(itemIds_[static_cast<size_t>(i)])));
  }
  return Ok();
}

Result<Int> QuickTabWidgetImpl::FindTab(Vector2d position) const {
  const Int count = std::min(GetTabCount(), GetCount());
  for (Int i = 0; i < count; ++i) {
    ZV_TRY_ASSIGN(CellWidgetRef cell, GetCell(i));
    if (cell && cell->GetGlobalFrame().Contains(position)) return i;
  }
  return Int{-1};
}

Result<bool> QuickTabWidgetImpl::HandleEvent(const DataDictionary* event) {
  EventReader reader(event);
  Result<EVENT> type = reader.GetType();
  if (!type.IsOk()) return FlexBoxWidgetImpl::HandleEvent(event);
  if (*type == EVENT::BUTTON_UP) {
    painting_ = false;
    return FlexBoxWidgetImpl::HandleEvent(event);
  }
  if (*type != EVENT::BUTTON_DOWN && *type != EVENT::BUTTON_DRAG) return FlexBoxWidgetImpl::HandleEvent(event);
  ZV_TRY_ASSIGN(Int buttons, reader.GetButtonState());
  if (buttons != BUTTON::LEFT && buttons != BUTTON::RIGHT) return FlexBoxWidgetImpl::HandleEvent(event);
  ZV_TRY_ASSIGN(Vector2d position, reader.GetPosition());
  ZV_TRY_ASSIGN(const Int index, FindTab(position));
  if (index < 0) return FlexBoxWidgetImpl::HandleEvent(event);
  const Int id = GetItemIdFromIndex(index);

  if (*type == EVENT::BUTTON_DRAG) {
    if (!painting_ || index == paintedIndex_) return true;
    paintedIndex_ = index;
    if (GetItem(id) != paintSelected_) ZV_TRY(SetItem(id, paintSelected_, false));
    return true;
  }

  pattern_->MouseInit();
  painting_ = true;
  paintedIndex_ = index;
  if (mode_ == QUICKTAB_SELECT_MODE::SINGLE) {
    paintSelected_ = !GetItem(id);
    ZV_TRY(SetItem(id, paintSelected_, false));
    return true;
  }
  ZV_TRY_ASSIGN(Int modifiers, reader.GetModifierState());
  if (modifiers & MODIFIER::SHIFT) {
    paintSelected_ = true;
    ZV_TRY(SetItem(id, true, false));
  } else if (modifiers & MODIFIER::CONTROL) {
    paintSelected_ = false;
    ZV_TRY(SetItem(id, false, false));
  } else {
    // A plain press keeps only its tab; the drag from it adds the tabs it passes over.
    paintSelected_ = true;
    ZV_TRY(SetItem(id, true, true));
  }
  return true;
}

}  // namespace zarvo
