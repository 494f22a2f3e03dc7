#include "source/widgets_menu/CycleTextWidgetAdapterImpl.h"

#include <new>

#include "source/widgets_menu/ItemButtons.h"

namespace zarvo {

Result<WidgetRef> CycleTextWidgetAdapterImpl::GetItemWidget(Int index, const WidgetRef&) {
  ZV_TRY(CheckIndex(index));
  ZV_TRY_ASSIGN(TextButtonWidgetRef button, MakeTextItemButton(texts_[static_cast<size_t>(index)]));
  ObserveItemPress(*button, index);
  return WidgetRef(button);
}

Result<void> CycleTextWidgetAdapterImpl::AppendItem(const String& text) {
  try {
    texts_.push_back(text);
  } catch (const std::bad_alloc&) {
    return OutOfMemoryError();
  }
  return Ok();
}

Result<void> CycleTextWidgetAdapterImpl::CopyFrom(const ObjectInterface& source) {
  const auto* other = dynamic_cast<const CycleTextWidgetAdapterImpl*>(&source);
  if (!other) return IllegalArgumentError("CopyFrom needs an instance of the same class");
  texts_ = other->texts_;
  CopyCycleLink(*other);
  return Ok();
}

}  // namespace zarvo
