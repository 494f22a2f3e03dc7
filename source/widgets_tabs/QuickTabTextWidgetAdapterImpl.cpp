#include "source/widgets_tabs/QuickTabTextWidgetAdapterImpl.h"

#include <new>

#include "source/widgets_menu/ItemButtons.h"

namespace zarvo {

Result<WidgetRef> QuickTabTextWidgetAdapterImpl::GetItemWidget(Int index, const WidgetRef&) {
  ZV_TRY(CheckIndex(index));
  ZV_TRY_ASSIGN(TextButtonWidgetRef button, MakeTextItemButton(texts_[static_cast<size_t>(index)]));
  ZV_TRY_ASSIGN(TextWidgetRef label, button->GetTextWidget());
  return AdoptTab(index, button, label);
}

Result<void> QuickTabTextWidgetAdapterImpl::AppendItem(const String& text) {
  try {
    texts_.push_back(text);
  } catch (const std::bad_alloc&) {
    return OutOfMemoryError();
  }
  return Ok();
}

Result<void> QuickTabTextWidgetAdapterImpl::CopyFrom(const ObjectInterface& source) {
  const auto* other = dynamic_cast<const QuickTabTextWidgetAdapterImpl*>(&source);
  if (!other) return IllegalArgumentError("CopyFrom needs an instance of the same class");
  texts_ = other->texts_;
  return Ok();
}

}  // namespace zarvo
