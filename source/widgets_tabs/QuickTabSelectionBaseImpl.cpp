#include "source/widgets_tabs/QuickTabSelectionBaseImpl.h"

#include <algorithm>
#include <new>

#include "source/widgets_tabs/QuickTabItemImpl.h"

namespace zarvo {

Result<void> QuickTabSelectionBaseImpl::CopyFrom(const ObjectInterface& source) {
  const auto* other = dynamic_cast<const QuickTabSelectionBaseImpl*>(&source);
  if (!other) return IllegalArgumentError("CopyFrom needs an instance of the same class");
  try {
    ids_ = other->ids_;
  } catch (const std::bad_alloc&) {
    return OutOfMemoryError();
  }
  widget_ = other->widget_;
  return Ok();
}

Result<void> QuickTabSelectionBaseImpl::Apply(Int id, SELECTION_MODE mode) {
  try {
    switch (mode) {
      case SELECTION_MODE::NEW:
      case SELECTION_MODE::ADD:
        ids_.insert(id);
        break;
      case SELECTION_MODE::SUBTRACT:
        ids_.erase(id);
        break;
      case SELECTION_MODE::TOGGLE:
        if (ids_.erase(id) == 0) ids_.insert(id);
        break;
    }
  } catch (const std::bad_alloc&) {
    return OutOfMemoryError();
  }
  return Ok();
}

Result<void> QuickTabSelectionBaseImpl::SelectItem(const QuickTabItemRef& item, SELECTION_MODE mode) {
  if (!item) return NullReferenceError("Missing quick tab item");
  if (mode == SELECTION_MODE::NEW) ids_.clear();
  return Apply(item->GetId(), mode);
}

Result<void> QuickTabSelectionBaseImpl::SelectItemSet(const std::vector<QuickTabItemRef>& items, SELECTION_MODE mode) {
  if (mode == SELECTION_MODE::NEW) ids_.clear();
  for (const QuickTabItemRef& item : items) {
    if (item) ZV_TRY(Apply(item->GetId(), mode));
  }
  return Ok();
}

Result<void> QuickTabSelectionBaseImpl::SelectItemsFromTo(const QuickTabItemRef& from, const QuickTabItemRef& to,
                                                          SELECTION_MODE mode) {
  if (!from) return NullReferenceError("Missing quick tab item");
  const QuickTabWidgetRef widget = widget_.Lock();
  const Int first = widget ? widget->GetIndexFromItemId(from->GetId()) : -1;
  const Int last = widget && to ? widget->GetIndexFromItemId(to->GetId()) : -1;
  if (first < 0 || last < 0) return SelectItem(from, mode);
  if (mode == SELECTION_MODE::NEW) ids_.clear();
  for (Int index = std::min(first, last); index <= std::max(first, last); ++index) {
    ZV_TRY(Apply(widget->GetItemIdFromIndex(index), mode));
  }
  return Ok();
}

Result<std::vector<QuickTabItemRef>> QuickTabSelectionBaseImpl::GetCurrentSelection() const {
  std::vector<QuickTabItemRef> items;
  try {
    items.reserve(ids_.size());
    for (const Int id : ids_) {
      Ref<QuickTabItemImpl> item = MakeRef<QuickTabItemImpl>();
      item->SetId(id);
      items.emplace_back(std::move(item));
    }
  } catch (const std::bad_alloc&) {
    return OutOfMemoryError();
  }
  return items;
}

}  // namespace zarvo
