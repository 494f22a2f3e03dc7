#include "source/widgets_layout/DummyItemImpl.h"

#include "source/interfaces/TreeItemWidgetInterface.h"

namespace zarvo {

Result<void> DummyItemImpl::CreateLayout() {
  ZV_TRY(WidgetBase::CreateLayout());
  SetName("DummyWidget");
  return Ok();
}

Result<void> DummyItemImpl::SetTreeItem(const TreeItemWidgetRef& item) {
  if (item == item_) return Ok();
  if (item_ && item_->GetDummyItem().Get() == this) item_->SetDummyItem(DummyItemRef());
  item_ = item;
  if (item_) item_->SetDummyItem(DummyItemRef(this));
  return Ok();
}

Result<TreeItemWidgetRef> DummyItemImpl::GetTreeItem() const {
  if (!item_) return NullReferenceError("No tree item");
  if (item_->GetDummyItem().Get() != this) return IllegalStateError("connection between dummy and item broken");
  return item_;
}

}  // namespace zarvo
