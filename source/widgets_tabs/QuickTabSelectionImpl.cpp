#include "source/widgets_tabs/QuickTabSelectionImpl.h"

namespace zarvo {

Result<void> QuickTabSelectionImpl::CopyFrom(const ObjectInterface& source) {
  const auto* other = dynamic_cast<const QuickTabSelectionImpl*>(&source);
  if (!other) return IllegalArgumentError("CopyFrom needs an instance of the same class");
  ZV_TRY(QuickTabSelectionBaseImpl::CopyFrom(source));
  item_ = other->item_;
  anchor_ = other->anchor_;
  mode_ = other->mode_;
  wasSelected_ = other->wasSelected_;
  deferred_ = other->deferred_;
  return Ok();
}

void QuickTabSelectionImpl::MouseInit() {
  item_.Reset();
  anchor_.Reset();
  mode_ = SELECTION_MODE::NEW;
  wasSelected_ = false;
  deferred_ = false;
}

Result<void> QuickTabSelectionImpl::MouseDown(const QuickTabItemRef& item, const QuickTabItemRef& anchor,
                                              SELECTION_MODE mode) {
  if (!item) return NullReferenceError("Missing quick tab item");
  wasSelected_ = IsSelected(item->GetId());
  mode_ = mode;
  item_ = item;
  anchor_ = anchor;
  deferred_ = false;
  const bool removes = mode == SELECTION_MODE::SUBTRACT || mode == SELECTION_MODE::TOGGLE;
  const bool single = !anchor || anchor->GetId() == item->GetId();
  if (!wasSelected_ && !removes && single) {
    ZV_TRY(SelectItem(item, mode));
    return SelectItemsFromTo(item, anchor, mode);
  }
  deferred_ = true;
  return Ok();
}

Result<void> QuickTabSelectionImpl::MouseUp(Bool cancelled) {
  if (cancelled || !deferred_) return Ok();
  deferred_ = false;
  const QuickTabItemRef item = item_.Lock();
  if (!item) return Ok();
  const QuickTabItemRef anchor = anchor_.Lock();
  if (!anchor) return SelectItem(item, mode_);
  return SelectItemsFromTo(item, anchor, mode_);
}

}  // namespace zarvo
